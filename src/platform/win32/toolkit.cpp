#include <windows.h>

#include "platform/win32/backend.h"
#include "platform/win32/container_window.h"
#include "platform/win32/form_window.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/window.h"

namespace quimbly::platform::win32 {
namespace {

// Never shown: owning the forms keeps them off the taskbar.
class HiddenOwner final : public Window {
 public:
  HiddenOwner() { Create(0, L"", WS_POPUP, RECT{0, 0, 0, 0}, nullptr); }
};

// Tab moves the focus within our forms rather than reaching the control.
bool TakeTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  const HWND form = GetAncestor(message.hwnd, GA_ROOT);
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  return form != nullptr && SendMessageW(form, kTabMessage, backwards ? 1 : 0, 0) != 0;
}

void Dispatch(MSG& message) {
  if (TakeTab(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

HICON LoadIconSized(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(QUIMBLY_ICON), IMAGE_ICON,
                                       size, size, LR_DEFAULTCOLOR));
}

class Win32Toolkit final : public Toolkit {
 public:
  Win32Toolkit()
      : resources_{.owner = owner_.hwnd(),
                   .panel = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                            MAKEINTRESOURCEW(QUIMBLY_PANEL_BITMAP), IMAGE_BITMAP,
                                                            0, 0, LR_CREATEDIBSECTION)),
                   .bigIcon = LoadIconSized(GetSystemMetrics(SM_CXICON)),
                   .smallIcon = LoadIconSized(GetSystemMetrics(SM_CXSMICON))} {}

  ~Win32Toolkit() override {
    if (resources_.panel != nullptr) DeleteObject(resources_.panel);
    if (resources_.bigIcon != nullptr) DestroyIcon(resources_.bigIcon);
    if (resources_.smallIcon != nullptr) DestroyIcon(resources_.smallIcon);
  }

  std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) override {
    return std::make_unique<FormWindow>(layout, events, resources_);
  }

  void DoEvents() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      Dispatch(message);
    }
  }

  void WaitForEvents(double seconds) override {
    const DWORD ms = seconds <= 0 ? 0 : static_cast<DWORD>(seconds * 1000.0 + 0.999);
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }

  float Clock() const override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return static_cast<float>(t.wHour * 3600 + t.wMinute * 60 + t.wSecond) + static_cast<float>(t.wMilliseconds) / 1000.0f;
  }

  float ScreenWidth() const override { return static_cast<float>(GetSystemMetrics(SM_CXSCREEN) * kTwipsPerPixel); }

  [[noreturn]] void End() override { ExitProcess(0); }

 private:
  HiddenOwner owner_;
  FormResources resources_;
};

}  // namespace

std::unique_ptr<Toolkit> MakeToolkit() { return std::make_unique<Win32Toolkit>(); }

int RunEventLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace quimbly::platform::win32
