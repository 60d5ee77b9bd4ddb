#include "edit_calls.h"

#include "window_classes.h"

namespace quimbly::demohost {

LRESULT CallEdit(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallBaseProcedure(kEditClass, box, message, wParam, lParam);
}

void SetShownText(HWND box, const std::string& text) {
  CallEdit(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  CallEdit(box, EM_SETMODIFY, FALSE, 0);
}

void MoveCaretToEnd(HWND box) {
  LRESULT length = CallEdit(box, WM_GETTEXTLENGTH, 0, 0);
  CallEdit(box, EM_SETSEL, static_cast<WPARAM>(length), length);
  CallEdit(box, EM_SCROLLCARET, 0, 0);
}

std::string ShownText(HWND box) {
  int length = GetWindowTextLengthA(box);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(box, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void AppendToView(HWND view, const std::string& line) {
  LRESULT length = CallEdit(view, WM_GETTEXTLENGTH, 0, 0);
  CallEdit(view, EM_SETSEL, static_cast<WPARAM>(length), length);
  std::string text = line + "\r\n";
  CallEdit(view, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
  CallEdit(view, EM_SCROLLCARET, 0, 0);
}

}  // namespace quimbly::demohost
