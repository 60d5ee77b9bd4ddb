// Profile files kept in memory, read and written with the portable profile
// format, with the file attributes and failures the program must survive.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "platform/profile_files.h"

namespace quimbly::platform::sim {

struct SimFile {
  std::string bytes;  // Windows-1252
  bool hidden = false;
  bool system = false;
  bool readOnly = false;
  bool heldOpen = false;  // another process has it open without sharing
};

class SimProfileFiles : public ProfileFiles {
 public:
  static constexpr std::string_view kDefaultPath = "c:\\windows\\system\\qbv1.ini";

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
  int DiskAccesses() const { return diskAccesses_; }
  int PathDecisions() const { return pathDecisions_; }

 private:
  static std::string Key(std::string_view path);
  static std::string Folder(std::string_view path);

  std::map<std::string, SimFile> files_;
  std::set<std::string> directories_{Key("c:\\windows\\system")};
  int diskAccesses_ = 0;
  int pathDecisions_ = 0;
};

}  // namespace quimbly::platform::sim
