// The demo host's command line: which documents to show, and which files to write.
#pragma once

#include <string>
#include <vector>

#include "document.h"
#include "terminal_echo.h"

namespace quimbly::demohost {

struct Options {
  std::vector<DocKind> docs{DocKind::Room};  // in MDI child order
  std::wstring transcriptDir;                // empty: no transcripts
  std::wstring readyFile;                    // empty: no ready file
  unsigned hangSeconds = 30;
  std::string screenName = "Guest";  // in the system's code page
  EchoMode echo = EchoMode::None;
};

inline constexpr char kUsage[] =
    "usage: demo-host [--docs LIST] [--transcript-dir DIR] [--ready FILE] [--hang-seconds N]\n"
    "                 [--screen-name NAME] [--echo sgr|plain|raw]\n"
    "  LIST: comma-separated kinds: room, doc, room-noinput, room-hung; or none\n";

// argv as from CommandLineToArgvW, argv[0] being the program.
// On failure, error names the offending argument.
bool ParseCommandLine(int argc, wchar_t** argv, Options& options, std::string& error);

}  // namespace quimbly::demohost
