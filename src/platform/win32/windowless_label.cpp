#include "platform/win32/windowless_label.h"

#include "platform/win32/colours.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

WindowlessLabel::WindowlessLabel(const ControlLayout& layout, HWND container)
    : layout_(layout), container_(container), caption_(layout.text) {}

std::string WindowlessLabel::Caption() const { return caption_; }

void WindowlessLabel::SetCaption(std::string_view caption) {
  caption_ = caption;
  InvalidateRect(container_, &bounds_, TRUE);
}

void WindowlessLabel::LayOut(const DisplayScale& scale) { bounds_ = PixelBounds(layout_.twips, scale); }

bool WindowlessLabel::Contains(POINT point) const { return PtInRect(&bounds_, point) != FALSE; }

void WindowlessLabel::Paint(HDC dc, HFONT font) const {
  if (caption_.empty()) return;
  const int saved = SaveDC(dc);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Resolve(layout_.fore));
  SelectObject(dc, font);
  RECT box = bounds_;
  const std::string text = ToCodePage(caption_);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  RestoreDC(dc, saved);
}

}  // namespace quimbly::platform::win32
