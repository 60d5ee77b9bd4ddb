#include "platform/win32/windowless_label.h"

#include "platform/win32/colours.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

WindowlessLabel::WindowlessLabel(const ControlLayout& layout, HWND container)
    : layout_(layout), container_(container), bounds_(PixelBounds(layout.twips)), caption_(Widen(layout.text)) {}

std::string WindowlessLabel::Caption() const { return Narrow(caption_); }

void WindowlessLabel::SetCaption(std::string_view caption) {
  caption_ = Widen(caption);
  InvalidateRect(container_, &bounds_, TRUE);
}

bool WindowlessLabel::Contains(POINT point) const { return PtInRect(&bounds_, point) != FALSE; }

void WindowlessLabel::Paint(HDC dc) const {
  if (caption_.empty()) return;
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Resolve(layout_.fore));
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT box = bounds_;
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  RestoreDC(dc, saved);
}

}  // namespace quimbly::platform::win32
