#include "chatlink/chat_room.h"

namespace quimbly::chatlink {
namespace {

using platform::WindowHandle;

// A chat room is the document window that holds all four of these children.
// Every look-up is made, whatever the earlier ones found.
bool LooksLikeChatRoom(platform::WindowSystem& ws, WindowHandle child) {
  const WindowHandle rich = ws.FindWindowExA(child, 0, "RICHCNTL");
  const WindowHandle list = ws.FindWindowExA(child, 0, "_AOL_Listbox");
  const WindowHandle icon = ws.FindWindowExA(child, 0, "_AOL_Icon");
  const WindowHandle label = ws.FindWindowExA(child, 0, "_AOL_Static");
  return rich != 0 && list != 0 && icon != 0 && label != 0;
}

}  // namespace

WindowHandle FindChatRoom(platform::WindowSystem& ws) {
  // A missing frame or client area gives 0, which is passed on as it is: the
  // loop below then ends at once on a 0 child.
  const WindowHandle frame = ws.FindWindowA("AOL Frame25");
  const WindowHandle mdi = ws.FindWindowExA(frame, 0, "MDIClient");
  WindowHandle child = ws.FindWindowExA(mdi, 0, "AOL Child");
  if (LooksLikeChatRoom(ws, child)) return child;
  for (;;) {
    child = ws.FindWindowExA(mdi, child, "AOL Child");
    if (LooksLikeChatRoom(ws, child)) return child;
    if (child == 0) return 0;
  }
}

WindowHandle ChatView(platform::WindowSystem& ws, WindowHandle room) { return ws.FindWindowExA(room, 0, "RICHCNTL"); }

WindowHandle ChatInput(platform::WindowSystem& ws, WindowHandle room) {
  return ws.FindWindowExA(room, ChatView(ws, room), "RICHCNTL");
}

}  // namespace quimbly::chatlink
