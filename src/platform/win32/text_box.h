// A one-line edit box: the system's EDIT control, subclassed so that typed
// characters reach the form's KeyPress handler first.
#pragma once

#include <windows.h>

#include <string>

#include "platform/rules/display_scale.h"
#include "platform/layout.h"
#include "platform/toolkit.h"

namespace quimbly::platform::win32 {

class TextBoxControl final : public platform::TextBox {
 public:
  TextBoxControl(const ControlLayout& layout, HWND container, FormEvents& events);
  TextBoxControl(const TextBoxControl&) = delete;
  TextBoxControl& operator=(const TextBoxControl&) = delete;
  ~TextBoxControl() override;

  std::string Text() const override;
  void SetText(std::string_view text) override;

  HWND hwnd() const { return hwnd_; }
  // Places the box at the scale its container is laid out at, in the font of that scale.
  void LayOut(const DisplayScale& scale, HFONT font);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  const ControlLayout& layout_;
  FormEvents& events_;
  HWND hwnd_;
  WNDPROC original_;
};

}  // namespace quimbly::platform::win32
