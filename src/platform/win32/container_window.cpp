#include "platform/win32/container_window.h"

#include <windowsx.h>

#include <string>

#include "platform/box_raster.h"

namespace quimbly::platform::win32 {

ContainerWindow::ContainerWindow(std::string_view name, const ContainerStyle& style, FormEvents& events)
    : name_(name), events_(events), background_(CreateSolidBrush(style.background)), picture_(style.picture) {
  Create(style.exStyle, std::string(style.title).c_str(), style.style | WS_CLIPCHILDREN, style.bounds,
         style.parent);
}

ContainerWindow::~ContainerWindow() { SetAutoRedraw(false); }

// Switching on starts the image from what the box shows without drawing.
void ContainerWindow::SetAutoRedraw(bool on) {
  if (on == autoRedraw_) return;
  autoRedraw_ = on;
  if (on) {
    RECT client;
    GetClientRect(hwnd(), &client);
    HDC screen = GetDC(hwnd());
    imageDc_ = CreateCompatibleDC(screen);
    image_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(hwnd(), screen);
    imageOld_ = SelectObject(imageDc_, image_);
    PaintBackground(imageDc_);
  } else if (imageDc_ != nullptr) {
    SelectObject(imageDc_, imageOld_);
    DeleteObject(image_);
    DeleteDC(imageDc_);
    imageDc_ = nullptr;
    image_ = nullptr;
  }
}

float ContainerWindow::Width() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  return static_cast<float>((r.right - r.left) * kTwipsPerPixel);
}

float ContainerWindow::Height() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  return static_cast<float>((r.bottom - r.top) * kTwipsPerPixel);
}

// Only the pen the banners use is drawn: solid, inside the frame, copying.
void ContainerWindow::Box(float x1, float y1, float x2, float y2, Colour colour) {
  constexpr int kInsideSolid = 6;
  constexpr int kCopyPen = 13;
  if (drawStyle_ != kInsideSolid || drawMode_ != kCopyPen) return;
  HDC dc = autoRedraw_ ? imageDc_ : target_;
  if (dc == nullptr) return;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  for (const PixelRect& r : InsideFrameBox(x1, y1, x2, y2, drawWidth_)) {
    const RECT fill{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &fill, brush);
  }
  DeleteObject(brush);
  if (autoRedraw_ && target_ == nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
}

WindowlessLabel& ContainerWindow::AddLabel(const ControlLayout& layout) {
  labels_.push_back(std::make_unique<WindowlessLabel>(layout, hwnd()));
  return *labels_.back();
}

LRESULT ContainerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background, so nothing flickers
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Press(message, point);
      return 0;
    case WM_LBUTTONUP:
      Release(point);
      return 0;
    case WM_CAPTURECHANGED:
      pressedLabel_ = nullptr;
      pressedSelf_ = false;
      return 0;
    case WM_TIMER:
      if (onTimer_) onTimer_(wParam);
      return 0;
    case kTabMessage:
      if (!onTab_) return 0;
      onTab_(wParam != 0);
      return 1;
    case WM_ENDSESSION:
      // Windows is ending the session (log off, shut down): the program goes
      // as by any other way out, before Windows ends the process.
      if (wParam != FALSE) events_.SessionEnding();
      return 0;
    case WM_CLOSE:
      // Closing goes through the program's own handlers, never straight to destruction.
      events_.CloseRequested();
      return 0;
    case WM_NCDESTROY:
      DeleteObject(background_);
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

// A box with persistent drawing shows its image; one without is cleared and
// drawn by its Paint handler, whose drawing may itself switch to an image.
void ContainerWindow::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd(), &ps);
  if (!autoRedraw_) {
    PaintBackground(dc);
    target_ = dc;
    // For a debugger, and for tests that check how often a box is drawn anew.
    OutputDebugStringA(("Paint " + std::string(name_) + "\n").c_str());
    events_.Paint(name_);
    target_ = nullptr;
  }
  if (autoRedraw_) {
    RECT client;
    GetClientRect(hwnd(), &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, imageDc_, 0, 0, SRCCOPY);
  }
  for (const auto& label : labels_) label->Paint(dc);
  EndPaint(hwnd(), &ps);
}

void ContainerWindow::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, background_);
  if (picture_ != nullptr) {
    BITMAP info;
    GetObjectA(picture_, sizeof(info), &info);
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, picture_);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
}

// The label created last lies on top, as it is drawn last.
WindowlessLabel* ContainerWindow::LabelAt(POINT point) {
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    if ((*it)->Contains(point)) return it->get();
  }
  return nullptr;
}

void ContainerWindow::Press(UINT message, POINT point) {
  // A picture box takes the focus when pressed, as a text box does.
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  if ((style & WS_CHILD) != 0 && (style & WS_TABSTOP) != 0) SetFocus(hwnd());
  if (WindowlessLabel* label = LabelAt(point)) {
    if (message != WM_LBUTTONDOWN) return;
    pressedLabel_ = label;
    SetCapture(hwnd());
    return;
  }
  if (message == WM_LBUTTONDOWN) {
    pressedSelf_ = true;
    SetCapture(hwnd());
  }
  // The handler may start a window move that takes the capture; the click
  // then never completes, as with a title bar.
  events_.MouseDown(name_);
}

// A click is a press and a release over the same thing.
void ContainerWindow::Release(POINT point) {
  WindowlessLabel* label = pressedLabel_;
  const bool self = pressedSelf_;
  if (GetCapture() == hwnd()) ReleaseCapture();
  pressedLabel_ = nullptr;
  pressedSelf_ = false;
  if (label != nullptr && LabelAt(point) == label) {
    events_.Click(label->Name());
  } else if (self && LabelAt(point) == nullptr) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (PtInRect(&client, point)) events_.Click(name_);
  }
}

}  // namespace quimbly::platform::win32
