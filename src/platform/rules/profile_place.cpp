#include "platform/rules/profile_place.h"

namespace quimbly::platform {
namespace {

std::string Join(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + std::string(name);
}

}  // namespace

FileFunctions ChooseFileFunctions(bool ntFamily, bool wideFunctionsFound) {
  return ntFamily && wideFunctionsFound ? FileFunctions::kWide : FileFunctions::kAnsi;
}

std::string ChooseProfilePath(ProfilePlaceProbe& machine) {
  const std::string historic = Join(kHistoricProfileFolder, kProfileFileName);
  if (machine.Exists(historic)) return historic;
  if (machine.IsFolder(kHistoricProfileFolder) && machine.AcceptsNewFile(kHistoricProfileFolder, kProfileFileName)) {
    return historic;
  }
  if (const std::string appData = machine.Environment("APPDATA"); !appData.empty()) {
    return Join(appData, kProfileFileName);
  }
  if (const std::string profile = machine.Environment("USERPROFILE"); !profile.empty()) {
    const std::string appData = Join(profile, "Application Data");
    return Join(machine.IsFolder(appData) ? appData : profile, kProfileFileName);
  }
  return historic;
}

}  // namespace quimbly::platform
