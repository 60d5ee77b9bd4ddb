// The classic sectioned key=value profile format, as the system's profile
// functions read and write it, on a file's bytes. Portable: the simulated
// backend keeps its files in memory with it, and a Win32 probe checks it
// against the real functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quimbly::platform::profile_format {

// The value of key in section, as GetPrivateProfileStringA finds it (before
// any cut to a buffer), or nullopt when the section or key is missing.
// Section and key names match without their surrounding white space and
// without regard to the case of ASCII letters.
std::optional<std::string> Read(std::string_view content, std::string_view section, std::string_view key);

// What GetPrivateProfileStringA(section, key, "", buffer, bufferSize) leaves
// in the buffer: Read's value cut to bufferSize - 1 characters, "" when
// missing, except that a quoted value in a buffer of exactly its length + 1
// comes back one character short, as the real call has it.
std::string ReadIntoBuffer(std::string_view content, std::string_view section, std::string_view key, int bufferSize);

// The file's bytes after WritePrivateProfileStringA(section, key, value) on a
// file holding content (exists false: there was no file).
std::string Write(std::string_view content, bool exists, std::string_view section, std::string_view key,
                  std::string_view value);

}  // namespace quimbly::platform::profile_format
