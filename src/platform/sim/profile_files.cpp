#include "platform/sim/profile_files.h"

#include <algorithm>

#include "platform/rules/ascii.h"
#include "platform/sim/codepage.h"
#include "platform/rules/profile_format.h"

namespace quimbly::platform::sim {

std::string SimProfileFiles::ProfilePath() {
  ++pathDecisions_;
  return std::string(kDefaultPath);
}

bool SimProfileFiles::FindNormalFile(std::string_view path) {
  ++diskAccesses_;
  const auto it = files_.find(Key(path));
  return it != files_.end() && !it->second.hidden && !it->second.system;
}

std::string SimProfileFiles::GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                                      std::string_view defaultValue, int bufferSize,
                                                      std::string_view file) {
  ++diskAccesses_;
  if (bufferSize <= 0) return {};
  const auto it = files_.find(Key(file));
  const std::string sectionBytes = Utf8ToWindows1252(section);
  const std::string keyBytes = Utf8ToWindows1252(key);
  if (it != files_.end() && !it->second.heldOpen && profile_format::Read(it->second.bytes, sectionBytes, keyBytes)) {
    return Windows1252ToUtf8(profile_format::ReadIntoBuffer(it->second.bytes, sectionBytes, keyBytes, bufferSize));
  }
  // The buffer holds bufferSize - 1 characters and the terminating NUL.
  std::string bytes = Utf8ToWindows1252(defaultValue);
  bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(bufferSize - 1)));
  return Windows1252ToUtf8(bytes);
}

void SimProfileFiles::WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                                 std::string_view value, std::string_view file) {
  ++diskAccesses_;
  if (!directories_.contains(Folder(file))) return;
  auto it = files_.find(Key(file));
  const bool exists = it != files_.end();
  if (exists && (it->second.readOnly || it->second.heldOpen)) return;
  SimFile& target = files_[Key(file)];
  target.bytes = profile_format::Write(target.bytes, exists, Utf8ToWindows1252(section), Utf8ToWindows1252(key),
                                       Utf8ToWindows1252(value));
}

void SimProfileFiles::DeleteFileA(std::string_view path) {
  ++diskAccesses_;
  const auto it = files_.find(Key(path));
  if (it == files_.end() || it->second.readOnly || it->second.heldOpen) return;
  files_.erase(it);
}

void SimProfileFiles::Put(std::string_view path, SimFile file) {
  directories_.insert(Folder(path));
  files_[Key(path)] = std::move(file);
}

std::optional<SimFile> SimProfileFiles::Get(std::string_view path) const {
  const auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

// Windows paths name the same file whatever their case.
std::string SimProfileFiles::Key(std::string_view path) { return ascii::Lower(path); }

std::string SimProfileFiles::Folder(std::string_view path) {
  const auto slash = path.find_last_of('\\');
  return Key(slash == std::string_view::npos ? std::string_view() : path.substr(0, slash));
}

}  // namespace quimbly::platform::sim
