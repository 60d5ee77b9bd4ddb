#pragma once

#include "platform/window_system.h"

namespace quimbly::chatlink {

// The host client's open chat-room window, or 0. Looked up afresh on every
// call: the user opens and closes rooms while the utility runs.
platform::WindowHandle FindChatRoom(platform::WindowSystem& ws);

// A room's first rich-text box is its view; the second is where the user
// types. Either is 0 when the room (or the box) is missing.
platform::WindowHandle ChatView(platform::WindowSystem& ws, platform::WindowHandle room);
platform::WindowHandle ChatInput(platform::WindowSystem& ws, platform::WindowHandle room);

}  // namespace quimbly::chatlink
