// The window-system calls the core makes, shaped after the Win32 functions of the same names.
#pragma once

#include <cstdint>
#include <string_view>

namespace quimbly::platform {

// A window of the window system, as an opaque number; 0 names no window.
using WindowHandle = std::uintptr_t;

// Message numbers, named apart from <windows.h>'s macros so both can be seen together.
inline constexpr unsigned kWmSetText = 0x000C;
inline constexpr unsigned kWmChar = 0x0102;
inline constexpr unsigned kWmSysCommand = 0x0112;

// SetWindowPos: the topmost group, and "keep position and size".
inline constexpr WindowHandle kHwndTopmost = static_cast<WindowHandle>(-1);
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // The first top-level window of the class, or 0. Titles are never searched.
  virtual WindowHandle FindWindowA(std::string_view className) = 0;

  // The next direct child of parent with the class, after childAfter (from the
  // first child when childAfter is 0); parent 0 searches the top-level windows.
  virtual WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                                     std::string_view className) = 0;

  // A message whose lParam is text (WM_SETTEXT). The text is UTF-8 here and
  // reaches the window in the system's 8-bit code page. A receiver that does
  // not answer is given up on rather than waited for without end.
  virtual void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::string_view text) = 0;

  // A message whose lParam is a number (WM_CHAR), with the same give-up rule.
  virtual void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam) = 0;

  virtual void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                            unsigned flags) = 0;
  virtual void ReleaseCapture() = 0;
};

}  // namespace quimbly::platform
