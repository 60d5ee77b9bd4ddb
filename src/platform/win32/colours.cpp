#include "platform/win32/colours.h"

namespace quimbly::platform::win32 {

COLORREF Resolve(Colour colour) {
  if (IsSchemeColour(colour)) return GetSysColor(SchemeIndex(colour));
  return static_cast<COLORREF>(colour);
}

RECT PixelBounds(const TwipsRect& twips) {
  const int left = TwipsToPixels(twips.left);
  const int top = TwipsToPixels(twips.top);
  return {left, top, left + TwipsToPixels(twips.width), top + TwipsToPixels(twips.height)};
}

}  // namespace quimbly::platform::win32
