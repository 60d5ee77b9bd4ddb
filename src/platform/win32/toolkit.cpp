#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/fatal.h"
#include "platform/win32/form_window.h"
#include "platform/win32/newer_functions.h"
#include "platform/win32/resource_ids.h"
#include "platform/win32/window.h"

namespace quimbly::platform::win32 {
namespace {

// Never shown: owning the forms keeps them off the taskbar.
class HiddenOwner final : public Window {
 public:
  HiddenOwner() { Create(0, "", WS_POPUP, RECT{0, 0, 0, 0}, nullptr); }
};

// The form a control lies in: up through the parents while the window is a
// child (a form's own parent is its owner, which is not its container).
HWND FormOf(HWND window) {
  while (window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0) window = GetParent(window);
  return window;
}

// Tab moves the focus within our forms rather than reaching the control.
bool TakeTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  const HWND form = FormOf(message.hwnd);
  const bool backwards = GetKeyState(VK_SHIFT) < 0;
  return form != nullptr && SendMessageA(form, kTabMessage, backwards ? 1 : 0, 0) != 0;
}

void Dispatch(MSG& message) {
  if (TakeTab(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

HICON LoadIconSized(int size) {
  return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(QUIMBLY_ICON), IMAGE_ICON,
                                       size, size, LR_DEFAULTCOLOR));
}

// Windows asks programs to end the session from the highest shutdown level
// down; asking to be told before ordinary programs (0x280), the host client
// among them, lets the unload lines still reach its room. Looked up, as
// Windows 95, 98 and ME lack the function.
void AskToHearOfSessionEndFirst() {
  using SetLevel = BOOL(WINAPI*)(DWORD level, DWORD flags);
  constexpr DWORD kFirstLevel = 0x300;  // the applications' "shut down first" range
  if (const auto set = LookUp<SetLevel>("kernel32.dll", "SetProcessShutdownParameters")) set(kFirstLevel, 0);
}

class Win32Toolkit final : public Toolkit {
 public:
  Win32Toolkit()
      : resources_{.owner = owner_.hwnd(),
                   .pictures = pictures_,
                   .bigIcon = LoadIconSized(GetSystemMetrics(SM_CXICON)),
                   .smallIcon = LoadIconSized(GetSystemMetrics(SM_CXSMICON))} {
    AskToHearOfSessionEndFirst();
  }

  ~Win32Toolkit() override {
    if (resources_.bigIcon != nullptr) DestroyIcon(resources_.bigIcon);
    if (resources_.smallIcon != nullptr) DestroyIcon(resources_.smallIcon);
  }

  std::unique_ptr<Form> LoadForm(const FormLayout& layout, FormEvents& events) override {
    const std::vector<EventBinding> bindings = events.Bindings();
    if (const std::string fault = BindingFault(layout, bindings); !fault.empty()) Fatal(fault);
    return std::make_unique<FormWindow>(layout, events, resources_);
  }

  void DoEvents() override {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      Dispatch(message);
    }
  }

  // Wakes for what arrived since the queue was last looked at; the program
  // always empties it (DoEvents) before it waits, so nothing is left unseen.
  void WaitForEvents(double seconds) override {
    const DWORD ms = seconds <= 0 ? 0 : static_cast<DWORD>(seconds * 1000.0 + 0.999);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
  }

  float Clock() const override {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return static_cast<float>(t.wHour * 3600 + t.wMinute * 60 + t.wSecond) + static_cast<float>(t.wMilliseconds) / 1000.0f;
  }

  // Whoever in another program waits on a message to one of our windows has
  // its answer before the process goes: Windows ending the session waits on
  // each window's, and Wine's session end stalls for good on one left open.
  [[noreturn]] void End() override {
    ReplyMessage(0);
    MSG incoming;
    PeekMessageA(&incoming, nullptr, 0, 0, PM_NOREMOVE);  // answers the messages sent meanwhile
    ExitProcess(0);
  }

 private:
  HiddenOwner owner_;
  PictureCache pictures_;
  FormResources resources_;
};

}  // namespace

std::unique_ptr<Toolkit> MakeToolkit() { return std::make_unique<Win32Toolkit>(); }

int RunEventLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
  return static_cast<int>(message.wParam);
}

}  // namespace quimbly::platform::win32
