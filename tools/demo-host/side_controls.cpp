#include "side_controls.h"

#include <initializer_list>

#include "window_classes.h"

namespace quimbly::demohost {
namespace {

constexpr char kListClass[] = "_AOL_Listbox";
constexpr char kIconClass[] = "_AOL_Icon";
constexpr char kStaticClass[] = "_AOL_Static";
constexpr char kListBase[] = "LISTBOX";
constexpr char kStaticBase[] = "STATIC";

HWND CreateControl(HWND parent, const char* cls, const char* text, DWORD style, DWORD exStyle, int id) {
  HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
  return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void Icon_Paint(HWND icon) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(icon, &ps);
  RECT r;
  GetClientRect(icon, &r);
  HBRUSH fill = CreateSolidBrush(RGB(255, 190, 0));
  FillRect(dc, &r, fill);
  DeleteObject(fill);
  FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  EndPaint(icon, &ps);
}

LRESULT CALLBACK IconProcedure(HWND icon, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Icon_Paint(icon);
    return 0;
  }
  return DefWindowProcA(icon, message, wParam, lParam);
}

LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallBaseProcedure(kListBase, list, message, wParam, lParam);
}

LRESULT CALLBACK StaticProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallBaseProcedure(kStaticBase, label, message, wParam, lParam);
}

}  // namespace

bool RegisterSideControlClasses(HINSTANCE instance) {
  return RegisterPlainClass(instance, kIconClass, IconProcedure, COLOR_BTNFACE) &&
         RegisterSuperclass(instance, kListBase, kListClass, ListProcedure) &&
         RegisterSuperclass(instance, kStaticBase, kStaticClass, StaticProcedure);
}

HWND AddMemberList(HWND document, int id) {
  HWND list = CreateControl(document, kListClass, "", LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE, id);
  if (list == nullptr) return nullptr;
  for (const char* member : {"Ann_Bee", "RoboCat", "Lizzy42"})
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(member));
  return list;
}

HWND AddIcon(HWND document, int id) { return CreateControl(document, kIconClass, "", 0, 0, id); }

HWND AddLabel(HWND document, int id, const char* text) {
  return CreateControl(document, kStaticClass, text, SS_LEFT, 0, id);
}

}  // namespace quimbly::demohost
