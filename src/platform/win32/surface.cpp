#include "platform/win32/surface.h"

#include <windowsx.h>

#include <string>

namespace quimbly::platform::win32 {

Surface::Surface(std::string_view name, const SurfaceStyle& style, FormEvents& events, PictureCache& pictures)
    : name_(name),
      events_(events),
      background_(CreateSolidBrush(style.background)),
      pictures_(pictures),
      pictureKind_(style.picture) {}

void Surface::CreateSurface(const SurfaceStyle& style) {
  Create(0, std::string(style.title).c_str(), style.style | WS_CLIPCHILDREN, style.bounds, style.parent);
}

WindowlessLabel& Surface::AddLabel(const ControlLayout& layout) {
  labels_.push_back(std::make_unique<WindowlessLabel>(layout, hwnd()));
  return *labels_.back();
}

void Surface::LayOut(const DisplayScale& scale, HFONT font) {
  font_ = font;
  picture_ = pictures_.At(pictureKind_, scale);
  for (const auto& label : labels_) label->LayOut(scale);
  InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT Surface::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the background, so nothing flickers
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      PaintUnderLabels(dc);
      for (const auto& label : labels_) label->Paint(dc, font_);
      EndPaint(hwnd(), &ps);
      return 0;
    }
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
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void Surface::PaintAnew(HDC dc) {
  PaintBackground(dc);
  OutputDebugStringA(("Paint " + std::string(name_) + "\n").c_str());
}

void Surface::PaintBackground(HDC dc) {
  RECT client;
  GetClientRect(hwnd(), &client);
  FillRect(dc, &client, background_.get());
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
WindowlessLabel* Surface::LabelAt(POINT point) {
  for (auto it = labels_.rbegin(); it != labels_.rend(); ++it) {
    if ((*it)->Contains(point)) return it->get();
  }
  return nullptr;
}

void Surface::Press(UINT message, POINT point) {
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
  events_.Raise(name_, Event::MouseDown);
}

// A click is a press and a release over the same thing.
void Surface::Release(POINT point) {
  WindowlessLabel* label = pressedLabel_;
  const bool self = pressedSelf_;
  if (GetCapture() == hwnd()) ReleaseCapture();
  pressedLabel_ = nullptr;
  pressedSelf_ = false;
  if (label != nullptr && LabelAt(point) == label) {
    events_.Raise(label->Name(), Event::Click);
  } else if (self && LabelAt(point) == nullptr) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (PtInRect(&client, point)) events_.Raise(name_, Event::Click);
  }
}

}  // namespace quimbly::platform::win32
