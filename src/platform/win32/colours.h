#pragma once

#include <windows.h>

#include "platform/rules/display_scale.h"
#include "platform/layout.h"

namespace quimbly::platform::win32 {

// A stored colour as GDI takes it; scheme colours come from the system's scheme.
COLORREF Resolve(Colour colour);

// A control's rectangle inside its container, in pixels at the scale.
RECT PixelBounds(const TwipsRect& twips, const DisplayScale& scale);

}  // namespace quimbly::platform::win32
