// window-probe: tells the end-to-end tests what the window system knows of a
// program's top-level windows, which a screenshot cannot show (minimised,
// topmost, hidden, in front), and restores them from minimised.
//   window-probe.exe TITLE-PREFIX
//     one line per top-level window whose title starts with the prefix:
//     <title> visible=0|1 iconic=0|1 topmost=0|1 rect=<left>,<top>,<right>,<bottom> foreground=0|1
//     exit status 1 when there is none
//   window-probe.exe --restore TITLE-PREFIX
//     restores those windows from minimised, as a click on a taskbar button would
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kTitleLength = 256;

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
  std::printf("%s visible=%d iconic=%d topmost=%d rect=%ld,%ld,%ld,%ld foreground=%d\n", utf8,
              IsWindowVisible(window) ? 1 : 0, IsIconic(window) ? 1 : 0, topmost ? 1 : 0, r.left, r.top, r.right, r.bottom,
              GetForegroundWindow() == window ? 1 : 0);
  ++search->found;
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool restore = argc == 3 && std::wcscmp(argv[1], L"--restore") == 0;
  if (argc != 2 && !restore) {
    std::fprintf(stderr, "usage: window-probe [--restore] TITLE-PREFIX\n");
    return 2;
  }
  Search search{argv[argc - 1], restore};
  EnumWindows(&Report, reinterpret_cast<LPARAM>(&search));
  std::fflush(stdout);
  return search.found > 0 ? 0 : 1;
}
