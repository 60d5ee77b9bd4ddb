#include "mainwindow/minute_counter.h"

#include <array>
#include <charconv>

namespace quimbly::mainwindow {

std::string NextMinuteCount(std::string_view caption) {
  double minutes = 0;
  // Only this program writes the caption, so it always reads as a number.
  std::from_chars(caption.data(), caption.data() + caption.size(), minutes);
  std::array<char, 400> text{};  // room for any double in fixed notation
  // Fixed notation: a long count still reads as plain digits, never "1e+08".
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), minutes + 1, std::chars_format::fixed);
  return std::string(text.data(), result.ptr);
}

}  // namespace quimbly::mainwindow
