// What the exe does on the errors it cannot recover from: running out of
// memory, or a library precondition broken by a bug. It handles no exception
// anywhere, so the library's default (throw, find no handler, terminate)
// would end it all the same; ending it here, with a message that says why,
// keeps the C++ exception machinery, its unwinder and its name demangler out
// of the exe, which would otherwise be two thirds of it. The product is built
// without exceptions.
//
// Replacing the global allocation functions is the language's own hook. The
// std::__throw_* functions are the GNU library's hooks for code built without
// exceptions; the set below is the whole of its functexcept.o, so if the
// library ever needed one we do not define, the linker would pull that object
// in and stop on the duplicates rather than quietly bring the machinery back.
#include "app/fatal_errors.h"

#include <cstddef>
#include <cstdlib>
#include <new>

#include "platform/win32/fatal.h"

namespace quimbly::app {

void OutOfMemory() { platform::win32::Fatal("Windows has no memory left for it."); }
void InternalError() { platform::win32::Fatal("it met an error of its own (a bug)."); }

}  // namespace quimbly::app

namespace {

using quimbly::app::InternalError;
using quimbly::app::OutOfMemory;

void* Allocate(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block == nullptr) OutOfMemory();
  return block;
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

namespace std {
// NOLINTBEGIN(bugprone-reserved-identifier,cert-dcl58-cpp): the library's own hook names
void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
void __throw_bad_cast() { InternalError(); }
void __throw_bad_exception() { InternalError(); }
void __throw_bad_typeid() { InternalError(); }
void __throw_domain_error(const char*) { InternalError(); }
void __throw_invalid_argument(const char*) { InternalError(); }
void __throw_length_error(const char*) { InternalError(); }
void __throw_logic_error(const char*) { InternalError(); }
void __throw_out_of_range(const char*) { InternalError(); }
void __throw_out_of_range_fmt(const char*, ...) { InternalError(); }
void __throw_overflow_error(const char*) { InternalError(); }
void __throw_range_error(const char*) { InternalError(); }
void __throw_runtime_error(const char*) { InternalError(); }
void __throw_underflow_error(const char*) { InternalError(); }
// NOLINTEND(bugprone-reserved-identifier,cert-dcl58-cpp)
}  // namespace std
