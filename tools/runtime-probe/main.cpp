// Says on the debug channel whether the runtime keeps its promises, one
// "runtime-probe: ok ..." or "runtime-probe: FAIL ..." line each; then asks
// for 16 MiB blocks, each touched so that none is optimised away, until the
// heap has no more and the runtime ends the process with its message. Run
// as "runtime-probe.exe broken-precondition", it asks std::string for a part
// past its end instead, which the library answers with its out-of-range
// failure: the exe's string code and failure path, whatever compiler built
// them, must end the process with the message for a bug.
#include <windows.h>

#include <cmath>
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
void* (*volatile find_byte)(const void*, int, std::size_t) = ::memchr;
double (*volatile round_down)(double) = ::floor;
float (*volatile round_down_float)(float) = ::floorf;
float (*volatile round_float)(float) = ::nearbyintf;
volatile std::size_t past_the_end = 4;

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
  const char bytes[] = "ab\xff" "b";
  Say(find_byte(bytes, 'b', 4) == bytes + 1 && find_byte(bytes, 0xff, 4) == bytes + 2 &&
          find_byte(bytes, 'b' + 256, 4) == bytes + 1 && find_byte(bytes, 'b', 1) == nullptr,
      "memchr finds the first byte of that value (as unsigned char) within its count");
  Say(round_down(2.5) == 2 && round_down(-2.5) == -3 && round_down(-3) == -3 && round_down(-0.25) == -1 &&
          round_down(0.75) == 0 && std::signbit(round_down(-0.0)) && round_down(4503599627370495.5) == 4503599627370495 &&
          round_down(-1e300) == -1e300 && round_down_float(-1.5f) == -2 && round_down_float(1e20f) == 1e20f,
      "floor and floorf round toward minus infinity, at every size");
  Say(round_float(0.5f) == 0 && round_float(1.5f) == 2 && round_float(2.5f) == 2 && round_float(-2.5f) == -2 &&
          round_float(2.75f) == 3 && round_float(0.49999997f) == 0 && round_float(8388607.5f) == 8388608 &&
          std::signbit(round_float(-0.25f)) && round_float(-1e20f) == -1e20f,
      "nearbyintf rounds to the nearest, halves to even, and keeps a zero's sign");
  if (std::string_view(GetCommandLineA()).ends_with(" broken-precondition")) {
    const std::string abc = "abc";
    OutputDebugStringA(("runtime-probe: got " + abc.substr(past_the_end) + "\n").c_str());
  }
  std::vector<std::unique_ptr<char[]>> blocks;
  for (;;) {
    blocks.emplace_back(new char[16 << 20]);
    blocks.back()[0] = 1;
    OutputDebugStringA("runtime-probe: 16 MiB more\n");
  }
}
