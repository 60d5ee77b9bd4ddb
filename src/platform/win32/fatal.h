// What ends the program when it cannot go on: a window the system would not
// create, or a control name the program's own tables got wrong.
#pragma once

#include <string_view>

namespace quimbly::platform::win32 {

// Tells the user why in a message box, then ends the process; the room hears
// nothing more.
[[noreturn]] void Fatal(std::string_view why);

}  // namespace quimbly::platform::win32
