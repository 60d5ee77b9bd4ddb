// How twips become a display's pixels: 1440 twips to the inch at the
// display's dots per inch, so 15 twips to the pixel at 96.
#pragma once

#include "platform/layout.h"

namespace quimbly::platform {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const PixelRect&) const = default;
};

class DisplayScale {
 public:
  // A display that reports no sensible DPI is taken as the standard one.
  constexpr explicit DisplayScale(int dpi = kStandardDpi) : dpi_(dpi > 0 ? dpi : kStandardDpi) {}

  constexpr int Dpi() const { return dpi_; }
  // An edge in twips on the pixel grid: the nearest pixel, a half up.
  int Pixels(double twips) const;
  // Each edge rounded once, so that neighbours keep their gaps at every scale.
  PixelRect Rect(const TwipsRect& twips) const;
  // The pixel a drawing coordinate falls in.
  int PixelHolding(double twips) const;
  float Twips(int pixels) const;
  // A length that is so many pixels at 96 DPI (a pen, a picture), at this scale.
  int FromStandard(int pixels) const;

  bool operator==(const DisplayScale&) const = default;

 private:
  int dpi_;
};

}  // namespace quimbly::platform
