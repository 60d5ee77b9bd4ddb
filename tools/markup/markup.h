// The chat client's line markup, as the room's people see it: HTML-like tags
// for font, colour and emphasis, and a few entities. Plain C++, so the
// demo host's window, its terminal echo and the unit tests read it alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quimbly::markup {

struct Color {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Color&) const = default;
};

// Whatever is unset is the view's own.
struct Style {
  std::string face;
  std::optional<Color> color;
  std::optional<Color> back;
  int points = 0;  // 0: the view's own size
  bool bold = false, italic = false, underline = false, strike = false;
  bool operator==(const Style&) const = default;
};

// Text in the line's own code page; "\n" where a <br> was.
struct Run {
  Style style;
  std::string text;
};

// One line, rendered afresh: nothing carries over from an earlier line, and
// whatever a line leaves open ends with it. Linear in the line's length
// whatever it holds; neighbouring runs of one style are one run.
std::vector<Run> Render(std::string_view line);

}  // namespace quimbly::markup
