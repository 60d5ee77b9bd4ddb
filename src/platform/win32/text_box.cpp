#include "platform/win32/text_box.h"

#include <cstddef>
#include <string>

#include "platform/win32/colours.h"
#include "platform/win32/fatal.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

TextBoxControl::Edit::Edit(const ControlLayout& layout, HWND container, FormEvents& events)
    : layout_(layout), events_(events) {
  const DWORD exStyle = layout.edge == Edge::Sunken ? WS_EX_CLIENTEDGE : 0;
  const DWORD frame = layout.edge == Edge::Flat ? WS_BORDER : 0;
  const HWND control = CreateWindowExA(exStyle, "EDIT", ToCodePage(layout.text).c_str(),
                                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | frame, 0, 0,
                                       0, 0, container, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (control == nullptr) Fatal("Windows could not create a text box (error " + std::to_string(GetLastError()) + ").");
  SendMessageA(control, EM_SETLIMITTEXT, 0, 0);  // no length limit beyond the system's own
  Attach(control);
}

LRESULT TextBoxControl::Edit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    // The handler sees the key first and may change it; 0 swallows it.
    int key = static_cast<int>(wParam);
    events_.Raise(layout_.name, Event::KeyPress, key);
    if (key == 0) return 0;
    wParam = static_cast<WPARAM>(key);
  }
  return Window::HandleMessage(message, wParam, lParam);
}

TextBoxControl::TextBoxControl(const ControlLayout& layout, HWND container, FormEvents& events)
    : layout_(layout), edit_(layout, container, events) {}

void TextBoxControl::LayOut(const DisplayScale& scale, HFONT font) {
  const RECT r = PixelBounds(layout_.twips, scale);
  SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string TextBoxControl::Text() const {
  const int length = GetWindowTextLengthA(hwnd());
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd(), text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return FromCodePage(text);
}

}  // namespace quimbly::platform::win32
