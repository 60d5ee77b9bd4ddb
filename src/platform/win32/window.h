// Base of every window this backend creates: the static window procedure
// finds its object through the creation parameters and hands each message on.
// Every window is an ANSI window, as the host client's are.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

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
  void Create(DWORD exStyle, const char* title, DWORD style, RECT bounds, HWND parent);
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace quimbly::platform::win32
