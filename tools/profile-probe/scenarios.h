// The probe's scenarios: a starting file and the profile calls made on it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quimbly::probe {

struct Op {
  bool write = false;
  std::string section;
  std::string key;
  std::string value;   // writes only
  int bufferSize = 0;  // reads only
};

inline Op Write(std::string section, std::string key, std::string value) {
  return {true, std::move(section), std::move(key), std::move(value), 0};
}

// The program reads with a buffer of 750 characters.
inline Op Read(std::string section, std::string key, int bufferSize = 750) {
  return {false, std::move(section), std::move(key), {}, bufferSize};
}

struct Scenario {
  std::string name;
  std::optional<std::string> initial;  // none: no file at the start
  std::vector<Op> ops;
};

std::vector<Scenario> Scenarios();

}  // namespace quimbly::probe
