#include "input_box.h"

#include <richedit.h>

#include <cstring>
#include <string>

#include "box_content.h"
#include "rich_edit_calls.h"
#include "window_classes.h"

namespace quimbly::demohost {
namespace {

constexpr char kBoxClass[] = "RICHCNTL";
// Far more than a room shows in a run; the control's own limit (32 767
// characters) would cut a long line or a long session.
constexpr LPARAM kTextLimit = 64 * 1024 * 1024;

// Wine's rich edit lays a one-line box out in time that grows with the
// square of the script runs in its text (letters, digits and each stretch of
// punctuation are runs): 20 000 bytes of markup take seconds, 100 000
// minutes. A longer line goes into the box as its head only, and the host
// keeps it whole, so any line posts at once and in full.
constexpr size_t kBoxBytes = 2048;

// A hung client's whole UI thread stops answering, then carries on; a long
// line's head goes into the box.
LRESULT InputBox_SetText(Document& doc, HWND box, WPARAM wParam, LPARAM lParam) {
  if (doc.hangPending) {
    doc.hangPending = false;
    Sleep(doc.hangSeconds * 1000u);
  }
  const char* text = reinterpret_cast<const char*>(lParam);
  doc.heldLine.clear();
  if (text == nullptr || std::strlen(text) <= kBoxBytes) return CallRichEdit(box, WM_SETTEXT, wParam, lParam);
  doc.heldLine = text;
  const std::string head = doc.heldLine.substr(0, kBoxBytes);
  return CallRichEdit(box, WM_SETTEXT, wParam, reinterpret_cast<LPARAM>(head.c_str()));
}

// Returns whether the key is used up: Enter posts, where the control would
// only beep or break the line.
bool InputBox_KeyPress(Document& doc, WPARAM key) {
  if (key != '\r') return false;
  PostLine(doc);
  return true;
}

LRESULT CALLBACK InputBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* doc = reinterpret_cast<Document*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  // A plain view (or a box not yet wired up) is just a rich edit control.
  if (doc == nullptr || doc->input != box) return CallRichEdit(box, message, wParam, lParam);

  switch (message) {
    case WM_SETTEXT:
      return InputBox_SetText(*doc, box, wParam, lParam);
    case WM_CHAR:
      if (InputBox_KeyPress(*doc, wParam)) return 0;
      break;
    default:
      break;
  }
  return CallRichEdit(box, message, wParam, lParam);
}

}  // namespace

bool RegisterInputBoxClass(HINSTANCE instance) {
  return LoadLibraryA(kRichEditLibrary) != nullptr &&
         RegisterSuperclass(instance, kRichEditClass, kBoxClass, InputBoxProcedure);
}

HWND CreateBox(HWND parent, int id, BoxRole role, Document* doc) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  switch (role) {
    case BoxRole::View:
      style |= ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
      break;
    case BoxRole::Input:
      style |= ES_AUTOHSCROLL | WS_TABSTOP;
      break;
    case BoxRole::Combined:
      style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP;
      break;
  }
  HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, kBoxClass, "", style, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
  if (box == nullptr) return nullptr;
  CallRichEdit(box, EM_EXLIMITTEXT, 0, kTextLimit);
  if (role != BoxRole::View) SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
  return box;
}

}  // namespace quimbly::demohost
