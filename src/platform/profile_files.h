// The profile-file calls the core makes, shaped after the Win32 functions.
// Strings are UTF-8 here. Backends hand the file's text on in the 8-bit code
// page, and a path whole wherever Windows can take it whole.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::platform {

class ProfileFiles {
 public:
  virtual ~ProfileFiles() = default;

  // Where the profile lives on this machine; decided once per run.
  virtual std::string ProfilePath() = 0;

  // A directory look-up with the attribute mask for normal files: true for an
  // existing file that is not hidden, not a system file and not a directory.
  virtual bool FindNormalFile(std::string_view path) = 0;

  // GetPrivateProfileStringA with a buffer of bufferSize characters: the
  // first n characters of the buffer, n being the count the call reports.
  virtual std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                               std::string_view defaultValue, int bufferSize,
                                               std::string_view file) = 0;

  // WritePrivateProfileStringA; whether it worked is not reported.
  virtual void WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                          std::string_view value, std::string_view file) = 0;

  // Removes the file; whether it worked is not reported.
  virtual void DeleteFileA(std::string_view path) = 0;
};

}  // namespace quimbly::platform
