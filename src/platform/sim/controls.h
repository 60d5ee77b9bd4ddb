// The simulated controls: plain state, no drawing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimToolkit;

// A label's caption, a text box's text or a menu item's caption. Setting a
// box's text stands for the user's typing, which only tests do here.
class SimText final : public Label, public TextBox, public MenuItem {
 public:
  explicit SimText(std::string_view text) : text_(text) {}
  std::string Caption() const override { return text_; }
  void SetCaption(std::string_view caption) override { text_ = caption; }
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) { text_ = text; }

 private:
  std::string text_;
};

// A timer the toolkit's clock runs, in the order timers were made.
class SimTimer final : public Timer {
 public:
  SimTimer(SimToolkit& toolkit, const ControlLayout& layout, FormEvents& events);
  ~SimTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) override;

  double Due() const { return due_; }
  // The interval has passed: a Timer event is posted and the next one begins.
  void FallDue();

 private:
  SimToolkit& toolkit_;
  const ControlLayout& layout_;
  FormEvents& events_;
  bool enabled_ = false;
  double due_ = 0;
};

// A picture box: the boxes drawn into it, in order (the end-to-end tests
// check the real pixels).
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
  void Box(float x1, float y1, float x2, float y2, Colour colour) override {
    if (IsBannerPen(drawStyle_, drawMode_)) boxes_.push_back({x1, y1, x2, y2, colour});
  }

  bool AutoRedraw() const { return autoRedraw_; }
  int DrawWidth() const { return drawWidth_; }
  // What the box shows, in drawing order.
  const std::vector<Drawn>& Boxes() const { return boxes_; }

 private:
  const ControlLayout& layout_;
  bool autoRedraw_ = false;
  int drawStyle_ = 0;
  int drawMode_ = kCopyPen;
  int drawWidth_ = 1;
  std::vector<Drawn> boxes_;
};

}  // namespace quimbly::platform::sim
