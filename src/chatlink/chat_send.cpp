#include "chatlink/chat_send.h"

#include "chatlink/chat_room.h"

namespace quimbly::chatlink {

void ChatSend(platform::WindowSystem& ws, std::string_view text) {
  const platform::WindowHandle room = FindChatRoom(ws);
  // The room's first rich-text box is its view; the second is where the user types.
  const platform::WindowHandle view = ws.FindWindowExA(room, 0, "RICHCNTL");
  const platform::WindowHandle input = ws.FindWindowExA(room, view, "RICHCNTL");
  ws.SendMessageA(input, platform::kWmSetText, 0, text);
  ws.SendMessageA(input, platform::kWmChar, 13, std::intptr_t{0});
}

}  // namespace quimbly::chatlink
