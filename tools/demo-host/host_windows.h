// The host's frame window ("AOL Frame25") with its MDI client, and the
// registration of every window class the host shows.
#pragma once

#include <windows.h>

namespace quimbly::demohost {

bool RegisterHostClasses(HINSTANCE instance);

// The frame with its MDI client; hidden until the documents are in place.
HWND CreateFrame(HINSTANCE instance);
HWND MdiClientOf(HWND frame);

// Posted to the frame once it is up; main answers it by writing the ready file.
constexpr UINT kReadyMessage = WM_APP + 1;

}  // namespace quimbly::demohost
