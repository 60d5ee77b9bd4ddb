// The one place that knows both the core and the real platform.
#include <windows.h>

#include "mainwindow/form1.h"
#include "platform/win32/backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  namespace win32 = quimbly::platform::win32;
  const auto windows = win32::MakeWindowSystem();
  const auto toolkit = win32::MakeToolkit();
  quimbly::mainwindow::Form1 form1(*toolkit, *windows);
  form1.Load();
  return win32::RunEventLoop();
}
