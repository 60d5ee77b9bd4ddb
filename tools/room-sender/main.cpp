// room-sender: sends one line to the demo host's first room as Quimbly does
// (WM_SETTEXT to the input box, then WM_CHAR 13), has the room draw itself,
// and says how long all that took: for lines no test or user could type.
//   room-sender.exe FILE   the line is FILE's bytes, up to its first NUL
//     prints "sent N bytes, drawn in T ms"; exit status 1 when there is no room
#include <windows.h>

#include <cstdio>
#include <string>

#include "../room-probe/first_room.h"

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
  // The room's input box is its second "RICHCNTL", after the view.
  HWND room = FirstRoom();
  HWND view = room ? FindWindowExA(room, nullptr, "RICHCNTL", nullptr) : nullptr;
  HWND input = view ? FindWindowExA(room, view, "RICHCNTL", nullptr) : nullptr;
  if (!input) {
    std::fprintf(stderr, "room-sender: no room with an input box\n");
    return 1;
  }
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  SendMessageA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageA(input, WM_CHAR, '\r', 0);
  // Drawn now, in the host's own thread, before this returns.
  RedrawWindow(room, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  QueryPerformanceCounter(&end);
  std::printf("sent %lu bytes, drawn in %.0f ms\n", static_cast<unsigned long>(line.size()),
              1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  return 0;
}
