// A document window ("AOL Child") inside the MDI client: a text view, an
// input box (unless the kind has none) and the side controls.
#pragma once

#include <windows.h>

#include <vector>

#include "document.h"

namespace quimbly::demohost {

// The document class and the classes of the controls in it.
bool RegisterDocumentClass(HINSTANCE instance);

// Creates one document inside the MDI client; it becomes the topmost child.
HWND CreateDocument(HWND mdiClient, Document* doc, const char* title);

// The documents as the window system enumerates them (GW_CHILD, GW_HWNDNEXT).
std::vector<Document*> DocumentsInChildOrder(HWND mdiClient);

}  // namespace quimbly::demohost
