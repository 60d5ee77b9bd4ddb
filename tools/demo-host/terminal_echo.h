// The room's lines on the host's standard output, for a person watching the
// terminal it was started from.
#pragma once

#include <string>

namespace quimbly::demohost {

enum class EchoMode {
  None,
  Sgr,    // as the room shows them, in the terminal's own bold, colours...
  Plain,  // as the room shows them, text only
  Raw,    // the bytes the room received, markup and all
};

// The line and the screen name in the system's code page; what is written is UTF-8.
void EchoLine(EchoMode mode, const std::string& screenName, const std::string& line);

}  // namespace quimbly::demohost
