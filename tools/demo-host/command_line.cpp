#include "command_line.h"

#include <windows.h>

namespace quimbly::demohost {
namespace {

// A day is far more than any test waits, and keeps the milliseconds in a DWORD.
constexpr unsigned kMaxHangSeconds = 86400;

// codePage: CP_UTF8 for messages, CP_ACP for what the windows show.
std::string Narrow(const std::wstring& text, UINT codePage = CP_UTF8) {
  if (text.empty()) return {};
  int n = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool ParseEcho(const std::wstring& text, EchoMode& mode) {
  struct Name {
    const wchar_t* name;
    EchoMode mode;
  };
  for (Name n : {Name{L"sgr", EchoMode::Sgr}, Name{L"plain", EchoMode::Plain}, Name{L"raw", EchoMode::Raw}}) {
    if (text == n.name) {
      mode = n.mode;
      return true;
    }
  }
  return false;
}

bool ParseDocs(const std::wstring& list, std::vector<DocKind>& docs, std::string& error) {
  docs.clear();
  if (list.empty() || list == L"none") return true;
  size_t start = 0;
  for (;;) {
    size_t comma = list.find(L',', start);
    std::wstring item = list.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start);
    DocKind kind;
    if (!KindFromName(item, kind)) {
      error = "unknown document kind '" + Narrow(item) + "'";
      return false;
    }
    docs.push_back(kind);
    if (comma == std::wstring::npos) return true;
    start = comma + 1;
  }
}

bool ParseSeconds(const std::wstring& text, unsigned& seconds) {
  if (text.empty() || text.size() > 6) return false;
  unsigned value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    value = value * 10 + static_cast<unsigned>(c - L'0');
  }
  if (value > kMaxHangSeconds) return false;
  seconds = value;
  return true;
}

}  // namespace

bool ParseCommandLine(int argc, wchar_t** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    std::wstring name = argv[i];
    bool takesValue = name == L"--docs" || name == L"--transcript-dir" || name == L"--ready" ||
                      name == L"--hang-seconds" || name == L"--screen-name" || name == L"--echo";
    if (!takesValue) {
      error = "unknown argument '" + Narrow(name) + "'";
      return false;
    }
    if (i + 1 >= argc) {
      error = "missing value after " + Narrow(name);
      return false;
    }
    std::wstring value = argv[++i];
    if (name == L"--docs") {
      if (!ParseDocs(value, options.docs, error)) return false;
    } else if (name == L"--transcript-dir") {
      if (value.empty()) {
        error = "empty --transcript-dir";
        return false;
      }
      options.transcriptDir = value;
    } else if (name == L"--ready") {
      if (value.empty()) {
        error = "empty --ready";
        return false;
      }
      options.readyFile = value;
    } else if (name == L"--screen-name") {
      if (value.empty()) {
        error = "empty --screen-name";
        return false;
      }
      options.screenName = Narrow(value, CP_ACP);
    } else if (name == L"--echo") {
      if (!ParseEcho(value, options.echo)) {
        error = "bad --echo '" + Narrow(value) + "'";
        return false;
      }
    } else {
      if (!ParseSeconds(value, options.hangSeconds)) {
        error = "bad --hang-seconds '" + Narrow(value) + "'";
        return false;
      }
    }
  }
  return true;
}

}  // namespace quimbly::demohost
