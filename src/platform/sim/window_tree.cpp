#include "platform/sim/window_tree.h"

#include <algorithm>

#include "platform/rules/ascii.h"
#include "platform/sim/codepage.h"

namespace quimbly::platform::sim {
WindowHandle SimWindowSystem::CreateWindow(std::string_view className, WindowHandle parent) {
  const WindowHandle handle = nextHandle_++;
  windows_[handle] = Window{.className = std::string(className), .parent = parent};
  if (parent == 0) {
    topLevel_.push_back(handle);
  } else {
    Find(parent)->children.push_back(handle);
  }
  return handle;
}

void SimWindowSystem::DestroyWindow(WindowHandle window) {
  Window* w = Find(window);
  if (w == nullptr) return;
  for (const WindowHandle child : std::vector<WindowHandle>(w->children)) DestroyWindow(child);
  auto& siblings = w->parent == 0 ? topLevel_ : Find(w->parent)->children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), window));
  windows_.erase(window);
}

void SimWindowSystem::MakeInputBox(WindowHandle window) { Find(window)->inputBox = true; }

void SimWindowSystem::SetHung(WindowHandle window, bool hung) { Find(window)->hung = hung; }

std::string SimWindowSystem::Text(WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? std::string() : it->second.text;
}

std::vector<std::string> SimWindowSystem::PostedLines(WindowHandle document) const {
  const auto it = windows_.find(document);
  return it == windows_.end() ? std::vector<std::string>() : it->second.posted;
}

void SimWindowSystem::ClearPostedLines(WindowHandle document) {
  if (Window* w = Find(document)) w->posted.clear();
}

// Class names match without regard to case, as the window system's do.
WindowHandle SimWindowSystem::FindWindowA(std::string_view className) {
  calls_.push_back(CallText("FindWindowA", className));
  for (const WindowHandle w : topLevel_) {
    if (ascii::SameIgnoringCase(Find(w)->className, className)) return w;
  }
  return 0;
}

WindowHandle SimWindowSystem::FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                                            std::string_view className) {
  calls_.push_back(CallText("FindWindowExA", parent, childAfter, className));
  if (parent != 0 && Find(parent) == nullptr) return 0;
  const auto& children = parent == 0 ? topLevel_ : Find(parent)->children;
  auto it = children.begin();
  if (childAfter != 0) {
    it = std::find(children.begin(), children.end(), childAfter);
    if (it == children.end()) return 0;  // not a child of parent: the system fails the search
    ++it;
  }
  for (; it != children.end(); ++it) {
    if (ascii::SameIgnoringCase(Find(*it)->className, className)) return *it;
  }
  return 0;
}

void SimWindowSystem::SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                   std::string_view text) {
  const std::string bytes = Utf8ToWindows1252(text);
  calls_.push_back(CallText("SendMessageA", window, message, wParam, bytes));
  Window* w = Find(window);
  if (w == nullptr || w->hung) return;
  if (message == kWmSetText) w->text = bytes;
}

void SimWindowSystem::SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  calls_.push_back(CallText("SendMessageA", window, message, wParam, lParam));
  Window* w = Find(window);
  if (w == nullptr || w->hung) return;
  if (message == kWmChar && wParam == 13 && w->inputBox) {
    Find(w->parent)->posted.push_back(w->text);
    w->text.clear();
  }
}

void SimWindowSystem::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                                   int cy, unsigned flags) {
  calls_.push_back(CallText("SetWindowPos", window, insertAfter, x, y, cx, cy, flags));
}

void SimWindowSystem::ReleaseCapture() { calls_.push_back(CallText("ReleaseCapture")); }

SimWindowSystem::Window* SimWindowSystem::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

}  // namespace quimbly::platform::sim
