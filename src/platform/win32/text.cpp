#include "platform/win32/text.h"

#include <windows.h>

#include <cstddef>

#include "platform/rules/utf8.h"

namespace quimbly::platform::win32 {

// Both conversions through UTF-16 work on every Windows, 95 and NT 4.0 included.
std::string ToCodePage(std::string_view utf8) {
  const std::u16string wide = Utf8ToUtf16(utf8);
  if (wide.empty()) return {};
  const auto* chars = reinterpret_cast<LPCWCH>(wide.data());
  const int size = static_cast<int>(wide.size());
  const int count = WideCharToMultiByte(CP_ACP, 0, chars, size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_ACP, 0, chars, size, bytes.data(), count, nullptr, nullptr);
  return bytes;
}

std::string FromCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int count = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  std::u16string wide(static_cast<std::size_t>(count), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, reinterpret_cast<LPWSTR>(wide.data()), count);
  return Utf16ToUtf8(wide);
}

}  // namespace quimbly::platform::win32
