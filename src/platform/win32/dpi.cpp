#include "platform/win32/dpi.h"

#include "platform/win32/newer_functions.h"

namespace quimbly::platform::win32 {

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int WindowDpi(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  if (const auto get = LookUp<GetDpiForWindow>("user32.dll", "GetDpiForWindow")) {
    if (const UINT dpi = get(window); dpi != 0) return static_cast<int>(dpi);
  }
  return SystemDpi();
}

}  // namespace quimbly::platform::win32
