// A form: a top-level window built from its layout table, with its picture
// boxes, labels, text boxes, timers and menus.
#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/container_window.h"
#include "platform/win32/menu_tree.h"
#include "platform/win32/text_box.h"
#include "platform/win32/timer.h"

namespace quimbly::platform::win32 {

// What every form shares: the hidden owner that keeps forms off the taskbar,
// and the two images.
struct FormResources {
  HWND owner;
  HBITMAP panel;
  HICON bigIcon;
  HICON smallIcon;
};

class FormWindow final : public platform::Form {
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

  platform::Label& Label(std::string_view name) override;
  platform::TextBox& TextBox(std::string_view name) override;
  platform::Timer& Timer(std::string_view name) override;
  platform::MenuItem& MenuItem(std::string_view name) override;
  platform::PictureBox& PictureBox(std::string_view name) override;
  void PopupMenu(Form& menuOwner, std::string_view menu, float xTwips) override;

 private:
  ContainerWindow& ContainerOf(const ControlLayout& control);
  void BuildControls(const FormResources& resources);
  void MoveFocus(bool backwards);

  const FormLayout& layout_;
  FormEvents& events_;
  MenuTree menus_;
  std::unique_ptr<ContainerWindow> surface_;
  // Declared after the surface, so they go before it: children before parents.
  std::vector<std::pair<std::string_view, std::unique_ptr<ContainerWindow>>> pictures_;
  std::vector<std::pair<std::string_view, std::unique_ptr<TextBoxControl>>> textBoxes_;
  std::vector<std::unique_ptr<TimerControl>> timers_;
  std::vector<WindowlessLabel*> labels_;
  std::vector<std::pair<int, HWND>> focusOrder_;  // by tab index
};

}  // namespace quimbly::platform::win32
