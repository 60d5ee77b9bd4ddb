#include <windows.h>

#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/window.h"

namespace quimbly::platform::win32 {
namespace {

// A copy that answers has restored its window well within this; a hung one
// is given up on, and the start that asked still ends within two seconds.
constexpr UINT kRestoreTimeoutMs = 1000;

// The mark is a named mutex: the system closes a process's handles when it
// ends, by any way (exit, the session's end, a crash, being ended by force),
// and the mutex goes with its last handle, so no copy can leave one behind.
// Both exes make the same name. A name without a prefix lies in the
// namespace of the caller's session wherever Windows has sessions (Terminal
// Services, fast user switching), and one session is all 95, 98, ME and
// NT 4.0 have; "Local\" is no help there, as they refuse a backslash in the
// name. The user's name keeps apart two users in one session (Run as).
std::string MarkName() {
  char user[257] = "";
  const DWORD length = GetEnvironmentVariableA("USERNAME", user, sizeof user);
  return std::string("Quimbly one copy: ") + (length < sizeof user ? user : "");
}

// Every window of the program is of its one class; the running copy shows
// one at a time (the main window, or the dialog it shows instead) and keeps
// the rest hidden. A look-up by class alone sends the other copy nothing.
HWND ShownWindowOfAnyCopy() {
  for (HWND w = FindWindowExA(nullptr, nullptr, kWindowClass, nullptr); w != nullptr;
       w = FindWindowExA(nullptr, w, kWindowClass, nullptr)) {
    if (IsWindowVisible(w)) return w;
  }
  return nullptr;
}

class Win32ProgramCopies final : public ProgramCopies {
 public:
  ~Win32ProgramCopies() override {
    if (mark_ != nullptr) CloseHandle(mark_);
  }

  bool TakeSessionMark() override {
    mark_ = CreateMutexA(nullptr, FALSE, MarkName().c_str());
    const DWORD error = GetLastError();
    // A copy with other rights (run as administrator) holds a mark this one may not open.
    if (mark_ == nullptr) return error != ERROR_ACCESS_DENIED;
    return error != ERROR_ALREADY_EXISTS;
  }

  // The restore goes to the other copy's own window procedure, with a time-out;
  // bringing a window to the front waits for no answer.
  void BringMarkedCopyForward() override {
    const HWND shown = ShownWindowOfAnyCopy();
    if (shown == nullptr) return;
    if (IsIconic(shown)) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(shown, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kRestoreTimeoutMs,
                          &ignored);
    }
    SetForegroundWindow(shown);
  }

 private:
  HANDLE mark_ = nullptr;
};

}  // namespace

std::unique_ptr<ProgramCopies> MakeProgramCopies() { return std::make_unique<Win32ProgramCopies>(); }

}  // namespace quimbly::platform::win32
