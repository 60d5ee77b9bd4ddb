// The C runtime of the exe, on kernel32 alone. Windows 95 as first shipped has
// no msvcrt.dll, and the exe needs only this of a C library: the start-up,
// the heap, and the few memory and string functions the compiler and the C++
// library call. The toolchain's start files and C libraries are left out of
// the link (src/CMakeLists.txt), so a function missing here stops the link
// instead of bringing a DLL back.
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
