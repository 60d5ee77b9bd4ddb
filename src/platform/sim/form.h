// A simulated form: its controls' state, visibility, position and menus,
// built from the same layout table as the real window.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

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
  bool Visible() const override { return visible_; }
  void Minimize() override { minimized_ = true; }
  bool Minimized() const override { return minimized_; }
  void Restore() { minimized_ = false; }
  WindowHandle hWnd() const override { return hwnd_; }
  float Left() const override { return left_; }
  float ScreenWidth() const override;
  void SetLeft(float twips) override;

  platform::Label& Label(std::string_view name) override { return Get(name, Kind::Label, &Control::text); }
  platform::TextBox& TextBox(std::string_view name) override { return Get(name, Kind::TextBox, &Control::text); }
  platform::Timer& Timer(std::string_view name) override { return Get(name, Kind::Timer, &Control::timer); }
  platform::PictureBox& PictureBox(std::string_view name) override { return Picture(name); }
  platform::MenuItem& MenuItem(std::string_view name) override { return Get(name, Kind::MenuItem, &Control::text); }
  platform::Menu& Menu(std::string_view name) override { return Get(name, Kind::Menu, &Control::menu); }
  SimPictureBox& Picture(std::string_view name) { return Get(name, Kind::PictureBox, &Control::picture); }

  void Press(std::string_view control, Event event);
  // A key goes to the text box's KeyPress first; a printable key the handler
  // leaves reaches its text.
  void Key(std::string_view control, int key);

  const FormLayout& Layout() const { return layout_; }
  FormEvents& Events() { return events_; }
  SimToolkit& Toolkit() { return toolkit_; }

 private:
  enum class Kind { Label, TextBox, Timer, PictureBox, MenuItem, Menu };
  // Each control or menu by name, in the slot its kind fills.
  struct Control {
    Kind kind;
    std::unique_ptr<SimText> text;
    std::unique_ptr<SimTimer> timer;
    std::unique_ptr<SimPictureBox> picture;
    std::unique_ptr<SimMenu> menu;
  };

  template <typename T>
  T& Get(std::string_view name, Kind kind, std::unique_ptr<T> Control::*slot) const;

  SimToolkit& toolkit_;
  const FormLayout& layout_;
  FormEvents& events_;
  WindowHandle hwnd_;
  bool visible_ = false;
  bool minimized_ = false;
  float left_ = 0;
  std::map<std::string, Control, std::less<>> controls_;
};

}  // namespace quimbly::platform::sim
