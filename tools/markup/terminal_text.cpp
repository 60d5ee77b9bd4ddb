#include "terminal_text.h"

namespace quimbly::markup {
namespace {

std::string ColorCodes(const char* kind, const Color& c) {
  return std::string(";") + kind + ";2;" + std::to_string(c.red) + ";" + std::to_string(c.green) + ";" +
         std::to_string(c.blue);
}

// Starts from the terminal's own style ("0"), so nothing of the run before leaks in.
std::string Sgr(const Style& s) {
  std::string codes = "0";
  if (s.bold) codes += ";1";
  if (s.italic) codes += ";3";
  if (s.underline) codes += ";4";
  if (s.strike) codes += ";9";
  if (s.color) codes += ColorCodes("38", *s.color);
  if (s.back) codes += ColorCodes("48", *s.back);
  return "\x1b[" + codes + "m";
}

}  // namespace

std::string WithSgr(const std::vector<Run>& runs) {
  std::string out;
  for (const Run& run : runs) out += Sgr(run.style) + run.text;
  if (!runs.empty()) out += "\x1b[0m";
  return out;
}

std::string PlainText(const std::vector<Run>& runs) {
  std::string out;
  for (const Run& run : runs) out += run.text;
  return out;
}

}  // namespace quimbly::markup
