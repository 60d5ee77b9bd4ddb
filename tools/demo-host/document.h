// One MDI document of the host, and the kinds there are.
#pragma once

#include <windows.h>

#include <string>

#include "terminal_echo.h"

namespace quimbly::demohost {

// The kinds of document window the host can show; each one exercises a
// different way the utility could pick (or miss) the right input box.
enum class DocKind { Room, Doc, RoomNoInput, RoomHung };

const char* KindName(DocKind kind);
bool KindFromName(const std::wstring& name, DocKind& kind);

// State of one MDI document. Owned by main, outlives its windows.
struct Document {
  DocKind kind = DocKind::Room;
  int position = 0;          // 1-based place in the MDI child order
  std::wstring transcript;   // file that receives posted lines; empty: none
  unsigned hangSeconds = 0;  // room-hung only

  HWND window = nullptr;
  HWND view = nullptr;   // posted lines appear here
  HWND input = nullptr;  // the box that posts on Enter; == view for room-noinput

  std::string screenName;    // the sender of every line posted here
  EchoMode echo = EchoMode::None;
  bool hangPending = false;  // next WM_SETTEXT freezes the UI thread
  // A line sent to the input box that is longer than the box takes: the box
  // shows its head, and Enter posts it whole unless the box was edited since.
  std::string heldLine;
};

}  // namespace quimbly::demohost
