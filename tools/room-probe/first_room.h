// The demo host's first chat room, found as Quimbly finds one: the first
// "AOL Child" of the frame's MDI client that has a people list. Shared by
// the probes that read the room and send to it.
#pragma once

#include <windows.h>

inline HWND FirstRoom() {
  HWND frame = FindWindowA("AOL Frame25", nullptr);
  HWND mdi = frame ? FindWindowExA(frame, nullptr, "MDIClient", nullptr) : nullptr;
  for (HWND doc = mdi ? FindWindowExA(mdi, nullptr, "AOL Child", nullptr) : nullptr; doc;
       doc = FindWindowExA(mdi, doc, "AOL Child", nullptr)) {
    if (FindWindowExA(doc, nullptr, "_AOL_Listbox", nullptr)) return doc;
  }
  return nullptr;
}
