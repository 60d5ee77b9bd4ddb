#include "platform/win32/fatal.h"

#include <windows.h>

#include <string>

namespace quimbly::platform::win32 {

void Fatal(std::string_view why) {
  const std::string text = "Quimbly cannot go on: " + std::string(why);
  OutputDebugStringA((text + "\n").c_str());
  MessageBoxA(nullptr, text.c_str(), "Quimbly", MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
  ExitProcess(1);
}

}  // namespace quimbly::platform::win32
