// The one place that knows both the core and the real platform.
#include <windows.h>

#include "mainwindow/one_copy.h"
#include "mainwindow/program.h"
#include "platform/win32/backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  namespace win32 = quimbly::platform::win32;
  const auto copies = win32::MakeProgramCopies();
  if (!quimbly::mainwindow::IsTheOnlyCopy(*copies)) return 0;
  const auto windows = win32::MakeWindowSystem();
  const auto toolkit = win32::MakeToolkit();
  const auto files = win32::MakeProfileFiles();
  quimbly::mainwindow::Program program(*toolkit, *windows, *files);
  program.Start();
  return win32::RunEventLoop();
}
