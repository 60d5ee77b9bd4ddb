// An in-memory window system: a tree of windows with class names and child
// order, a log of every call the core makes, and a model of the host client's
// input box (set text, then a carriage return posts a line to its room).
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/window_system.h"

namespace quimbly::platform::sim {

// One call as the log records it: "FindWindowExA(256, 0, "MDIClient")", its
// numbers in decimal, its texts in quotes as the code-page bytes sent.
template <typename... Args>
std::string CallText(std::string_view function, const Args&... args) {
  std::string text = std::string(function) + "(", separator;
  [[maybe_unused]] const auto add = [&](const auto& arg) {  // unused for a call without arguments
    text += std::exchange(separator, ", ");
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(arg)>>) text += std::to_string(static_cast<long long>(arg));
    else text += '"' + std::string(arg) + '"';
  };
  (add(args), ...);
  return text + ")";
}

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

  const std::vector<std::string>& Calls() const { return calls_; }
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

  Window* Find(WindowHandle window);

  std::map<WindowHandle, Window> windows_;
  std::vector<WindowHandle> topLevel_;
  WindowHandle nextHandle_ = 0x100;
  std::vector<std::string> calls_;
};

}  // namespace quimbly::platform::sim
