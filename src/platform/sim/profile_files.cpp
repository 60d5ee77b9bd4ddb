#include "platform/sim/profile_files.h"

#include <algorithm>

#include "platform/rules/ascii.h"
#include "platform/sim/codepage.h"
#include "platform/rules/profile_format.h"

namespace quimbly::platform::sim {

// Windows 98 exports the wide functions too, as stubs: only its family tells.
SimProfileFiles::SimProfileFiles(SimWindows windows)
    : windows_(windows), family_(ChooseFileFunctions(windows == SimWindows::kNt, true)) {}

std::string SimProfileFiles::ProfilePath() {
  ++pathDecisions_;
  return ChooseProfilePath(*this);
}

bool SimProfileFiles::FindNormalFile(std::string_view path) {
  if (!Call()) return false;
  const auto it = files_.find(KeyOf(path));
  return it != files_.end() && !it->second.hidden && !it->second.system;
}

std::string SimProfileFiles::GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                                      std::string_view defaultValue, int bufferSize,
                                                      std::string_view file) {
  if (!Call() || bufferSize <= 0) return {};
  const auto it = files_.find(KeyOf(file));
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
  if (!Call()) return;
  const std::string name = KeyOf(file);
  if (!directories_.contains(Folder(name))) return;
  auto it = files_.find(name);
  const bool exists = it != files_.end();
  if (exists && (it->second.readOnly || it->second.heldOpen)) return;
  SimFile& target = files_[name];
  target.bytes = profile_format::Write(target.bytes, exists, Utf8ToWindows1252(section), Utf8ToWindows1252(key),
                                       Utf8ToWindows1252(value));
}

void SimProfileFiles::DeleteFileA(std::string_view path) {
  if (!Call()) return;
  const auto it = files_.find(KeyOf(path));
  if (it == files_.end() || it->second.readOnly || it->second.heldOpen) return;
  files_.erase(it);
}

void SimProfileFiles::Put(std::string_view path, SimFile file) {
  directories_.insert(Folder(Key(path)));
  files_[Key(path)] = std::move(file);
}

std::optional<SimFile> SimProfileFiles::Get(std::string_view path) const {
  const auto it = files_.find(Key(path));
  if (it == files_.end()) return std::nullopt;
  return it->second;
}

bool SimProfileFiles::Exists(std::string_view path) {
  return Call() && (files_.contains(KeyOf(path)) || directories_.contains(KeyOf(path)));
}

bool SimProfileFiles::IsFolder(std::string_view path) { return Call() && directories_.contains(KeyOf(path)); }

// The trial file is made and removed at once: a folder there takes it.
bool SimProfileFiles::AcceptsNewFile(std::string_view folder, std::string_view name) {
  return IsFolder(folder) && !files_.contains(KeyOf(std::string(folder) + "\\" + std::string(name)));
}

std::string SimProfileFiles::Environment(std::string_view name) {
  if (!Call()) return {};
  const auto it = environment_.find(std::string(name));
  return it == environment_.end() ? "" : Name(it->second);
}

bool SimProfileFiles::Call() {
  ++diskAccesses_;
  ++(family_ == FileFunctions::kWide ? wideCalls_ : ansiCalls_);
  return family_ == FileFunctions::kAnsi || windows_ == SimWindows::kNt;
}

std::string SimProfileFiles::Name(std::string_view utf8) const {
  return family_ == FileFunctions::kWide ? std::string(utf8) : Windows1252ToUtf8(Utf8ToWindows1252(utf8));
}

// Windows paths name the same file whatever their case.
std::string SimProfileFiles::Key(std::string_view path) { return ascii::Lower(path); }

std::string SimProfileFiles::Folder(std::string_view key) {
  const auto slash = key.find_last_of('\\');
  return std::string(slash == std::string_view::npos ? std::string_view() : key.substr(0, slash));
}

}  // namespace quimbly::platform::sim
