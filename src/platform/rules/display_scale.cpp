#include "platform/rules/display_scale.h"

#include <cmath>

namespace quimbly::platform {

int DisplayScale::Pixels(double twips) const {
  return static_cast<int>(std::floor(twips * dpi_ / kTwipsPerInch + 0.5));
}

PixelRect DisplayScale::Rect(const TwipsRect& twips) const {
  return {Pixels(twips.left), Pixels(twips.top), Pixels(twips.left + twips.width), Pixels(twips.top + twips.height)};
}

int DisplayScale::PixelHolding(double twips) const {
  return static_cast<int>(std::floor(twips * dpi_ / kTwipsPerInch));
}

float DisplayScale::Twips(int pixels) const {
  return static_cast<float>(static_cast<double>(pixels) * kTwipsPerInch / dpi_);
}

int DisplayScale::FromStandard(int pixels) const {
  return static_cast<int>(std::floor(static_cast<double>(pixels) * dpi_ / kStandardDpi + 0.5));
}

}  // namespace quimbly::platform
