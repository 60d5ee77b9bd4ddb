// A posted line as the room's people see it: after the sender's screen
// name, the markup's runs in the view's rich edit, each in its style.
#pragma once

#include <windows.h>

#include <string>

namespace quimbly::demohost {

// Appends the line as a paragraph of its own and scrolls the view to it.
void ShowLine(HWND view, const std::string& screenName, const std::string& line);

}  // namespace quimbly::demohost
