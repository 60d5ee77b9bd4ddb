// A form: a top-level window built from its layout table, with its picture
// boxes, labels, text boxes, timers and menus. It handles its own timers,
// Tab, closing and the session's end.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/named_controls.h"
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

// The form's window is the toolkit's form: its messages (a timer's tick, a
// new DPI, Tab, closing) act on the controls the toolkit's calls reach, so a
// window held apart would only hand them back to its holder.
class FormWindow final : public Surface, public platform::Form {
 public:
  FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources);
  ~FormWindow() override;

  void Show() override;
  void Hide() override;
  void Minimize() override;
  WindowHandle hWnd() const override;
  float Left() const override;
  void SetLeft(float twips) override;
  float ScreenWidth() const override;
  // The scale the form is laid out at: of the display it is on.
  const DisplayScale& Scale() const { return scale_; }

  platform::Label& Label(std::string_view name) override { return Find<WindowlessLabel>(name); }
  platform::TextBox& TextBox(std::string_view name) override { return Find<TextBoxControl>(name); }
  platform::Timer& Timer(std::string_view name) override { return Find<TimerControl>(name); }
  platform::PictureBox& PictureBox(std::string_view name) override { return Find<PictureBoxWindow>(name); }
  platform::MenuItem& MenuItem(std::string_view name) override { return Find<platform::MenuItem>(name); }
  platform::Menu& Menu(std::string_view name) override { return Find<platform::Menu>(name); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  FormWindow(const FormLayout& layout, FormEvents& events, const FormResources& resources,
             const SurfaceStyle& style);
  // The named control, of that kind.
  template <typename Kind>
  Kind& Find(std::string_view name) const;
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
  NamedControls<WindowlessLabel, TextBoxControl, TimerControl, PictureBoxWindow, platform::MenuItem, platform::Menu>
      controls_;
  std::vector<HWND> tabOrder_;
};

}  // namespace quimbly::platform::win32
