#include "platform/win32/text.h"

#include <windows.h>

#include <cstddef>

#include "platform/rules/utf8.h"

namespace quimbly::platform::win32 {

// Both conversions through UTF-16 work on every Windows, 95 and NT 4.0 included.
std::string ToCodePage(std::string_view utf8) { return WideToCodePage(ToWide(utf8)); }

std::string FromCodePage(std::string_view bytes) { return FromWide(CodePageToWide(bytes)); }

std::wstring CodePageToWide(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), count);
  return wide;
}

std::string WideToCodePage(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), count, nullptr, nullptr);
  return bytes;
}

// wchar_t is Windows' UTF-16 unit.
std::wstring ToWide(std::string_view utf8) {
  const std::u16string utf16 = Utf8ToUtf16(utf8);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string FromWide(std::wstring_view wide) { return Utf16ToUtf8(std::u16string(wide.begin(), wide.end())); }

}  // namespace quimbly::platform::win32
