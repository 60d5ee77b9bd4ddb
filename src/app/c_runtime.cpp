// The C runtime of the exe, on kernel32 alone. Windows 95 as first shipped has
// no msvcrt.dll, and the exe needs only this of a C library: the start-up,
// the heap, the few memory and string functions the compiler and the C++
// library call, and the rounding the layouts use. The toolchain's start files
// and C libraries are left out of the link (src/CMakeLists.txt), so a
// function missing here stops the link instead of bringing a DLL back.
#include <windows.h>

#include <cstddef>

#include "app/fatal_errors.h"

extern "C" {

// The constructors of static objects, which the linker lists between a -1 and
// a 0. A static with a destructor would need atexit, which is not here: none
// has one, and the link says so if one comes.
extern void (*__CTOR_LIST__[])();

void* malloc(std::size_t size) {
  // Windows' heap gives blocks aligned for any type (8 bytes on x86, 16 on x64).
  return HeapAlloc(GetProcessHeap(), 0, size);
}

void free(void* block) {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

[[noreturn]] void abort() { quimbly::app::InternalError(); }

// Loops of the plainest kind: this file is built so that the compiler cannot
// turn them back into calls of themselves (src/CMakeLists.txt).
int memcmp(const void* a, const void* b, std::size_t size) {
  const auto* x = static_cast<const unsigned char*>(a);
  const auto* y = static_cast<const unsigned char*>(b);
  for (std::size_t i = 0; i < size; ++i) {
    if (x[i] != y[i]) return x[i] < y[i] ? -1 : 1;
  }
  return 0;
}

void* memmove(void* to, const void* from, std::size_t size) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  if (d < s) {
    for (std::size_t i = 0; i < size; ++i) d[i] = s[i];
  } else {
    for (std::size_t i = size; i > 0; --i) d[i - 1] = s[i - 1];
  }
  return to;
}

std::size_t strlen(const char* text) { return static_cast<std::size_t>(lstrlenA(text)); }

void* memchr(const void* block, int value, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(block);
  for (std::size_t i = 0; i < size; ++i) {
    if (bytes[i] == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(bytes + i);
  }
  return nullptr;
}

// The rounding the layouts and the banner use. Newer mingw-w64 keeps these in
// its C runtime DLLs' libraries rather than in libmingwex, so the exe carries
// its own. From 2^52 (2^23 for a float) on, every number is whole; NaN and
// the infinities come back as they are.
double floor(double x) {
  constexpr double kAllWhole = 4503599627370496.0;
  if (!(x > -kAllWhole && x < kAllWhole) || x == 0) return x;
  const auto toward_zero = static_cast<double>(static_cast<long long>(x));
  return toward_zero > x ? toward_zero - 1 : toward_zero;
}

float floorf(float x) { return static_cast<float>(floor(x)); }

// To the nearest whole number, halves to the even one, as the processor rounds
// by default: adding 2^23 leaves no bits below the units, and the store to a
// float drops them the processor's way, even where it computes wider.
float nearbyintf(float x) {
  constexpr float kAllWhole = 8388608.0f;
  if (!(x > -kAllWhole && x < kAllWhole)) return x;
  volatile float shifted = x < 0 ? x - kAllWhole : x + kAllWhole;
  const float whole = x < 0 ? shifted + kAllWhole : shifted - kAllWhole;
  return whole == 0 ? x * 0 : whole;  // keeps the sign of a zero
}

// Where Windows starts the process.
[[noreturn]] void WinMainCRTStartup() {
#if defined(__i386__)
  // The x87 unit as the toolchain's own start-up leaves it: every exception
  // masked, 64-bit precision, so the arithmetic is the toolchain's usual.
  asm volatile("fninit");
#endif
  std::size_t count = 0;
  while (__CTOR_LIST__[count + 1] != nullptr) ++count;
  for (std::size_t i = count; i > 0; --i) __CTOR_LIST__[i]();  // last first, as the toolchain runs them
  // Quimbly reads no command line and shows its windows as their layouts say.
  const int code = WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWDEFAULT);
  ExitProcess(static_cast<UINT>(code));
}

}  // extern "C"
