// Functions of Windows newer than the oldest Windows the exe runs on: looked
// up at run time, never imported, so the exe still loads where they are
// missing and the caller falls back.
#pragma once

#include <windows.h>

namespace quimbly::platform::win32 {

// The function of that name in a DLL the process has loaded, or null.
template <typename Function>
Function LookUp(const char* dll, const char* name) {
  const HMODULE module = GetModuleHandleA(dll);
  const FARPROC found = module == nullptr ? nullptr : GetProcAddress(module, name);
  return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}

}  // namespace quimbly::platform::win32
