// The simulated system's ANSI code page, as on a Western Windows: text
// crosses to its windows and profile files as Windows-1252 bytes.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::platform::sim {

// UTF-8 to Windows-1252. A character the code page lacks, or a malformed byte
// sequence, becomes '?' (the system's own conversion may pick a look-alike
// letter first).
std::string Utf8ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8; the five unassigned bytes map to the C1 controls of
// the same number, so every byte round-trips.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace quimbly::platform::sim
