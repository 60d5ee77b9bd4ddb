#include "chatlink/chat_send.h"

#include "chatlink/chat_room.h"

namespace quimbly::chatlink {

void ChatSend(platform::WindowSystem& ws, std::string_view text) {
  const platform::WindowHandle input = ChatInput(ws, FindChatRoom(ws));
  ws.SendMessageA(input, platform::kWmSetText, 0, text);
  ws.SendMessageA(input, platform::kWmChar, 13, std::intptr_t{0});
}

}  // namespace quimbly::chatlink
