// Base of every window this backend handles: the static window procedure
// finds its object through the window's user data and hands each message on
// to HandleMessage. A window is either one of our own class, made by Create,
// or a system control the caller made, subclassed by Attach, whose own
// procedure then does what HandleMessage leaves. Every window is an ANSI
// window, as the host client's are.
//
// The object owns its window: its destructor destroys the window, once the
// object behind it is gone and no message can reach that object any more.
// So what a window creates (a brush, an image) is held by members that free
// it with the object, never on a message at the window's end.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

// The one class of every window the program makes, in either exe.
inline constexpr char kWindowClass[] = "QuimblyWindow";

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Creates the window of our one registered class, with this object behind
  // it; the title is in the system's code page. A window the system will not
  // create ends the program: half a utility would announce nothing.
  // The first messages (WM_NCCREATE, WM_CREATE, WM_SIZE...) arrive before
  // this returns, and reach the HandleMessage of the class being constructed
  // at the time: called from a base's constructor, a derived class would
  // never see them. So the final class calls it from its own constructor's
  // body, once its members are whole.
  void Create(DWORD exStyle, const char* title, DWORD style, RECT bounds, HWND parent);
  // Puts this object behind a control just made of a system class.
  void Attach(HWND control);
  // What a message does unless a window says otherwise: the system's default,
  // or a subclassed control's own procedure.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The window no longer reaches this object; a control gets its own procedure back.
  void Detach();

  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;  // a subclassed control's own procedure
};

}  // namespace quimbly::platform::win32
