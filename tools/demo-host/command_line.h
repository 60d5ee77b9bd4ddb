#pragma once

#include "document.h"

#include <string>
#include <vector>

struct Options {
    std::vector<DocKind> docs{DocKind::Room};  // in MDI child order
    std::wstring transcript_dir;               // empty: no transcripts
    std::wstring ready_file;                   // empty: no ready file
    unsigned hang_seconds = 30;
};

extern const char kUsage[];

// argv as from CommandLineToArgvW, argv[0] being the program.
// On failure, error names the offending argument.
bool parse_command_line(int argc, wchar_t** argv, Options& options, std::string& error);
