// An in-memory window system: a tree of windows with class names and child
// order, a log of every call the core makes, and a model of the host client's
// input box (set text, then a carriage return posts a line to its room).
#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_system.h"

namespace quimbly::platform::sim {

// One call the core made, with its arguments; text as the code-page bytes sent.
struct Call {
  std::string function;
  WindowHandle window = 0;  // FindWindowExA: parent; SendMessageA: target
  WindowHandle after = 0;   // FindWindowExA: child-after
  std::string className;
  unsigned message = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::string bytes;
  unsigned flags = 0;  // SetWindowPos; its position and size are always 0 here

  bool operator==(const Call&) const = default;
};

// A call as readable text, for a failing test's message.
std::ostream& operator<<(std::ostream& out, const Call& c);

Call FindWindowCall(std::string_view className);
Call FindWindowExCall(WindowHandle parent, WindowHandle after, std::string_view className);
Call SetTextCall(WindowHandle window, std::string_view bytes);
Call CharCall(WindowHandle window, std::uintptr_t code);
Call SetWindowPosCall(WindowHandle window, WindowHandle insertAfter, unsigned flags);
Call ReleaseCaptureCall();
Call SysCommandCall(WindowHandle window, std::uintptr_t command);

class SimWindowSystem : public WindowSystem {
 public:
  // A new window, last in its parent's child order (parent 0: a top-level window).
  WindowHandle CreateWindow(std::string_view className, WindowHandle parent = 0);
  // Removes the window with everything inside it.
  void DestroyWindow(WindowHandle window);

  // The window behaves as a host input box: a carriage return posts its text
  // to its parent's lines and empties it.
  void MakeInputBox(WindowHandle window);
  // A hung window leaves every message unanswered; senders give up on it.
  void SetHung(WindowHandle window, bool hung);

  std::string Text(WindowHandle window) const;              // bytes
  std::vector<std::string> PostedLines(WindowHandle document) const;  // bytes
  void ClearPostedLines(WindowHandle document);

  const std::vector<Call>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }

  WindowHandle FindWindowA(std::string_view className) override;
  WindowHandle FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                             std::string_view className) override;
  void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::string_view text) override;
  void SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;
  void SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                    unsigned flags) override;
  void ReleaseCapture() override;

 private:
  struct Window {
    std::string className;
    WindowHandle parent = 0;
    std::vector<WindowHandle> children;
    std::string text;
    bool inputBox = false;
    bool hung = false;
    std::vector<std::string> posted;
  };

  const std::vector<WindowHandle>& ChildrenOf(WindowHandle parent) const;
  Window* Find(WindowHandle window);
  const Window* Find(WindowHandle window) const;

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> topLevel_;
  WindowHandle nextHandle_ = 0x100;
  std::vector<Call> calls_;
};

}  // namespace quimbly::platform::sim
