// UTF-8, the core's text, to and from UTF-16, which Windows converts to its
// ANSI code page itself. Done here rather than by Windows, whose UTF-8
// conversion is not documented for Windows 95 and 98.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quimbly::platform {

// Decodes the sequence at pos and moves pos past it; nullopt for a malformed
// one (pos still advances, by at least one byte).
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);

// A malformed sequence, or a surrogate without its partner, becomes U+FFFD:
// the line goes on, with a mark where the bad text was.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace quimbly::platform
