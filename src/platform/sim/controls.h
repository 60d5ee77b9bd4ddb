// The simulated controls: plain state, no drawing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimToolkit;

// A label's caption, a text box's text or a menu item's caption.
class SimText final : public Label, public TextBox, public MenuItem {
 public:
  explicit SimText(std::string_view text) : text_(text) {}
  std::string Caption() const override { return text_; }
  void SetCaption(std::string_view caption) override { text_ = caption; }
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

class SimTimer final : public Timer {
 public:
  SimTimer(SimToolkit& toolkit, const ControlLayout& layout) : toolkit_(toolkit), layout_(layout) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  std::string_view Name() const { return layout_.name; }
  double Due() const { return due_; }
  void Rearm() { due_ += layout_.intervalMs / 1000.0; }

 private:
  SimToolkit& toolkit_;
  const ControlLayout& layout_;
  bool enabled_ = false;
  double due_ = 0;
};

// A picture box: the boxes drawn into what it shows (the end-to-end tests
// check the real pixels), and how many Paint events it raised.
class SimPictureBox final : public PictureBox {
 public:
  struct Drawn {
    float x1, y1, x2, y2;
    Colour colour;
    bool operator==(const Drawn&) const = default;
  };

  explicit SimPictureBox(const ControlLayout& layout) : layout_(layout) {}

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
  int DrawWidth() const { return drawWidth_; }
  int PaintEvents() const { return paintEvents_; }
  // What the box shows, in drawing order.
  const std::vector<Drawn>& Boxes() const { return boxes_; }

 private:
  const ControlLayout& layout_;
  bool autoRedraw_ = false;
  int drawStyle_ = 0;
  int drawMode_ = kCopyPen;
  int drawWidth_ = 1;
  int paintEvents_ = 0;
  std::vector<Drawn> boxes_;
};

}  // namespace quimbly::platform::sim
