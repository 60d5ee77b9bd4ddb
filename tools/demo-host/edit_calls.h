// The host's own changes to a box's text. They go straight to EDIT, so they
// are not mistaken for the sender's WM_SETTEXT (which could also trip the
// hang) or for typing.
#pragma once

#include <windows.h>

#include <string>

namespace quimbly::demohost {

// The system class every RICHCNTL box is a superclass of.
inline constexpr char kEditClass[] = "EDIT";

LRESULT CallEdit(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// Replaces the text, which then counts as not typed into.
void SetShownText(HWND box, const std::string& text);
void MoveCaretToEnd(HWND box);
std::string ShownText(HWND box);
void AppendToView(HWND view, const std::string& line);

}  // namespace quimbly::demohost
