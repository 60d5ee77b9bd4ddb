#include "platform/win32/fatal.h"

#include <windows.h>

#include <algorithm>

namespace quimbly::platform::win32 {

void Fatal(std::string_view why) {
  // Built on the stack: this is also how the exe ends when the heap is empty.
  constexpr std::string_view kLead = "Quimbly cannot go on: ";
  char text[512];
  const std::size_t length = std::min(why.size(), sizeof text - kLead.size() - 2);
  std::copy(kLead.begin(), kLead.end(), text);
  std::copy_n(why.begin(), length, text + kLead.size());
  text[kLead.size() + length] = '\n';
  text[kLead.size() + length + 1] = '\0';
  OutputDebugStringA(text);
  text[kLead.size() + length] = '\0';
  MessageBoxA(nullptr, text, "Quimbly", MB_OK | MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND);
  ExitProcess(1);
}

}  // namespace quimbly::platform::win32
