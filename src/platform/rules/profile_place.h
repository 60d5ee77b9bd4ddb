// Where the profile file lives on this machine, and which of Windows' file
// functions reach it. The historic place is kept wherever it still works, so
// older installs find their handle; elsewhere the file goes where the user
// may write, in a folder whose name may hold any character.
#pragma once

#include <string>
#include <string_view>

namespace quimbly::platform {

inline constexpr std::string_view kHistoricProfileFolder = "c:\\windows\\system";
inline constexpr std::string_view kProfileFileName = "qbv1.ini";

// Windows has two families of file functions. The ANSI ones take names in
// the system's code page, which turns a character it lacks into "?" or a
// look-alike: a user folder named in another script (a Greek account name on
// a Western system) then names no folder at all. The wide ones take a name
// whole, but only the NT family (NT 4.0, 2000, XP and later) has them;
// Windows 95, 98 and ME export them as stubs that fail, and there every name
// is in the code page anyway.
enum class FileFunctions { kAnsi, kWide };

// The wide functions on the NT family, when it has every one the profile
// uses; else the ANSI ones.
FileFunctions ChooseFileFunctions(bool ntFamily, bool wideFunctionsFound);

// What the place rule asks of the machine, through the chosen functions.
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
