// The floor of the benchmark: one window and a message loop, nothing else.
// What Quimbly costs beyond this is what its own work costs.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"BenchFloor";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"bench floor", WS_POPUP | WS_VISIBLE, 400, 0, 161, 121, nullptr, nullptr,
                  instance, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
