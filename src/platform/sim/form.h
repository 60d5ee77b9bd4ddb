// A simulated form: its controls' state, visibility, position and menus,
// built from the same layout table as the real window.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/named_controls.h"
#include "platform/sim/controls.h"
#include "platform/toolkit.h"

namespace quimbly::platform::sim {

class SimForm;

class SimMenu final : public Menu {
 public:
  SimMenu(SimForm& owner, std::string_view name) : owner_(owner), name_(name) {}
  void PopUp(const Form& over, float xTwips) override;

 private:
  SimForm& owner_;
  std::string_view name_;
};

class SimForm final : public Form {
 public:
  SimForm(SimToolkit& toolkit, const FormLayout& layout, FormEvents& events);
  ~SimForm() override;

  void Show() override;
  void Hide() override { visible_ = false; }
  void Minimize() override { minimized_ = true; }
  // What another copy's start does to this window (see SimToolkit).
  void Restore() { minimized_ = false; }
  WindowHandle hWnd() const override { return hwnd_; }
  float Left() const override { return left_; }
  float ScreenWidth() const override;
  void SetLeft(float twips) override;

  platform::Label& Label(std::string_view name) override { return Get<platform::Label>(name); }
  // Text boxes and menu items come back as what they are here, so that a
  // test can also set a box's text and read an item's caption.
  SimText& TextBox(std::string_view name) override { return static_cast<SimText&>(Get<platform::TextBox>(name)); }
  platform::Timer& Timer(std::string_view name) override { return Get<SimTimer>(name); }
  platform::PictureBox& PictureBox(std::string_view name) override { return Picture(name); }
  SimText& MenuItem(std::string_view name) override { return static_cast<SimText&>(Get<platform::MenuItem>(name)); }
  platform::Menu& Menu(std::string_view name) override { return Get<SimMenu>(name); }
  SimPictureBox& Picture(std::string_view name) { return Get<SimPictureBox>(name); }

  // What a test looks at; the program itself never asks.
  bool Visible() const { return visible_; }
  bool Minimized() const { return minimized_; }

  void Press(std::string_view control, Event event);
  // A key goes to the text box's KeyPress first; a printable key the handler
  // leaves reaches its text.
  void Key(std::string_view control, int key);

  const FormLayout& Layout() const { return layout_; }
  FormEvents& Events() { return events_; }
  SimToolkit& Toolkit() { return toolkit_; }

 private:
  template <typename Kind>
  Kind& Get(std::string_view name) const;

  SimToolkit& toolkit_;
  const FormLayout& layout_;
  FormEvents& events_;
  WindowHandle hwnd_;
  bool visible_ = false;
  bool minimized_ = false;
  float left_ = 0;
  std::vector<std::unique_ptr<SimText>> texts_;
  std::vector<std::unique_ptr<SimTimer>> timers_;
  std::vector<std::unique_ptr<SimPictureBox>> pictures_;
  std::vector<std::unique_ptr<SimMenu>> menus_;
  NamedControls<platform::Label, platform::TextBox, SimTimer, SimPictureBox, platform::MenuItem, SimMenu> controls_;
};

}  // namespace quimbly::platform::sim
