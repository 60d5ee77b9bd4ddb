#include <windows.h>

#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

// Long enough for any live host client to take a line; short enough that a
// hung one costs the user a second or two, not the utility.
constexpr UINT kSendTimeoutMs = 1000;

HWND ToHwnd(WindowHandle w) { return reinterpret_cast<HWND>(w); }
WindowHandle FromHwnd(HWND w) { return reinterpret_cast<WindowHandle>(w); }

class Win32WindowSystem final : public WindowSystem {
 public:
  WindowHandle FindWindowA(std::string_view className) override {
    return FromHwnd(::FindWindowA(std::string(className).c_str(), nullptr));
  }

  WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                             std::string_view className) override {
    return FromHwnd(::FindWindowExA(ToHwnd(parent), ToHwnd(childAfter), std::string(className).c_str(), nullptr));
  }

  void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::string_view text) override {
    const std::string bytes = ToCodePage(text);
    Send(window, message, wParam, reinterpret_cast<LPARAM>(bytes.c_str()));
  }

  void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam) override {
    Send(window, message, wParam, lParam);
  }

  void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override {
    ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, cx, cy, flags);
  }

  void ReleaseCapture() override { ::ReleaseCapture(); }

 private:
  // The answer is not looked at: the host client reports nothing back.
  static void Send(WindowHandle window, unsigned message, std::uintptr_t wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(ToHwnd(window), message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &ignored);
  }
};

}  // namespace

std::unique_ptr<WindowSystem> MakeWindowSystem() { return std::make_unique<Win32WindowSystem>(); }

}  // namespace quimbly::platform::win32
