// A scripted toolkit: forms and controls held in memory, events that a test
// delivers as a user would, and a virtual clock that moves only when told.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/window_tree.h"
#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimForm;
class SimTimer;

class SimToolkit : public Toolkit {
 public:
  explicit SimToolkit(SimWindowSystem& windows) : windows_(windows) {}

  std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) override;

  // A click on a control of a shown form, handled before this returns.
  void Click(std::string_view form, std::string_view control);
  // The user replaces a text box's text.
  void Type(std::string_view form, std::string_view control, std::string_view text);
  // Lets virtual time pass; timer ticks fall due and are handled in order.
  void AdvanceSeconds(double seconds);
  double Now() const { return now_; }

  SimForm& FindForm(std::string_view name) const;

 private:
  friend class SimForm;
  friend class SimTimer;

  void Post(std::function<void()> event);
  void RunPending();

  SimWindowSystem& windows_;
  std::vector<SimForm*> forms_;
  std::deque<std::function<void()>> pending_;
  double now_ = 0;
};

class SimForm : public Form {
 public:
  SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events);
  ~SimForm() override;

  void Show() override { visible_ = true; }
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  WindowHandle hWnd() const override { return hwnd_; }

  platform::Label& Label(std::string_view name) override;
  platform::TextBox& TextBox(std::string_view name) override;
  platform::Timer& Timer(std::string_view name) override;

  const FormLayout& Layout() const { return layout_; }
  FormEvents& Events() { return events_; }
  const ControlLayout& Control(std::string_view name) const;
  std::vector<SimTimer*> Timers();

 private:
  struct Controls;

  SimToolkit& toolkit_;
  const FormLayout& layout_;
  FormEvents& events_;
  WindowHandle hwnd_;
  bool visible_ = false;
  std::unique_ptr<Controls> controls_;
};

class SimTimer : public Timer {
 public:
  SimTimer(SimToolkit& toolkit, const ControlLayout& layout) : toolkit_(toolkit), layout_(layout) {}
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;

  const ControlLayout& Layout() const { return layout_; }
  double Due() const { return due_; }
  void Rearm() { due_ += layout_.intervalMs / 1000.0; }

 private:
  SimToolkit& toolkit_;
  const ControlLayout& layout_;
  bool enabled_ = false;
  double due_ = 0;
};

}  // namespace quimbly::platform::sim
