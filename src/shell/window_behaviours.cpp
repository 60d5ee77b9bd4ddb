#include "shell/window_behaviours.h"

#include <cmath>

namespace quimbly::shell {
namespace {

constexpr std::uintptr_t kMoveWithMouse = 0xF012;  // SC_MOVE with the caption hit-test code
constexpr float kSlideStepTwips = 300;

}  // namespace

void StayOnTop(platform::WindowSystem& ws, platform::Form& window) {
  ws.SetWindowPos(window.hWnd(), platform::kHwndTopmost, 0, 0, 0, 0, platform::kSwpNoMove | platform::kSwpNoSize);
}

void DragWindow(platform::WindowSystem& ws, platform::Form& window) {
  ws.ReleaseCapture();
  ws.SendMessageA(window.hWnd(), platform::kWmSysCommand, kMoveWithMouse, std::intptr_t{0});
}

void SlideOut(platform::Toolkit& toolkit, platform::Form& window) {
  do {
    toolkit.DoEvents();
    window.SetLeft(std::floor(window.Left()) + kSlideStepTwips);
    // The position read back is what counts: the system may snap it to pixels.
  } while (!(window.Left() > window.ScreenWidth()));
}

}  // namespace quimbly::shell
