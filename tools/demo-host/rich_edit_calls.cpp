#include "rich_edit_calls.h"

#include <richedit.h>

#include "window_classes.h"

namespace quimbly::demohost {

LRESULT CallRichEdit(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallBaseProcedure(kRichEditClass, box, message, wParam, lParam);
}

std::string ShownText(HWND box) {
  auto length = static_cast<int>(CallRichEdit(box, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<size_t>(length) + 1, '\0');
  auto got = static_cast<int>(CallRichEdit(box, WM_GETTEXT, static_cast<WPARAM>(length) + 1,
                                           reinterpret_cast<LPARAM>(text.data())));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void ClearBox(HWND box) { CallRichEdit(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("")); }

LONG TextLength(HWND box) {
  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<LONG>(CallRichEdit(box, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

void Select(HWND box, LONG from, LONG to) {
  CHARRANGE range{from, to};
  CallRichEdit(box, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

}  // namespace quimbly::demohost
