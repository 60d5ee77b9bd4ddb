#include "terminal_echo.h"

#include <windows.h>

#include "markup.h"
#include "terminal_text.h"

namespace quimbly::demohost {
namespace {

// Through the system's own conversion, so every code page reads right.
std::string Utf8(const std::string& ansi) {
  if (ansi.empty()) return {};
  int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), text.data(), wide);
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, out.data(), n, nullptr, nullptr);
  return out;
}

std::string Shown(EchoMode mode, const std::string& screenName, const std::string& line) {
  if (mode == EchoMode::Raw) return line;
  auto runs = markup::Render(line);
  runs.insert(runs.begin(), markup::Run{{}, screenName + ": "});
  return mode == EchoMode::Sgr ? markup::WithSgr(runs) : markup::PlainText(runs);
}

}  // namespace

void EchoLine(EchoMode mode, const std::string& screenName, const std::string& line) {
  if (mode == EchoMode::None) return;
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out == nullptr || out == INVALID_HANDLE_VALUE) return;
  std::string text = Utf8(Shown(mode, screenName, line)) + "\n";
  DWORD written = 0;
  WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace quimbly::demohost
