// A simulated picture box: the pixels of its inner area, drawn as the real
// one draws them, and a count of the Paint events it raised.
#pragma once

#include <vector>

#include "platform/box_raster.h"
#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimPictureBox final : public PictureBox {
 public:
  explicit SimPictureBox(const ControlLayout& layout);

  void SetAutoRedraw(bool on) override { autoRedraw_ = on; }
  void SetDrawStyle(int style) override { drawStyle_ = style; }
  void SetDrawMode(int mode) override { drawMode_ = mode; }
  void SetDrawWidth(int pixels) override { drawWidth_ = pixels; }
  float Width() const override { return static_cast<float>(layout_.twips.width); }
  float Height() const override { return static_cast<float>(layout_.twips.height); }
  void Box(float x1, float y1, float x2, float y2, Colour colour) override;

  // Uncovered or shown: repainted from the persistent image, or cleared and
  // in need of a Paint event (true).
  bool NeedsPaint();
  void CountPaintEvent() { ++paintEvents_; }

  bool AutoRedraw() const { return autoRedraw_; }
  int DrawStyle() const { return drawStyle_; }
  int DrawMode() const { return drawMode_; }
  int DrawWidth() const { return drawWidth_; }
  int PaintEvents() const { return paintEvents_; }
  int InnerWidth() const { return width_; }
  int InnerHeight() const { return height_; }
  Colour Pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  int BoxesDrawn() const { return boxes_; }

 private:
  const ControlLayout& layout_;
  int width_;
  int height_;
  Colour background_;
  std::vector<Colour> pixels_;
  bool autoRedraw_ = false;
  int drawStyle_ = 0;
  int drawMode_ = 13;
  int drawWidth_ = 1;
  int paintEvents_ = 0;
  int boxes_ = 0;
};

}  // namespace quimbly::platform::sim
