// window-probe: tells the end-to-end tests what the window system knows of a
// program's top-level windows and their state, which a screenshot cannot show
// (minimised, topmost, hidden).
//   window-probe.exe TITLE-PREFIX
// prints one line per top-level window whose title starts with the prefix:
//   <title> visible=0|1 iconic=0|1 topmost=0|1 rect=<left>,<top>,<right>,<bottom>
// and exits 1 when there is none.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
  std::wstring prefix;
  int found = 0;
};

BOOL CALLBACK Report(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  wchar_t title[256] = {};
  GetWindowTextW(window, title, 256);
  if (std::wcsncmp(title, search->prefix.c_str(), search->prefix.size()) != 0) return TRUE;
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window-probe TITLE-PREFIX\n");
    return 2;
  }
  Search search{argv[1]};
  EnumWindows(&Report, reinterpret_cast<LPARAM>(&search));
  std::fflush(stdout);
  return search.found > 0 ? 0 : 1;
}
