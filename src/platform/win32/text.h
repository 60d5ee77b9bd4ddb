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

}  // namespace quimbly::platform::win32
