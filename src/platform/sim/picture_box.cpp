#include "platform/sim/picture_box.h"

#include <algorithm>
#include <stdexcept>

namespace quimbly::platform::sim {
namespace {

constexpr int kInsideSolid = 6;
constexpr int kCopyPen = 13;

Colour Resolved(Colour c) { return IsSchemeColour(c) ? StandardSchemeColour(SchemeIndex(c)) : c; }

}  // namespace

SimPictureBox::SimPictureBox(const ControlLayout& layout)
    : layout_(layout),
      width_(TwipsToPixels(layout.twips.width) - (layout.edge == Edge::Flat ? 2 : 0)),
      height_(TwipsToPixels(layout.twips.height) - (layout.edge == Edge::Flat ? 2 : 0)),
      background_(Resolved(layout.back)),
      pixels_(static_cast<std::size_t>(width_ * height_), background_) {}

void SimPictureBox::Box(float x1, float y1, float x2, float y2, Colour colour) {
  if (drawStyle_ != kInsideSolid || drawMode_ != kCopyPen) {
    throw std::logic_error("only inside-solid copy-pen boxes are drawn here");
  }
  ++boxes_;
  for (const PixelRect& r : InsideFrameBox(x1, y1, x2, y2, drawWidth_)) {
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) {
      for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x) {
        pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
      }
    }
  }
}

bool SimPictureBox::NeedsPaint() {
  if (autoRedraw_) return false;
  std::fill(pixels_.begin(), pixels_.end(), background_);
  return true;
}

}  // namespace quimbly::platform::sim
