// The floor of the benchmark: what Quimbly does on a click and on a tick,
// and nothing else. Two seconds after it starts it posts the by-line and the
// loaded line; a click on its window posts the started line and starts the
// minute; each minute posts the idle line and the time line. Each line goes
// to the room found by the same window classes, by the same two messages
// with the same time-out. What Quimbly costs beyond this is what the rest of
// its work costs.
//   bench-floor.exe HANDLE
#include <windows.h>

#include <string>

namespace {

constexpr UINT kSendTimeoutMs = 1000;
constexpr UINT_PTR kStartTimer = 1, kMinuteTimer = 2;
constexpr char kOpening[] = "<font face=Arial Narrow><FONT COLOR=#0080FF>";

// What the window holds: the handle it announces and the minutes so far.
struct Floor {
  std::string handle;
  int minutes = 0;
  bool running = false;
};

// The lines are written in UTF-8 and posted in the system's code page.
std::string Ansi(const std::string& utf8) {
  int wide = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, text.data(), wide);
  int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
  return out;
}

std::string Line(int blanks, const std::string& rest) {
  return kOpening + std::string(static_cast<size_t>(blanks), ' ') + "<b>·÷^·· " + rest + "</b>";
}

bool LooksLikeChatRoom(HWND child) {
  HWND rich = FindWindowExA(child, nullptr, "RICHCNTL", nullptr);
  HWND list = FindWindowExA(child, nullptr, "_AOL_Listbox", nullptr);
  HWND icon = FindWindowExA(child, nullptr, "_AOL_Icon", nullptr);
  HWND label = FindWindowExA(child, nullptr, "_AOL_Static", nullptr);
  return rich && list && icon && label;
}

HWND FindChatRoom() {
  HWND frame = FindWindowA("AOL Frame25", nullptr);
  HWND mdi = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
  HWND child = FindWindowExA(mdi, nullptr, "AOL Child", nullptr);
  while (child && !LooksLikeChatRoom(child)) child = FindWindowExA(mdi, child, "AOL Child", nullptr);
  return child;
}

void ChatSend(const std::string& utf8) {
  std::string text = Ansi(utf8);
  HWND room = FindChatRoom();
  HWND view = FindWindowExA(room, nullptr, "RICHCNTL", nullptr);
  HWND input = FindWindowExA(room, view, "RICHCNTL", nullptr);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      kSendTimeoutMs, &ignored);
  SendMessageTimeoutA(input, WM_CHAR, 13, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
}

void Floor_Start(HWND window, Floor& floor) {
  KillTimer(window, kStartTimer);
  ChatSend(Line(5, "Quimbly¹·º by: zyk"));
  ChatSend(Line(7, "Ioaded by: " + floor.handle));
}

void Floor_Click(HWND window, Floor& floor) {
  ChatSend(Line(5, "Quimbly¹·º started"));
  if (!floor.running) SetTimer(window, kMinuteTimer, 60000, nullptr);
  floor.running = true;
}

void Floor_Tick(Floor& floor) {
  ++floor.minutes;
  ChatSend(Line(5, "Quimbly¹·º by: zyk [ idle'n ]"));
  ChatSend(Line(5, "time: " + std::to_string(floor.minutes) + " min [ reason... ]"));
}

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    SetTimer(window, kStartTimer, 2000, nullptr);
    return 0;
  }
  auto* floor = reinterpret_cast<Floor*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (floor == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_TIMER:
      if (wParam == kStartTimer) Floor_Start(window, *floor);
      if (wParam == kMinuteTimer) Floor_Tick(*floor);
      return 0;
    case WM_LBUTTONUP:
      Floor_Click(window, *floor);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  Floor floor{commandLine};
  WNDCLASSA wc{};
  wc.lpfnWndProc = FloorProcedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = "BenchFloor";
  RegisterClassA(&wc);
  CreateWindowExA(0, wc.lpszClassName, "bench floor", WS_POPUP | WS_VISIBLE, 400, 0, 161, 121, nullptr, nullptr,
                  instance, &floor);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
