#pragma once

#include "document.h"

#include <windows.h>

#include <vector>

// Registers the frame ("AOL Frame25"), the document ("AOL Child") and the
// helper control classes, and the RICHCNTL box class.
bool register_host_classes(HINSTANCE instance);

// The frame with its MDI client; hidden until the documents are in place.
HWND create_frame(HINSTANCE instance);
HWND mdi_client_of(HWND frame);

// Creates one document inside the MDI client; it becomes the topmost child.
HWND create_document(HWND mdi_client, Document* doc, const char* title);

// The documents as the window system enumerates them (GW_CHILD, GW_HWNDNEXT).
std::vector<Document*> documents_in_child_order(HWND mdi_client);

// Posted to the frame once it is up; main answers it by writing the ready file.
constexpr UINT kReadyMessage = WM_APP + 1;
