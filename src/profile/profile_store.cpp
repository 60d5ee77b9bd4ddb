#include "profile/profile_store.h"

namespace quimbly::profile {
namespace {

// The reader asks for the key in lower case and the writer stores it in upper
// case; they meet because profile keys match without regard to case. Keys
// are ASCII, so the case changes by ASCII alone, whatever the locale.
std::string WithCase(std::string_view text, bool upper) {
  const char first = upper ? 'a' : 'A';
  std::string out(text);
  for (char& c : out) {
    if (c >= first && c <= first + ('z' - 'a')) c = static_cast<char>(c ^ ('a' - 'A'));
  }
  return out;
}

constexpr int kBufferSize = 750;

}  // namespace

bool FileExists(platform::ProfileFiles& files, std::string_view path) {
  return !path.empty() && files.FindNormalFile(path);
}

std::string ReadProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                              std::string_view path) {
  return files.GetPrivateProfileStringA(section, WithCase(key, false), "", kBufferSize, path);
}

void WriteProfileString(platform::ProfileFiles& files, std::string_view section, std::string_view key,
                        std::string_view value, std::string_view path) {
  files.WritePrivateProfileStringA(section, WithCase(key, true), value, path);
}

void DeleteProfile(platform::ProfileFiles& files, std::string_view path) { files.DeleteFileA(path); }

}  // namespace quimbly::profile
