// The dots per inch a window is laid out at.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

// The DPI of the system as a whole: of the primary display, or of every
// display before Windows 8.1.
int SystemDpi();
// The DPI of the display the window is on, where Windows tells it (10 from
// 1607 on); the system's elsewhere.
int WindowDpi(HWND window);

}  // namespace quimbly::platform::win32
