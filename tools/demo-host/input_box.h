// "RICHCNTL": the host's text box class, a superclass of the rich edit
// control (RichEdit 2.0). The same class serves as a room's view and as its
// input box, as in the real client.
#pragma once

#include <windows.h>

#include "document.h"

namespace quimbly::demohost {

// Loads the rich edit library first, which registers the class it builds on.
bool RegisterInputBoxClass(HINSTANCE instance);

enum class BoxRole {
  View,      // read-only, multi-line: shows posted lines
  Input,     // one line: posts its content on Enter
  Combined,  // both at once (a room without a separate input box)
};

HWND CreateBox(HWND parent, int id, BoxRole role, Document* doc);

}  // namespace quimbly::demohost
