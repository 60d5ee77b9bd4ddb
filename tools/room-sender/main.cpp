// room-sender: sends one line to the demo host's room through Quimbly's own
// sender (the room it finds; WM_SETTEXT to the input box, then WM_CHAR 13),
// has the room draw itself, and says how long all that took: for lines no
// test or user could type.
//   room-sender.exe FILE   the line is FILE's text, UTF-8 up to its first
//     NUL, which reaches the room in the system's code page as Quimbly's do
//     prints "sent N bytes, drawn in T ms"; exit status 1 when there is no
//     room with an input box
#include <windows.h>

#include <cstdio>
#include <string>

#include "chatlink/chat_room.h"
#include "chatlink/chat_send.h"
#include "platform/win32/backend.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: room-sender FILE\n");
    return 2;
  }
  std::string line;
  if (std::FILE* file = std::fopen(argv[1], "rb")) {
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) line.append(buffer, n);
    std::fclose(file);
  }
  line.resize(line.find('\0') == std::string::npos ? line.size() : line.find('\0'));
  const auto windows = quimbly::platform::win32::MakeWindowSystem();
  const quimbly::platform::WindowHandle room = quimbly::chatlink::FindChatRoom(*windows);
  if (!quimbly::chatlink::ChatInput(*windows, room)) {
    std::fprintf(stderr, "room-sender: no room with an input box\n");
    return 1;
  }
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  quimbly::chatlink::ChatSend(*windows, line);
  // Drawn now, in the host's own thread, before this returns.
  RedrawWindow(reinterpret_cast<HWND>(room), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&end);
  std::printf("sent %lu bytes, drawn in %.0f ms\n", static_cast<unsigned long>(line.size()),
              1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  return 0;
}
