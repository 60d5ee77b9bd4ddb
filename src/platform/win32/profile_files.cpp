#include <windows.h>

#include <cstddef>
#include <string>

#include "platform/rules/profile_place.h"
#include "platform/win32/backend.h"
#include "platform/win32/file_functions.h"

namespace quimbly::platform::win32 {
namespace {

// The profile's place and file, reached through one family of Windows' file
// functions, the same for every call of the run.
template <typename Functions>
class Win32ProfileFiles final : public ProfileFiles, private ProfilePlaceProbe {
  using String = std::basic_string<typename Functions::Char>;

 public:
  explicit Win32ProfileFiles(const Functions& functions) : f_(functions), path_(ChooseProfilePath(*this)) {}

  std::string ProfilePath() override { return path_; }

  bool FindNormalFile(std::string_view path) override {
    typename Functions::FindData found;
    const HANDLE search = f_.findFirstFile(Functions::Name(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (found.dwFileAttributes & kNotNormal) == 0;
  }

  std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, int bufferSize,
                                       std::string_view file) override {
    if (bufferSize <= 0) return {};
    String buffer(static_cast<std::size_t>(bufferSize), 0);
    const DWORD count = f_.getPrivateProfileString(Functions::Text(section).c_str(), Functions::Text(key).c_str(),
                                                   Functions::Text(defaultValue).c_str(), buffer.data(),
                                                   static_cast<DWORD>(bufferSize), Functions::Name(file).c_str());
    buffer.resize(count);
    return Functions::TextToUtf8(buffer);
  }

  void WritePrivateProfileStringA(std::string_view section, std::string_view key, std::string_view value,
                                  std::string_view file) override {
    f_.writePrivateProfileString(Functions::Text(section).c_str(), Functions::Text(key).c_str(),
                                 Functions::Text(value).c_str(), Functions::Name(file).c_str());
  }

  void DeleteFileA(std::string_view path) override { f_.deleteFile(Functions::Name(path).c_str()); }

 private:
  bool Exists(std::string_view path) override {
    return f_.getFileAttributes(Functions::Name(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool IsFolder(std::string_view path) override {
    const DWORD attributes = f_.getFileAttributes(Functions::Name(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  // Made, closed and removed again. Removed by name rather than with
  // FILE_FLAG_DELETE_ON_CLOSE, which Windows 95, 98 and ME are not held to:
  // an empty file left behind would pass for a profile at the next start.
  bool AcceptsNewFile(std::string_view folder, std::string_view name) override {
    const String path = Functions::Name(std::string(folder) + "\\" + std::string(name));
    const HANDLE probe =
        f_.createFile(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    f_.deleteFile(path.c_str());
    return true;
  }

  std::string Environment(std::string_view name) override {
    const String key = Functions::Name(name);
    String value(MAX_PATH, 0);
    DWORD length = f_.getEnvironmentVariable(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {  // too long for the buffer: the length asked for includes the end mark
      value.assign(length, 0);
      length = f_.getEnvironmentVariable(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
      if (length >= value.size()) return {};
    }
    value.resize(length);
    return Functions::NameToUtf8(value);
  }

  const Functions f_;
  const std::string path_;
};

// Windows 95, 98 and ME set the top bit of the version; the NT family does not.
bool NtFamily() { return (GetVersion() & 0x80000000u) == 0; }

}  // namespace

// The one place that decides which functions reach the profile.
std::unique_ptr<ProfileFiles> MakeProfileFiles() {
  const WideFunctions wide;
  if (ChooseFileFunctions(NtFamily(), wide.Found()) == FileFunctions::kWide) {
    return std::make_unique<Win32ProfileFiles<WideFunctions>>(wide);
  }
  return std::make_unique<Win32ProfileFiles<AnsiFunctions>>(AnsiFunctions{});
}

}  // namespace quimbly::platform::win32
