// The handle record in the profile file, and whether a profile exists at all
// (the program's only notion of a first run).
#pragma once

#include <string>
#include <string_view>

#include "platform/profile_files.h"

namespace quimbly::profile {

inline constexpr std::string_view kSection = "qbv1";
inline constexpr std::string_view kHandleKey = "handle";

// False for an empty path without touching the disk; a hidden file counts as none.
bool FileExists(platform::ProfileFiles& files, std::string_view path);

// The value, or "" when the file, section or key is missing; at most 749 characters.
std::string ReadProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                              std::string_view path);

// Writes under the upper-cased key; a failed write goes unreported.
void WriteProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string_view path);

void DeleteProfile(platform::ProfileFiles& files, std::string_view path);

}  // namespace quimbly::profile
