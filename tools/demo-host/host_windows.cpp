#include "host_windows.h"

#include "document_window.h"
#include "window_classes.h"

namespace quimbly::demohost {
namespace {

constexpr char kFrameClass[] = "AOL Frame25";
constexpr char kFrameTitle[] = "Demo host - chat client stand-in";
constexpr int kFrameX = 300;  // clear of the utility's window at the top left
constexpr int kFrameY = 200;
constexpr int kFrameWidth = 520;
constexpr int kFrameHeight = 360;

constexpr int kMdiClientId = 1;
constexpr UINT kFirstMdiChildId = 50000;

HWND CreateMdiClient(HWND frame) {
  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = nullptr;
  ccs.idFirstChild = kFirstMdiChildId;
  return CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                         WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL, 0, 0, 0, 0, frame,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMdiClientId)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(frame, GWLP_HINSTANCE)), &ccs);
}

bool Frame_Create(HWND frame) { return CreateMdiClient(frame) != nullptr; }

void Frame_Destroy() { PostQuitMessage(0); }

// DefFrameProc needs the MDI client; the frame finds it by its id rather than keeping it.
LRESULT CALLBACK FrameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return Frame_Create(frame) ? 0 : -1;
    case WM_DESTROY:
      Frame_Destroy();
      return 0;
    default:
      break;
  }
  return DefFrameProcA(frame, MdiClientOf(frame), message, wParam, lParam);
}

}  // namespace

bool RegisterHostClasses(HINSTANCE instance) {
  return RegisterPlainClass(instance, kFrameClass, FrameProcedure, COLOR_APPWORKSPACE) &&
         RegisterDocumentClass(instance);
}

HWND CreateFrame(HINSTANCE instance) {
  return CreateWindowExA(0, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFrameX, kFrameY,
                         kFrameWidth, kFrameHeight, nullptr, nullptr, instance, nullptr);
}

HWND MdiClientOf(HWND frame) { return GetDlgItem(frame, kMdiClientId); }

}  // namespace quimbly::demohost
