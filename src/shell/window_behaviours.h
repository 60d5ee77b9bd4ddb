// What the borderless windows need beyond their layout: staying on top,
// being dragged by their banner, and gliding off the screen before closing.
#pragma once

#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace quimbly::shell {

// The window joins the topmost group for good (and is activated if it can be).
void StayOnTop(platform::WindowSystem& ws, platform::Form& window);

// Hands the mouse to the window system's move loop, which returns when the
// move ends; timer ticks and paints go on meanwhile, so any handler, this
// one's caller included, may run before it returns.
void DragWindow(platform::WindowSystem& ws, platform::Form& window);

// Moves the window right, 300 twips a turn with events handled between turns,
// until its left edge lies beyond the screen's right edge; at least one move.
// Any handler may run between turns, the caller's own included.
void SlideOut(platform::Toolkit& toolkit, platform::Form& window);

}  // namespace quimbly::shell
