#pragma once

#include <windows.h>

#include "platform/layout.h"

namespace quimbly::platform::win32 {

// A stored colour as GDI takes it; scheme colours come from the system's scheme.
COLORREF Resolve(Colour colour);

// Twips to pixels, for a control's rectangle inside its container.
RECT PixelBounds(const TwipsRect& twips);

}  // namespace quimbly::platform::win32
