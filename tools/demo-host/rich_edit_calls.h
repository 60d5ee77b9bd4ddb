// The host's own calls to a box's rich edit control. They go straight to it,
// so they are not mistaken for a sender's WM_SETTEXT (which could also trip
// the hang).
#pragma once

#include <windows.h>

#include <string>

namespace quimbly::demohost {

// The system class every RICHCNTL box is a superclass of, and its library.
inline constexpr char kRichEditClass[] = "RichEdit20A";
inline constexpr char kRichEditLibrary[] = "riched20.dll";

LRESULT CallRichEdit(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// The control's text, read back from it, in the system's code page.
std::string ShownText(HWND box);
void ClearBox(HWND box);

// In characters, as the control counts its positions (a paragraph's end is one).
LONG TextLength(HWND box);
void Select(HWND box, LONG from, LONG to);

}  // namespace quimbly::demohost
