// The simulated controls: plain state, no drawing.
#pragma once

#include <string>
#include <string_view>

#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimToolkit;

class SimLabel final : public Label {
 public:
  explicit SimLabel(std::string_view caption) : caption_(caption) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

class SimTextBox final : public TextBox {
 public:
  explicit SimTextBox(std::string_view text) : text_(text) {}
  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }

 private:
  std::string text_;
};

class SimMenuItem final : public MenuItem {
 public:
  explicit SimMenuItem(std::string_view caption) : caption_(caption) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
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

}  // namespace quimbly::platform::sim
