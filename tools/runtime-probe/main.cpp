// Says on the debug channel whether the runtime keeps its promises, one
// "runtime-probe: ok ..." or "runtime-probe: FAIL ..." line each; then asks
// for 16 MiB blocks, each touched so that none is optimised away, until the
// heap has no more and the runtime ends the process with its message.
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Say(bool ok, std::string_view what) {
  const std::string line = std::string("runtime-probe: ") + (ok ? "ok " : "FAIL ") + std::string(what) + "\n";
  OutputDebugStringA(line.c_str());
}

// Built before WinMain, or the runtime skipped the constructors.
struct Constructed {
  Constructed() : value(42) {}
  int value;
};
Constructed constructed;

// Through a volatile pointer, so the compiler calls the runtime's functions
// rather than working the answers out itself.
void* (*volatile move_memory)(void*, const void*, std::size_t) = std::memmove;
int (*volatile compare_memory)(const void*, const void*, std::size_t) = std::memcmp;
std::size_t (*volatile length_of)(const char*) = std::strlen;

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Say(constructed.value == 42, "static constructors ran before WinMain");
  char text[] = "abcdefgh";
  move_memory(text + 2, text, 5);
  Say(std::string_view(text) == "ababcdeh", "memmove onto a later, overlapping place");
  move_memory(text, text + 3, 5);
  Say(std::string_view(text) == "bcdehdeh", "memmove onto an earlier, overlapping place");
  Say(compare_memory("abc", "abd", 3) < 0 && compare_memory("abd", "abc", 3) > 0 &&
          compare_memory("ab\xff", "ab\x01", 3) > 0 && compare_memory("abc", "abd", 2) == 0,
      "memcmp orders bytes as unsigned and stops at its count");
  Say(length_of("") == 0 && length_of("quimbly") == 7, "strlen");
  std::vector<std::unique_ptr<char[]>> blocks;
  for (;;) {
    blocks.emplace_back(new char[16 << 20]);
    blocks.back()[0] = 1;
    OutputDebugStringA("runtime-probe: 16 MiB more\n");
  }
}
