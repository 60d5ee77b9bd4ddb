#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

constexpr char kLegacyFolder[] = "c:\\windows\\system";
constexpr char kFileName[] = "qbv1.ini";

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The classic place where the file is there already or may be made; else the
// user's application-data folder (current Windows lets only administrators
// write to the system folder, and a fresh Wine prefix has none).
std::string DecideProfilePath() {
  const std::string legacy = std::string(kLegacyFolder) + "\\" + kFileName;
  const std::wstring wideLegacy = Widen(legacy);
  if (GetFileAttributesW(wideLegacy.c_str()) != INVALID_FILE_ATTRIBUTES) return legacy;
  if (IsFolder(Widen(kLegacyFolder))) {
    const HANDLE probe = CreateFileW(wideLegacy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
      CloseHandle(probe);
      return legacy;
    }
  }
  std::wstring appData(MAX_PATH, L'\0');
  const DWORD length = GetEnvironmentVariableW(L"APPDATA", appData.data(), static_cast<DWORD>(appData.size()));
  if (length == 0 || length >= appData.size()) return legacy;
  appData.resize(length);
  return Narrow(appData) + "\\" + kFileName;
}

// The wide functions: the system still keeps the file in its 8-bit code page,
// and paths outside that code page (a user's folder name) work too.
class Win32ProfileFiles final : public ProfileFiles {
 public:
  Win32ProfileFiles() : path_(DecideProfilePath()) {}

  std::string ProfilePath() override { return path_; }

  bool FindNormalFile(std::string_view path) override {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(Widen(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (found.dwFileAttributes & kNotNormal) == 0;
  }

  std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, int bufferSize,
                                       std::string_view file) override {
    if (bufferSize <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<std::size_t>(bufferSize), L'\0');
    const DWORD count = GetPrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(),
                                                 Widen(defaultValue).c_str(), buffer.data(),
                                                 static_cast<DWORD>(bufferSize), Widen(file).c_str());
    return Narrow(std::wstring_view(buffer.data(), count));
  }

  void WritePrivateProfileStringA(std::string_view section, std::string_view key, std::string_view value,
                                  std::string_view file) override {
    WritePrivateProfileStringW(Widen(section).c_str(), Widen(key).c_str(), Widen(value).c_str(),
                               Widen(file).c_str());
  }

  void DeleteFileA(std::string_view path) override { DeleteFileW(Widen(path).c_str()); }

 private:
  const std::string path_;
};

}  // namespace

std::unique_ptr<ProfileFiles> MakeProfileFiles() { return std::make_unique<Win32ProfileFiles>(); }

}  // namespace quimbly::platform::win32
