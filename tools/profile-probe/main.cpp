// profile-probe --hold FILE SECONDS: opens the file without sharing it and
// keeps it open that long, as another program holding the profile would.
// profile-probe FOLDER: runs each scenario twice, once through the real
// GetPrivateProfileStringA / WritePrivateProfileStringA on a file in FOLDER
// and once through the portable profile format on bytes in memory, and
// prints PASS or FAIL per scenario. Exits 0 only when every scenario agrees.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "runs.h"
#include "scenarios.h"

namespace probe = quimbly::probe;

namespace {

int Hold(const char* path, int seconds) {
  const HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    std::fprintf(stderr, "cannot open %s\n", path);
    return 1;
  }
  std::printf("holding %s\n", path);
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(seconds) * 1000);
  CloseHandle(file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--hold") return Hold(argv[2], std::atoi(argv[3]));
  if (argc != 2) {
    std::fprintf(stderr, "usage: profile-probe FOLDER | --hold FILE SECONDS\n");
    return 2;
  }
  const std::string folder = argv[1];
  const auto scenarios = probe::Scenarios();
  int failures = 0;
  for (std::size_t i = 0; i < scenarios.size(); ++i) {
    // A file of its own per scenario: the system may cache a profile it has read.
    const std::string path = folder + "\\probe" + std::to_string(i + 1) + ".ini";
    const std::string differences =
        probe::Differences(probe::RunReal(scenarios[i], path), probe::RunModel(scenarios[i]));
    std::printf("%s %s\n%s", differences.empty() ? "PASS" : "FAIL", scenarios[i].name.c_str(), differences.c_str());
    if (!differences.empty()) ++failures;
  }
  std::printf("%d of %zu scenarios agree\n", static_cast<int>(scenarios.size()) - failures, scenarios.size());
  return failures == 0 ? 0 : 1;
}
