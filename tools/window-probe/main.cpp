// window-probe: tells the end-to-end tests what the window system knows of a
// program's top-level windows, which a screenshot cannot show (minimised,
// topmost, hidden), and covers part of the screen to make windows repaint.
//   window-probe.exe TITLE-PREFIX
//     one line per top-level window whose title starts with the prefix:
//     <title> visible=0|1 iconic=0|1 topmost=0|1 rect=<left>,<top>,<right>,<bottom>
//     exit status 1 when there is none
//   window-probe.exe --restore TITLE-PREFIX
//     restores those windows from minimised, as a click on a taskbar button would
//   window-probe.exe --cover X Y WIDTH HEIGHT MILLISECONDS
//     a grey topmost window over that rectangle, for that long
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kTitleLength = 256;
constexpr wchar_t kCoverClass[] = L"WindowProbeCover";
constexpr DWORD kPollMs = 20;  // the cover answers its messages at least this often

struct Search {
  std::wstring prefix;
  bool restore = false;
  int found = 0;
};

BOOL CALLBACK Report(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t title[kTitleLength] = {};
  GetWindowTextW(window, title, kTitleLength);
  if (std::wcsncmp(title, search->prefix.c_str(), search->prefix.size()) != 0) return TRUE;
  if (search->restore) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    ++search->found;
    return TRUE;
  }
  RECT r{};
  GetWindowRect(window, &r);
  const bool topmost = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  char utf8[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, title, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("%s visible=%d iconic=%d topmost=%d rect=%ld,%ld,%ld,%ld\n", utf8, IsWindowVisible(window) ? 1 : 0,
              IsIconic(window) ? 1 : 0, topmost ? 1 : 0, r.left, r.top, r.right, r.bottom);
  ++search->found;
  return TRUE;
}

int Cover(int x, int y, int width, int height, DWORD ms) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = kCoverClass;
  RegisterClassW(&wc);
  HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"cover", WS_POPUP | WS_VISIBLE,
                               x, y, width, height, nullptr, nullptr, wc.hInstance, nullptr);
  if (cover == nullptr) return 1;
  const DWORD end = GetTickCount() + ms;
  MSG message;
  while (static_cast<LONG>(end - GetTickCount()) > 0) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT);
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
  DestroyWindow(cover);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 7 && std::wcscmp(argv[1], L"--cover") == 0) {
    return Cover(_wtoi(argv[2]), _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), static_cast<DWORD>(_wtoi(argv[6])));
  }
  const bool restore = argc == 3 && std::wcscmp(argv[1], L"--restore") == 0;
  if (argc != 2 && !restore) {
    std::fprintf(stderr, "usage: window-probe [--restore] TITLE-PREFIX | --cover X Y WIDTH HEIGHT MILLISECONDS\n");
    return 2;
  }
  Search search{argv[argc - 1], restore};
  EnumWindows(&Report, reinterpret_cast<LPARAM>(&search));
  std::fflush(stdout);
  return search.found > 0 ? 0 : 1;
}
