#include "profile/profile_store.h"

#include <algorithm>
#include <cctype>

namespace quimbly::profile {
namespace {

// The reader asks for the key in lower case and the writer stores it in upper
// case; they meet because profile keys match without regard to case.
std::string WithCase(std::string_view text, int (*change)(int)) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [change](char c) { return static_cast<char>(change(static_cast<unsigned char>(c))); });
  return out;
}

constexpr int kBufferSize = 750;

}  // namespace

bool FileExists(platform::ProfileFiles& files, std::string_view path) {
  return !path.empty() && files.FindNormalFile(path);
}

std::string ReadProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                              std::string_view path) {
  return files.GetPrivateProfileStringA(section, WithCase(key, ::tolower), "", kBufferSize, path);
}

void WriteProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string_view path) {
  files.WritePrivateProfileStringA(section, WithCase(key, ::toupper), value, path);
}

void DeleteProfile(platform::ProfileFiles& files, std::string_view path) { files.DeleteFileA(path); }

}  // namespace quimbly::profile
