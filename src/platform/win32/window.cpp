#include "platform/win32/window.h"

#include <string>

#include "platform/win32/fatal.h"

namespace quimbly::platform::win32 {
namespace {

void RegisterOnce(WNDPROC procedure) {
  WNDCLASSEXA existing{sizeof(existing)};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kWindowClass, &existing)) return;
  WNDCLASSEXA wc{sizeof(wc)};
  // No double-click style: every press is a click of its own, however fast.
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  // The system's shared arrow, through the one image loader the program uses.
  wc.hCursor = static_cast<HCURSOR>(LoadImageA(nullptr, IDC_ARROW, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
  wc.lpszClassName = kWindowClass;
  RegisterClassExA(&wc);
}

}  // namespace

Window::~Window() {
  if (hwnd_ == nullptr) return;
  const HWND window = hwnd_;
  Detach();
  DestroyWindow(window);
}

void Window::Create(DWORD exStyle, const char* title, DWORD style, RECT bounds, HWND parent) {
  RegisterOnce(&Window::Procedure);
  if (CreateWindowExA(exStyle, kWindowClass, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                      bounds.bottom - bounds.top, parent, nullptr, GetModuleHandleA(nullptr), this) == nullptr) {
    Fatal("Windows could not create a window (error " + std::to_string(GetLastError()) + ").");
  }
}

// The object goes in before the procedure, which finds it there from the first message on.
void Window::Attach(HWND control) {
  hwnd_ = control;
  SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::Procedure)));
}

void Window::Detach() {
  if (original_ != nullptr) SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (original_ != nullptr) return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed by the system before its object (with its parent, say): the
    // last message gets the default, so a control frees what it holds itself.
    const LRESULT result = self->Window::HandleMessage(message, wParam, lParam);
    self->Detach();
    return result;
  }
  return self->HandleMessage(message, wParam, lParam);
}

}  // namespace quimbly::platform::win32
