#include "platform/win32/text_box.h"

#include <cstddef>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/fatal.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

TextBoxControl::TextBoxControl(const ControlLayout& layout, HWND container, FormEvents& events)
    : layout_(layout), events_(events) {
  const DWORD exStyle = layout.edge == Edge::Sunken ? WS_EX_CLIENTEDGE : 0;
  const DWORD frame = layout.edge == Edge::Flat ? WS_BORDER : 0;
  hwnd_ = CreateWindowExA(exStyle, "EDIT", ToCodePage(layout.text).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | frame, 0, 0, 0, 0,
                          container, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (hwnd_ == nullptr) Fatal("Windows could not create a text box (error " + std::to_string(GetLastError()) + ").");
  SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);  // no length limit beyond the system's own
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TextBoxControl::Procedure)));
}

TextBoxControl::~TextBoxControl() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void TextBoxControl::LayOut(const DisplayScale& scale, HFONT font) {
  const RECT r = PixelBounds(layout_.twips, scale);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string TextBoxControl::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return FromCodePage(text);
}

void TextBoxControl::SetText(std::string_view text) { SetWindowTextA(hwnd_, ToCodePage(text).c_str()); }

LRESULT CALLBACK TextBoxControl::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TextBoxControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_CHAR) {
    // The handler sees the key first and may change it; 0 swallows it.
    int key = static_cast<int>(wParam);
    const WNDPROC original = self->original_;
    self->events_.Raise(self->layout_.name, Event::KeyPress, key);
    if (key == 0) return 0;
    return CallWindowProcA(original, hwnd, message, static_cast<WPARAM>(key), lParam);
  }
  return CallWindowProcA(self->original_, hwnd, message, wParam, lParam);
}

}  // namespace quimbly::platform::win32
