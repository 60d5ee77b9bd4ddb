#pragma once

#include <string>
#include <string_view>

namespace quimbly::mainwindow {

// The idle-minute counter is held as the caption of a label; this is the
// caption after one more minute: read as a number, plus one, written back in
// its shortest decimal form ("1", "2", ... "60").
std::string NextMinuteCount(std::string_view caption);

}  // namespace quimbly::mainwindow
