#pragma once

#include <string_view>

#include "platform/window_system.h"

namespace quimbly::chatlink {

// Types one line into the chat room's input box and submits it, as the user
// would. Nothing is reported: without a room the line is silently lost.
void ChatSend(platform::WindowSystem& ws, std::string_view text);

}  // namespace quimbly::chatlink
