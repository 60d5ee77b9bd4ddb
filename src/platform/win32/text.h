// Conversions between the core's UTF-8 and what the Windows API takes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quimbly::platform::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// UTF-8 to the system's 8-bit code page (Windows-1252 on the target systems).
std::string ToCodePage(std::string_view utf8);

}  // namespace quimbly::platform::win32
