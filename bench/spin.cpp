// The reference a wait must stay far below: a window that waits two seconds
// by pumping messages and reading the clock as fast as it can, then idles.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"BenchSpin";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"bench spin", WS_POPUP | WS_VISIBLE, 600, 0, 161, 121, nullptr, nullptr,
                  instance, nullptr);
  MSG message;
  // Elapsed ticks, unsigned, so a wrap of the 32-bit count does no harm.
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 2000) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
