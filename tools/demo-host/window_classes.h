// Registering the host's window classes, and reaching the system class behind
// a superclass without keeping its procedure anywhere but in the window.
#pragma once

#include <windows.h>

namespace quimbly::demohost {

// A class of the host's own; background is a COLOR_ index.
bool RegisterPlainClass(HINSTANCE instance, const char* name, WNDPROC procedure, int background);

// name: a copy of the system class base whose windows run procedure instead,
// which hands on what it does not handle with CallBaseProcedure.
bool RegisterSuperclass(HINSTANCE instance, const char* base, const char* name, WNDPROC procedure);

// The system class's own answer to a message sent to a window of a superclass of it.
LRESULT CallBaseProcedure(const char* base, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quimbly::demohost
