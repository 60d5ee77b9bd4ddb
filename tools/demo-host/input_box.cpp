#include "input_box.h"

#include "box_content.h"
#include "edit_calls.h"
#include "window_classes.h"

namespace quimbly::demohost {
namespace {

constexpr char kBoxClass[] = "RICHCNTL";

// A hung client: the whole UI thread stops answering, then carries on.
LRESULT InputBox_SetText(Document& doc, HWND box, WPARAM wParam, LPARAM lParam) {
  if (doc.hangPending) {
    doc.hangPending = false;
    Sleep(doc.hangSeconds * 1000u);
  }
  return TakeSentText(doc, box, wParam, lParam);
}

// Returns whether the key is used up: Enter posts, which EDIT would only beep at.
bool InputBox_KeyPress(Document& doc, WPARAM key) {
  if (key == '\r') {
    PostLine(doc);
    return true;
  }
  doc.handEdited = true;
  return false;
}

void InputBox_Change(Document& doc) { doc.handEdited = true; }

LRESULT CALLBACK InputBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* doc = reinterpret_cast<Document*>(GetWindowLongPtrA(box, GWLP_USERDATA));
  // A plain view (or a box not yet wired up) is just an edit control.
  if (doc == nullptr || doc->input != box) return CallEdit(box, message, wParam, lParam);

  switch (message) {
    case WM_SETTEXT:
      return InputBox_SetText(*doc, box, wParam, lParam);
    case WM_CHAR:
      if (InputBox_KeyPress(*doc, wParam)) return 0;
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      InputBox_Change(*doc);
      break;
    default:
      break;
  }
  return CallEdit(box, message, wParam, lParam);
}

}  // namespace

bool RegisterInputBoxClass(HINSTANCE instance) {
  return RegisterSuperclass(instance, kEditClass, kBoxClass, InputBoxProcedure);
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
  // Long announcements must not be cut at EDIT's default limit.
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  if (role != BoxRole::View) SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
  return box;
}

}  // namespace quimbly::demohost
