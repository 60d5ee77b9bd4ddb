// The two ends the exe comes to when the C++ library cannot go on: no memory
// left, or one of its preconditions broken by a bug.
#pragma once

namespace quimbly::app {

[[noreturn]] void OutOfMemory();
[[noreturn]] void InternalError();

}  // namespace quimbly::app
