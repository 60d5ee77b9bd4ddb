#include "runs.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "platform/rules/profile_format.h"

namespace quimbly::probe {
namespace {

namespace format = platform::profile_format;

// A read with this default and a large buffer tells a missing key from an
// empty value and shows the whole value; it has no spaces or quotes for the
// call to strip.
constexpr char kMissing[] = "<missing>";
constexpr int kLargeBuffer = 4096;

std::string Escaped(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (c >= 0x20 && c < 0x7F) {
          out += c;
        } else {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
          out += hex;
        }
    }
  }
  return out + "\"";
}

std::string ReadLabel(const Op& op) {
  return "read [" + op.section + "] " + op.key + " (" + std::to_string(op.bufferSize) + ")";
}

std::string WriteLabel(const Op& op) { return "write [" + op.section + "] " + op.key + "=" + Escaped(op.value); }

std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One GetPrivateProfileStringA call: the characters it reports, and whether
// the buffer holds exactly those before its NUL.
std::string RealRead(const Op& op, const char* fallback, int bufferSize, const std::string& path) {
  std::vector<char> buffer(bufferSize + 1, '\x7f');
  const DWORD count =
      GetPrivateProfileStringA(op.section.c_str(), op.key.c_str(), fallback, buffer.data(), bufferSize, path.c_str());
  std::string got = Escaped(std::string(buffer.data(), count));
  if (buffer[count] != '\0') got += " without a NUL after it";
  return got;
}

std::string Describe(const std::optional<std::string>& file) { return file ? Escaped(*file) : "no file"; }

}  // namespace

Outcome RunReal(const Scenario& scenario, const std::string& path) {
  DeleteFileA(path.c_str());
  if (scenario.initial) std::ofstream(path, std::ios::binary) << *scenario.initial;
  Outcome outcome;
  for (const Op& op : scenario.ops) {
    if (op.write) {
      const BOOL ok = WritePrivateProfileStringA(op.section.c_str(), op.key.c_str(), op.value.c_str(), path.c_str());
      outcome.steps.push_back(WriteLabel(op) + (ok ? ": ok" : ": failed, error " + std::to_string(GetLastError())));
    } else {
      outcome.steps.push_back(ReadLabel(op) + ": " + RealRead(op, "", op.bufferSize, path));
      outcome.steps.push_back(ReadLabel(op) + " whole: " + RealRead(op, kMissing, kLargeBuffer, path));
    }
  }
  outcome.file = FileBytes(path);
  return outcome;
}

Outcome RunModel(const Scenario& scenario) {
  Outcome outcome;
  outcome.file = scenario.initial;
  for (const Op& op : scenario.ops) {
    if (op.write) {
      outcome.file = format::Write(outcome.file.value_or(""), outcome.file.has_value(), op.section, op.key, op.value);
      outcome.steps.push_back(WriteLabel(op) + ": ok");
    } else {
      const std::string content = outcome.file.value_or("");
      const bool exists = outcome.file.has_value();
      const std::string cut = exists ? format::ReadIntoBuffer(content, op.section, op.key, op.bufferSize) : "";
      const auto whole = exists ? format::Read(content, op.section, op.key) : std::nullopt;
      outcome.steps.push_back(ReadLabel(op) + ": " + Escaped(cut));
      outcome.steps.push_back(ReadLabel(op) + " whole: " + Escaped(whole.value_or(kMissing)));
    }
  }
  return outcome;
}

std::string Differences(const Outcome& real, const Outcome& model) {
  std::ostringstream out;
  for (std::size_t i = 0; i < real.steps.size() && i < model.steps.size(); ++i) {
    if (real.steps[i] != model.steps[i])
      out << "    real:  " << real.steps[i] << "\n    model: " << model.steps[i] << "\n";
  }
  if (real.steps.size() != model.steps.size()) out << "    the runs made different numbers of calls\n";
  if (real.file != model.file) {
    out << "    file, real:  " << Describe(real.file) << "\n    file, model: " << Describe(model.file) << "\n";
  }
  return out.str();
}

}  // namespace quimbly::probe
