// The controls beside a document's text, of the real client's own classes:
// an icon, a label and, in rooms, the member list.
#pragma once

#include <windows.h>

namespace quimbly::demohost {

// "_AOL_Icon", and "_AOL_Listbox" and "_AOL_Static", superclasses of LISTBOX and STATIC.
bool RegisterSideControlClasses(HINSTANCE instance);

// Each adds its control at the bottom of the document's children; nullptr on failure.
HWND AddMemberList(HWND document, int id);
HWND AddIcon(HWND document, int id);
HWND AddLabel(HWND document, int id, const char* text);

}  // namespace quimbly::demohost
