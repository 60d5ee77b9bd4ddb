#include "window_classes.h"

namespace quimbly::demohost {
namespace {

// The window property that holds the base class's procedure.
constexpr char kBaseProcedureProperty[] = "DemoHostBaseProcedure";

WNDPROC ClassProcedure(const char* cls) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  return GetClassInfoExA(nullptr, cls, &wc) ? wc.lpfnWndProc : nullptr;
}

}  // namespace

bool RegisterPlainClass(HINSTANCE instance, const char* name, WNDPROC procedure, int background) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background + 1));
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

bool RegisterSuperclass(HINSTANCE instance, const char* base, const char* name, WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(nullptr, base, &wc)) return false;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  wc.style &= ~CS_GLOBALCLASS;
  return RegisterClassExA(&wc) != 0;
}

// Looked up on the window's first message and kept with it until its last.
LRESULT CallBaseProcedure(const char* base, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto procedure = reinterpret_cast<WNDPROC>(reinterpret_cast<INT_PTR>(GetPropA(window, kBaseProcedureProperty)));
  if (procedure == nullptr) {
    procedure = ClassProcedure(base);
    if (procedure == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    SetPropA(window, kBaseProcedureProperty, reinterpret_cast<HANDLE>(reinterpret_cast<INT_PTR>(procedure)));
  }
  const LRESULT result = CallWindowProcA(procedure, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropA(window, kBaseProcedureProperty);
  return result;
}

}  // namespace quimbly::demohost
