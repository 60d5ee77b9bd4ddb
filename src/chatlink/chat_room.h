#pragma once

#include "platform/window_system.h"

namespace quimbly::chatlink {

// The host client's open chat-room window, or 0. Looked up afresh on every
// call: the user opens and closes rooms while the utility runs.
platform::WindowHandle FindChatRoom(platform::WindowSystem& ws);

}  // namespace quimbly::chatlink
