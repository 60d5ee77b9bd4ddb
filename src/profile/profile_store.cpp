#include "profile/profile_store.h"

#include "platform/rules/ascii.h"

namespace quimbly::profile {
namespace {

// The reader asks for the key in lower case and the writer stores it in upper
// case; they meet because profile keys match without regard to case.
constexpr int kBufferSize = 750;

}  // namespace

bool FileExists(platform::ProfileFiles& files, std::string_view path) {
  return !path.empty() && files.FindNormalFile(path);
}

std::string ReadProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                              std::string_view path) {
  return files.GetPrivateProfileStringA(section, platform::ascii::Lower(key), "", kBufferSize, path);
}

void WriteProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string_view path) {
  files.WritePrivateProfileStringA(section, platform::ascii::Upper(key), value, path);
}

void DeleteProfile(platform::ProfileFiles& files, std::string_view path) { files.DeleteFileA(path); }

}  // namespace quimbly::profile
