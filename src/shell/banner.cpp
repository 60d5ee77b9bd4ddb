#include "shell/banner.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace quimbly::shell {
namespace {

constexpr int kPenWidth = 2;

// Each colour component runs from 255 down by its slope across half the box.
// The arithmetic is 32-bit float at every step, rounded half to even.
std::int16_t Component(std::int16_t slope, float half, std::int16_t c) {
  const float perStep = static_cast<float>(slope) / half;
  const float drop = perStep * static_cast<float>(c);
  const float value = drop + 255.0f;
  return static_cast<std::int16_t>(std::nearbyint(value));
}

}  // namespace

void PaintBanner(platform::PictureBox& box) {
  box.SetAutoRedraw(true);
  box.SetDrawStyle(platform::kInsideSolid);
  box.SetDrawMode(platform::kCopyPen);
  box.SetDrawWidth(kPenWidth);

  const float half = box.Width() / 2.0f;
  if (!(half > 0)) return;  // an empty box has no gradient (and no division by zero)
  std::int16_t c = 0;
  std::int16_t x = 0;
  for (;;) {
    const std::int16_t blue = Component(0, half, c);
    const std::int16_t green = Component(-100, half, c);
    const std::int16_t red = Component(-255, half, c);
    const float height = box.Height();
    const auto right = static_cast<std::int16_t>(x + 2);
    box.Box(x, 0, right, height, platform::Rgb(red, green, blue));
    // A box wider than 16-bit positions reach stops at the last strip that fits.
    if (x > std::numeric_limits<std::int16_t>::max() - 10) return;
    x = static_cast<std::int16_t>(x + 10);
    c = static_cast<std::int16_t>(c + 4);
    if (static_cast<float>(c) > half) return;
  }
}

}  // namespace quimbly::shell
