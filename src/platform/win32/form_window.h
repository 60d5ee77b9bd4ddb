// A form: a top-level window built from its layout table, with its picture
// boxes, labels, text boxes, timers and menus. It handles its own timers,
// Tab, closing and the session's end.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/rules/display_scale.h"
#include "platform/toolkit.h"
#include "platform/win32/menu_tree.h"
#include "platform/win32/picture_cache.h"
#include "platform/win32/picture_box_window.h"
#include "platform/win32/surface.h"
#include "platform/win32/text_box.h"
#include "platform/win32/timer.h"
#include "platform/win32/ui_font.h"

namespace quimbly::platform::win32 {

// Sent to a form's window by the event loop for Tab (wParam 1 with Shift);
// a form that moves the focus answers 1.
inline constexpr UINT kTabMessage = WM_APP + 1;

// What every form shares: the hidden owner that keeps forms off the taskbar,
// the pictures and the program's icon.
struct FormResources {
  HWND owner;
  PictureCache& pictures;
  HICON bigIcon;
  HICON smallIcon;
};

class FormWindow final : public Surface, public platform::Form {
 public:
  FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources);
  ~FormWindow() override;

  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void Minimize() override;
  bool Minimized() const override;
  WindowHandle hWnd() const override;
  float Left() const override;
  void SetLeft(float twips) override;
  float ScreenWidth() const override;
  // The scale the form is laid out at: of the display it is on.
  const DisplayScale& Scale() const { return scale_; }

  platform::Label& Label(std::string_view name) override { return *Find(name, &Control::label); }
  platform::TextBox& TextBox(std::string_view name) override { return *Find(name, &Control::textBox); }
  platform::Timer& Timer(std::string_view name) override { return *Find(name, &Control::timer); }
  platform::PictureBox& PictureBox(std::string_view name) override { return *Find(name, &Control::pictureBox); }
  platform::MenuItem& MenuItem(std::string_view name) override { return *Find(name, &Control::menuItem); }
  platform::Menu& Menu(std::string_view name) override { return *Find(name, &Control::menu); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // A control or menu of the layout, through the interface its kind has; the
  // window of one that can take the focus.
  struct Control {
    std::string_view name;
    platform::Label* label = nullptr;
    platform::TextBox* textBox = nullptr;
    platform::Timer* timer = nullptr;
    platform::PictureBox* pictureBox = nullptr;
    platform::MenuItem* menuItem = nullptr;
    platform::Menu* menu = nullptr;
    Surface* surface = nullptr;  // a picture box, as a container of labels
    HWND window = nullptr;
  };

  // What the named control holds in that slot; never null.
  template <typename T>
  T Find(std::string_view name, T Control::*slot) const;
  Surface& ContainerOf(const ControlLayout& control);
  void BuildControls(const FormResources& resources);
  // Sizes the form and places every control at the DPI, in the font of that
  // DPI: once when the form is made, and again when Windows moves it to a
  // display of another DPI.
  void LayOutAt(int dpi);
  void MoveFocus(bool backwards);

  const FormLayout& layout_;
  DisplayScale scale_;
  std::unique_ptr<UiFont> font_;
  MenuTree menus_;
  // Declared after the form's own window, so they go before it: children first.
  std::vector<std::unique_ptr<PictureBoxWindow>> pictures_;
  std::vector<std::unique_ptr<TextBoxControl>> textBoxes_;
  std::vector<std::unique_ptr<TimerControl>> timers_;
  std::vector<Control> controls_;
  std::vector<HWND> tabOrder_;
};

}  // namespace quimbly::platform::win32
