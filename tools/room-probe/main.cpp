// room-probe: what the view of the demo host's room shows, the room Quimbly
// would send to, read back from the rich edit control itself, for the
// end-to-end tests.
//   room-probe.exe
//     view rect=<left>,<top>,<right>,<bottom> newest-visible=0|1
//     then one line per paragraph: each run of one format as [format]text,
//     the format's parts those that differ from the view's own:
//     b i u s fg=RRGGBB bg=RRGGBB face=NAME pt=N (half a point or more
//     apart); the text in UTF-8
//     exit status 1 when there is no room
// The control's messages carry pointers, so the probe lends it memory in
// the host's own process to answer into.
#include <windows.h>
#include <richedit.h>

#include <array>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>

#include "chatlink/chat_room.h"
#include "platform/win32/backend.h"

namespace {

class RemoteMemory {
 public:
  explicit RemoteMemory(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE));
  }
  ~RemoteMemory() {
    if (base_) VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool ok() const { return base_ != nullptr; }
  // Slots in the lent page, one per kind of answer.
  LPARAM At(size_t slot) const { return reinterpret_cast<LPARAM>(base_ + slot * kSlot); }
  template <typename T>
  void Put(size_t slot, const T& value) {
    WriteProcessMemory(process_, base_ + slot * kSlot, &value, sizeof value, nullptr);
  }
  template <typename T>
  T Get(size_t slot) {
    T value{};
    ReadProcessMemory(process_, base_ + slot * kSlot, &value, sizeof value, nullptr);
    return value;
  }

 private:
  static constexpr size_t kSize = 4096, kSlot = 512;
  HANDLE process_ = nullptr;
  char* base_ = nullptr;
};

enum Slot { kFormat, kRange, kText, kPoint, kLength };

CHARFORMAT2A Format(HWND view, RemoteMemory& memory, WPARAM which) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_ALL2;
  memory.Put(kFormat, format);
  SendMessageA(view, EM_GETCHARFORMAT, which, memory.At(kFormat));
  return memory.Get<CHARFORMAT2A>(kFormat);
}

std::string Hex(COLORREF c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

std::string Describe(const CHARFORMAT2A& f, const CHARFORMAT2A& own) {
  std::string parts;
  auto add = [&](bool on, const std::string& part) {
    if (on) parts += (parts.empty() ? "" : " ") + part;
  };
  add(f.dwEffects & CFE_BOLD, "b");
  add(f.dwEffects & CFE_ITALIC, "i");
  add(f.dwEffects & CFE_UNDERLINE, "u");
  add(f.dwEffects & CFE_STRIKEOUT, "s");
  add(!(f.dwEffects & CFE_AUTOCOLOR), "fg=" + Hex(f.crTextColor));
  add(!(f.dwEffects & CFE_AUTOBACKCOLOR), "bg=" + Hex(f.crBackColor));
  add(std::strcmp(f.szFaceName, own.szFaceName) != 0, std::string("face=") + f.szFaceName);
  // Sizes reach the view in half points; the view's own may lie between two.
  add(std::abs(f.yHeight - own.yHeight) >= 10, "pt=" + std::to_string(f.yHeight / 20));
  return "[" + parts + "]";
}

std::string Utf8(char ansi) {
  wchar_t wide = 0;
  MultiByteToWideChar(CP_ACP, 0, &ansi, 1, &wide, 1);
  char out[8] = {};
  int n = WideCharToMultiByte(CP_UTF8, 0, &wide, 1, out, sizeof out, nullptr, nullptr);
  return std::string(out, static_cast<size_t>(n > 0 ? n : 0));
}

// Whether the character at index is inside the view's visible rectangle.
bool Visible(HWND view, RemoteMemory& memory, LONG index) {
  SendMessageA(view, EM_POSFROMCHAR, static_cast<WPARAM>(memory.At(kPoint)), index);
  POINTL at = memory.Get<POINTL>(kPoint);
  RECT client{};
  GetClientRect(view, &client);
  return at.y >= 0 && at.y < client.bottom;
}

}  // namespace

int main() {
  // The room the utility would send to, found by its own rule.
  const auto windows = quimbly::platform::win32::MakeWindowSystem();
  const auto view = reinterpret_cast<HWND>(
      quimbly::chatlink::ChatView(*windows, quimbly::chatlink::FindChatRoom(*windows)));
  if (!view) {
    std::fprintf(stderr, "room-probe: no room\n");
    return 1;
  }
  RemoteMemory memory(view);
  if (!memory.ok()) {
    std::fprintf(stderr, "room-probe: cannot reach the host's memory\n");
    return 1;
  }
  memory.Put(kLength, GETTEXTLENGTHEX{GTL_NUMCHARS | GTL_PRECISE, 1200});
  auto length = static_cast<LONG>(SendMessageA(view, EM_GETTEXTLENGTHEX, static_cast<WPARAM>(memory.At(kLength)), 0));
  RECT r{};
  GetWindowRect(view, &r);
  // The last paragraph is the empty one after the newest line.
  std::printf("view rect=%ld,%ld,%ld,%ld newest-visible=%d\n", r.left, r.top, r.right, r.bottom,
              length < 2 || Visible(view, memory, length - 2) ? 1 : 0);

  const CHARFORMAT2A own = Format(view, memory, SCF_DEFAULT);
  std::string line, shown;
  for (LONG k = 0; k < length; ++k) {
    memory.Put(kRange, CHARRANGE{k, k + 1});
    SendMessageA(view, EM_EXSETSEL, 0, memory.At(kRange));
    memory.Put(kText, std::array<char, 8>{});
    SendMessageA(view, EM_GETSELTEXT, 0, memory.At(kText));
    char c = memory.Get<std::array<char, 8>>(kText)[0];
    if (c == '\r' || c == '\n') {
      std::printf("%s\n", line.c_str());
      line.clear(), shown.clear();
      continue;
    }
    std::string format = Describe(Format(view, memory, SCF_SELECTION), own);
    if (format != shown) line += shown = format;
    line += Utf8(c);
  }
  if (!line.empty()) std::printf("%s\n", line.c_str());
  std::fflush(stdout);
  return 0;
}
