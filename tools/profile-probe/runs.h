// Running one scenario twice: through the real profile functions on a file,
// and through the portable profile format on bytes in memory.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scenarios.h"

namespace quimbly::probe {

// What each call gave, step by step, and the file's bytes at the end.
struct Outcome {
  std::vector<std::string> steps;
  std::optional<std::string> file;
};

// Through GetPrivateProfileStringA / WritePrivateProfileStringA on the file at path.
Outcome RunReal(const Scenario& scenario, const std::string& path);

Outcome RunModel(const Scenario& scenario);

// The differences, one per line, or "" when the runs agree.
std::string Differences(const Outcome& real, const Outcome& model);

}  // namespace quimbly::probe
