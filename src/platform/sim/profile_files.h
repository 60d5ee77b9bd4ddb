// Profile files kept in memory, read and written with the portable profile
// format, with the file attributes and failures the program must survive; on
// a machine of either Windows family, whose profile place and file functions
// are chosen by the same rules as on Windows.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/profile_files.h"
#include "platform/rules/profile_place.h"

namespace quimbly::platform::sim {

struct SimFile {
  std::string bytes;  // Windows-1252
  bool hidden = false;
  bool system = false;
  bool readOnly = false;
  bool heldOpen = false;  // another process has it open without sharing
};

enum class SimWindows { k98, kNt };

class SimProfileFiles : public ProfileFiles, private ProfilePlaceProbe {
 public:
  static constexpr std::string_view kDefaultPath = "c:\\windows\\system\\qbv1.ini";

  explicit SimProfileFiles(SimWindows windows = SimWindows::kNt);

  std::string ProfilePath() override;
  bool FindNormalFile(std::string_view path) override;
  std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                       std::string_view defaultValue, int bufferSize,
                                       std::string_view file) override;
  void WritePrivateProfileStringA(std::string_view section, std::string_view key, std::string_view value,
                                  std::string_view file) override;
  void DeleteFileA(std::string_view path) override;

  // --- For tests ---
  void Put(std::string_view path, SimFile file);
  std::optional<SimFile> Get(std::string_view path) const;
  void AddFolder(std::string_view path) { directories_.insert(Key(path)); }
  void RemoveFolder(std::string_view path) { directories_.erase(Key(path)); }
  void SetEnvironment(std::string_view name, std::string_view value) { environment_[std::string(name)] = value; }
  int DiskAccesses() const { return diskAccesses_; }
  int PathDecisions() const { return pathDecisions_; }
  // How many calls went through each family of file functions.
  int Calls(FileFunctions family) const { return family == FileFunctions::kWide ? wideCalls_ : ansiCalls_; }

 private:
  bool Exists(std::string_view path) override;
  bool IsFolder(std::string_view path) override;
  bool AcceptsNewFile(std::string_view folder, std::string_view name) override;
  std::string Environment(std::string_view name) override;

  // One call through the chosen family: false where it is a stub (the wide
  // functions on Windows 98), which does nothing.
  bool Call();
  // A name as the chosen family hands it on: through the ANSI functions a
  // character the code page lacks becomes '?'.
  std::string Name(std::string_view utf8) const;
  std::string KeyOf(std::string_view path) const { return Key(Name(path)); }
  static std::string Key(std::string_view path);
  static std::string Folder(std::string_view key);

  const SimWindows windows_;
  const FileFunctions family_;
  std::map<std::string, SimFile> files_;
  std::set<std::string> directories_{Key("c:\\windows\\system")};
  std::map<std::string, std::string> environment_;
  int diskAccesses_ = 0;
  int pathDecisions_ = 0;
  int ansiCalls_ = 0;
  int wideCalls_ = 0;
};

}  // namespace quimbly::platform::sim
