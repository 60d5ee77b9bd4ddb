#include "platform/win32/colours.h"

namespace quimbly::platform::win32 {

COLORREF Resolve(Colour colour) {
  if (IsSchemeColour(colour)) return GetSysColor(SchemeIndex(colour));
  return static_cast<COLORREF>(colour);
}

RECT PixelBounds(const TwipsRect& twips, const DisplayScale& scale) {
  const PixelRect r = scale.Rect(twips);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace quimbly::platform::win32
