#include "document_window.h"

#include <cstring>

#include "input_box.h"
#include "side_controls.h"
#include "window_classes.h"

namespace quimbly::demohost {
namespace {

constexpr char kDocumentClass[] = "AOL Child";

enum ControlId { kViewId = 101, kInputId, kListId, kIconId, kStaticId };

Document* DocumentOf(HWND window) { return reinterpret_cast<Document*>(GetWindowLongPtrA(window, GWLP_USERDATA)); }

bool HasMemberList(DocKind kind) { return kind != DocKind::Doc; }

// Child windows go to the bottom of their siblings when created, so the order
// of these calls is the order the utility walks them in.
bool BuildDocumentChildren(HWND window, Document& doc) {
  if (doc.kind == DocKind::RoomNoInput) {
    doc.view = doc.input = CreateBox(window, kViewId, BoxRole::Combined, &doc);
    if (!doc.view) return false;
  } else {
    doc.view = CreateBox(window, kViewId, BoxRole::View, &doc);
    doc.input = CreateBox(window, kInputId, BoxRole::Input, &doc);
    if (!doc.view || !doc.input) return false;
  }
  if (HasMemberList(doc.kind) && !AddMemberList(window, kListId)) return false;
  const char* label = doc.kind == DocKind::Doc ? "Notes" : "Chat room";
  if (!AddIcon(window, kIconId)) return false;
  if (!AddLabel(window, kStaticId, label)) return false;

  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return true;
}

// Text on the left with the input box under it; icon, label and members on the right.
void LayOutDocument(HWND window, int width, int height) {
  constexpr int kInputHeight = 22;
  int side = width / 3 < 110 ? width / 3 : 110;
  int left = width - side;
  auto place = [&](int id, int x, int y, int w, int h) {
    if (HWND c = GetDlgItem(window, id))
      SetWindowPos(c, nullptr, x, y, w > 0 ? w : 0, h > 0 ? h : 0, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  bool separateInput = GetDlgItem(window, kInputId) != nullptr;
  place(kViewId, 0, 0, left, separateInput ? height - kInputHeight : height);
  place(kInputId, 0, height - kInputHeight, left, kInputHeight);
  place(kIconId, left + 3, 3, 16, 16);
  place(kStaticId, left + 23, 4, side - 25, 16);
  place(kListId, left + 2, 22, side - 4, height - 24);
}

// The window holds its Document from the start, for every handler after this one.
bool Document_Create(HWND window, const CREATESTRUCTA& cs) {
  auto* mcs = static_cast<MDICREATESTRUCTA*>(cs.lpCreateParams);
  auto* doc = reinterpret_cast<Document*>(mcs->lParam);
  doc->window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(doc));
  return BuildDocumentChildren(window, *doc);
}

void Document_Size(HWND window, int width, int height) { LayOutDocument(window, width, height); }

// Returns whether the focus went on to the input box.
bool Document_SetFocus(HWND window) {
  Document* doc = DocumentOf(window);
  if (doc == nullptr || doc->input == nullptr) return false;
  SetFocus(doc->input);
  return true;
}

LRESULT CALLBACK DocumentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (!Document_Create(window, *reinterpret_cast<CREATESTRUCTA*>(lParam))) return -1;
      break;
    case WM_SIZE:
      Document_Size(window, LOWORD(lParam), HIWORD(lParam));
      break;  // DefMDIChildProc needs WM_SIZE as well
    case WM_SETFOCUS:
      if (Document_SetFocus(window)) return 0;
      break;
    default:
      break;
  }
  return DefMDIChildProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterDocumentClass(HINSTANCE instance) {
  return RegisterPlainClass(instance, kDocumentClass, DocumentProcedure, COLOR_BTNFACE) &&
         RegisterSideControlClasses(instance) && RegisterInputBoxClass(instance);
}

HWND CreateDocument(HWND mdiClient, Document* doc, const char* title) {
  MDICREATESTRUCTA mcs{};
  mcs.szClass = kDocumentClass;
  mcs.szTitle = title;
  mcs.hOwner = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(mdiClient, GWLP_HINSTANCE));
  mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
  mcs.style = 0;
  mcs.lParam = reinterpret_cast<LPARAM>(doc);
  return reinterpret_cast<HWND>(SendMessageA(mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
}

std::vector<Document*> DocumentsInChildOrder(HWND mdiClient) {
  std::vector<Document*> order;
  for (HWND c = GetWindow(mdiClient, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    char cls[64] = {};
    GetClassNameA(c, cls, sizeof cls);
    if (std::strcmp(cls, kDocumentClass) == 0) order.push_back(DocumentOf(c));
  }
  return order;
}

}  // namespace quimbly::demohost
