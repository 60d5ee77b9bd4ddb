// A form: a borderless top-level window built from its layout table, with its
// picture boxes, labels, text boxes and timers.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/container_window.h"
#include "platform/win32/text_box.h"
#include "platform/win32/timer.h"

namespace quimbly::platform::win32 {

class FormWindow final : public platform::Form {
 public:
  // owner: a hidden window that keeps the form off the taskbar.
  FormWindow(const FormLayout& layout, FormEvents& events, HWND owner);
  ~FormWindow() override;

  void Show() override;
  void Hide() override;
  bool Visible() const override;
  WindowHandle hWnd() const override;

  platform::Label& Label(std::string_view name) override;
  platform::TextBox& TextBox(std::string_view name) override;
  platform::Timer& Timer(std::string_view name) override;

 private:
  ContainerWindow& ContainerOf(const ControlLayout& control);

  const FormLayout& layout_;
  FormEvents& events_;
  std::unique_ptr<ContainerWindow> surface_;
  // Declared after the surface, so they go before it: children before parents.
  std::vector<std::pair<std::string_view, std::unique_ptr<ContainerWindow>>> pictures_;
  std::vector<std::pair<std::string_view, std::unique_ptr<TextBoxControl>>> textBoxes_;
  std::vector<std::unique_ptr<TimerControl>> timers_;
  std::vector<WindowlessLabel*> labels_;
};

}  // namespace quimbly::platform::win32
