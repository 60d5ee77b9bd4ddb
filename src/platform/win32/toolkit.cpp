#include <windows.h>

#include "platform/win32/backend.h"
#include "platform/win32/form_window.h"
#include "platform/win32/window.h"

namespace quimbly::platform::win32 {
namespace {

// Never shown: owning the forms keeps them off the taskbar.
class HiddenOwner final : public Window {
 public:
  HiddenOwner() { Create(0, L"Quimbly", WS_POPUP, RECT{0, 0, 0, 0}, nullptr); }
};

class Win32Toolkit final : public Toolkit {
 public:
  std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) override {
    return std::make_unique<FormWindow>(layout, events, owner_.hwnd());
  }

 private:
  HiddenOwner owner_;
};

}  // namespace

std::unique_ptr<Toolkit> MakeToolkit() { return std::make_unique<Win32Toolkit>(); }

int RunEventLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quimbly::platform::win32
