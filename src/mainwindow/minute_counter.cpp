#include "mainwindow/minute_counter.h"

#include <charconv>
#include <cstdint>

namespace quimbly::mainwindow {

// Only this program writes the caption, always as whole minutes in plain
// digits, so whole-number arithmetic gives the same text as adding 1 to a
// double would for any count a run can reach (a double is exact up to 2^53
// minutes). It also keeps the exe clear of the floating-point formatter,
// which would triple its size.
std::string NextMinuteCount(std::string_view caption) {
  std::uint64_t minutes = 0;
  std::from_chars(caption.data(), caption.data() + caption.size(), minutes);
  return std::to_string(minutes + 1);
}

}  // namespace quimbly::mainwindow
