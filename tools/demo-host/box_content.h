// What a document's input box holds and posts: the exact bytes the sender
// set, unless someone typed into the box since.
#pragma once

#include <windows.h>

#include "document.h"

namespace quimbly::demohost {

// Keeps and shows the text of a WM_SETTEXT sent to the input box; the result is the message's.
LRESULT TakeSentText(Document& doc, HWND box, WPARAM wParam, LPARAM lParam);

// Shows the box's content as a posted line, writes it to the transcript and empties the box.
void PostLine(Document& doc);

}  // namespace quimbly::demohost
