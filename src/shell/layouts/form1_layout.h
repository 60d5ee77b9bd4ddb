#pragma once

#include "platform/layout.h"

namespace quimbly::shell {

// The main window: banner strip, image panel with its hotspots and bottom row,
// and the off-screen label that holds the handle.
const platform::FormLayout& Form1Layout();

}  // namespace quimbly::shell
