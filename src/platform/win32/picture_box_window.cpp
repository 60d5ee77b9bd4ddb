#include "platform/win32/picture_box_window.h"

#include "platform/rules/box_raster.h"
#include "platform/win32/colours.h"

namespace quimbly::platform::win32 {

// Switching on starts the image from what the box shows without drawing.
void PictureBoxWindow::SetAutoRedraw(bool on) {
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

void PictureBoxWindow::LayOut(const DisplayScale& scale, HFONT font) {
  if (!(scale == scale_)) SetAutoRedraw(false);
  scale_ = scale;
  const RECT r = PixelBounds(layout_.twips, scale);
  SetWindowPos(hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Surface::LayOut(scale, font);
}

void PictureBoxWindow::Box(float x1, float y1, float x2, float y2, Colour colour) {
  if (!IsBannerPen(drawStyle_, drawMode_)) return;
  HDC dc = autoRedraw_ ? imageDc_ : target_;
  if (dc == nullptr) return;
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(colour));
  for (const PixelRect& r : InsideFrameBox(x1, y1, x2, y2, drawWidth_, scale_)) {
    const RECT fill{r.left, r.top, r.right, r.bottom};
    FillRect(dc, &fill, brush);
  }
  DeleteObject(brush);
  if (autoRedraw_ && target_ == nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
}

// A box without persistent drawing is drawn anew and its Paint handler draws
// on the screen, or switches persistent drawing on and draws into the image;
// whatever the image holds is then shown.
void PictureBoxWindow::PaintUnderLabels(HDC dc) {
  if (!autoRedraw_) {
    PaintAnew(dc);
    target_ = dc;
    Events().Raise(Name(), Event::Paint);
    target_ = nullptr;
  }
  if (imageDc_ != nullptr) {
    RECT client;
    GetClientRect(hwnd(), &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, imageDc_, 0, 0, SRCCOPY);
  }
}

}  // namespace quimbly::platform::win32
