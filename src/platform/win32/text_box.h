// A one-line edit box: the system's EDIT control, subclassed so that typed
// characters reach the form's KeyPress handler first.
#pragma once

#include <windows.h>

#include <string>

#include "platform/rules/display_scale.h"
#include "platform/layout.h"
#include "platform/toolkit.h"
#include "platform/win32/window.h"

namespace quimbly::platform::win32 {

class TextBoxControl final : public platform::TextBox {
 public:
  TextBoxControl(const ControlLayout& layout, HWND container, FormEvents& events);

  std::string Text() const override;

  HWND hwnd() const { return edit_.hwnd(); }
  // Places the box at the scale its container is laid out at, in the font of that scale.
  void LayOut(const DisplayScale& scale, HFONT font);

 private:
  // The control's window: it has one message of its own, and the text box's
  // reading and writing need nothing of it but its handle.
  class Edit final : public Window {
   public:
    Edit(const ControlLayout& layout, HWND container, FormEvents& events);

   protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

   private:
    const ControlLayout& layout_;
    FormEvents& events_;
  };

  const ControlLayout& layout_;
  Edit edit_;
};

}  // namespace quimbly::platform::win32
