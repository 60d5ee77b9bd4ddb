#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "platform/rules/profile_place.h"
#include "platform/win32/backend.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

std::string Bytes(std::string_view utf8) { return ToCodePage(utf8); }

class Machine final : public ProfilePlaceProbe {
 public:
  bool Exists(std::string_view path) override {
    return GetFileAttributesA(Bytes(path).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  bool IsFolder(std::string_view path) override {
    const DWORD attributes = GetFileAttributesA(Bytes(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  // Made, closed and removed again. Removed by name rather than with
  // FILE_FLAG_DELETE_ON_CLOSE, which Windows 95, 98 and ME are not held to:
  // an empty file left behind would pass for a profile at the next start.
  bool AcceptsNewFile(std::string_view folder, std::string_view name) override {
    const std::string path = Bytes(folder) + "\\" + Bytes(name);
    const HANDLE probe =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    ::DeleteFileA(path.c_str());
    return true;
  }

  std::string Environment(std::string_view name) override {
    const std::string key = Bytes(name);
    std::string value(MAX_PATH, '\0');
    DWORD length = GetEnvironmentVariableA(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {  // too long for the buffer: the length asked for includes the end mark
      value.assign(length, '\0');
      length = GetEnvironmentVariableA(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
      if (length >= value.size()) return {};
    }
    value.resize(length);
    return FromCodePage(value);
  }
};

// The ANSI functions throughout, as on every Windows the exe runs on: the
// file holds the system's code page either way.
class Win32ProfileFiles final : public ProfileFiles {
 public:
  Win32ProfileFiles() : path_(ChooseProfilePath(machine_)) {}

  std::string ProfilePath() override { return path_; }

  bool FindNormalFile(std::string_view path) override {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(Bytes(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    constexpr DWORD kNotNormal = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (found.dwFileAttributes & kNotNormal) == 0;
  }

  std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, int bufferSize,
                                       std::string_view file) override {
    if (bufferSize <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize), '\0');
    const DWORD count = ::GetPrivateProfileStringA(Bytes(section).c_str(), Bytes(key).c_str(),
                                                   Bytes(defaultValue).c_str(), buffer.data(),
                                                   static_cast<DWORD>(bufferSize), Bytes(file).c_str());
    return FromCodePage(std::string_view(buffer.data(), count));
  }

  void WritePrivateProfileStringA(std::string_view section, std::string_view key, std::string_view value,
                                  std::string_view file) override {
    ::WritePrivateProfileStringA(Bytes(section).c_str(), Bytes(key).c_str(), Bytes(value).c_str(),
                                 Bytes(file).c_str());
  }

  void DeleteFileA(std::string_view path) override { ::DeleteFileA(Bytes(path).c_str()); }

 private:
  Machine machine_;
  const std::string path_;
};

}  // namespace

std::unique_ptr<ProfileFiles> MakeProfileFiles() { return std::make_unique<Win32ProfileFiles>(); }

}  // namespace quimbly::platform::win32
