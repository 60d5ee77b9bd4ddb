// Text crossing to and from Windows: the core's UTF-8 in, the system's ANSI
// code page (CP_ACP: 1252 on a Western system, 1250 or 1251 elsewhere) out,
// converted by Windows itself, so what the code page lacks becomes what
// Windows makes of it.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::platform::win32 {

std::string ToCodePage(std::string_view utf8);
std::string FromCodePage(std::string_view bytes);

// The code page's bytes as UTF-16 characters, as Windows reads them, and
// back: what a wide function holding code-page text is given and gives.
std::wstring CodePageToWide(std::string_view bytes);
std::string WideToCodePage(std::wstring_view wide);

// UTF-8 to UTF-16 and back whole, for a name the code page may lack.
std::wstring ToWide(std::string_view utf8);
std::string FromWide(std::wstring_view wide);

}  // namespace quimbly::platform::win32
