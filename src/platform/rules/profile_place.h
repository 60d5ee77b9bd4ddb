// Where the profile file lives on this machine. The historic place is kept
// wherever it still works, so older installs find their handle; elsewhere
// the file goes where the user may write.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::platform {

inline constexpr std::string_view kHistoricProfileFolder = "c:\\windows\\system";
inline constexpr std::string_view kProfileFileName = "qbv1.ini";

// What the rule asks of the machine.
class ProfilePlaceProbe {
 public:
  virtual bool Exists(std::string_view path) = 0;
  virtual bool IsFolder(std::string_view path) = 0;
  // Whether a new file may be made in the folder (tried, and removed again).
  virtual bool AcceptsNewFile(std::string_view folder, std::string_view name) = 0;
  // An environment variable's value; empty when it is not set.
  virtual std::string Environment(std::string_view name) = 0;

 protected:
  ~ProfilePlaceProbe() = default;
};

// The historic file where it exists or its folder takes a new file (Windows
// 98 and ME; XP for an administrator); else the user's application-data
// folder (%APPDATA%, from Windows 2000 on); where that variable is missing
// (NT 4.0 sets none), the "Application Data" folder of the user's profile,
// or the profile folder itself; only with neither, the historic file.
std::string ChooseProfilePath(ProfilePlaceProbe& machine);

}  // namespace quimbly::platform
