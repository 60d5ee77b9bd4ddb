#pragma once

#include <cstdint>

#include "platform/toolkit.h"

namespace quimbly::shell {

// Waits while events keep flowing. The start is the clock rounded to a whole
// second (a half to the even neighbour), so the wait lasts from seconds - 0.5
// to seconds + 0.5; it sleeps between events rather than spinning, and a
// wait that crosses midnight ends on time. Any handler may run before it
// returns, the waiting one included (a second click, a tick).
void Pause(platform::Toolkit& toolkit, std::int32_t seconds);

}  // namespace quimbly::shell
