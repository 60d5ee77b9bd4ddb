#include "platform/sim/window_tree.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "platform/sim/codepage.h"

namespace quimbly::platform::sim {
namespace {

// Class names match without regard to case, as the window system's do.
bool SameClass(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

Call FindWindowCall(std::string_view className) {
  return {.function = "FindWindowA", .className = std::string(className)};
}

Call FindWindowExCall(WindowHandle parent, WindowHandle after, std::string_view className) {
  return {.function = "FindWindowExA", .window = parent, .after = after, .className = std::string(className)};
}

Call SetTextCall(WindowHandle window, std::string_view bytes) {
  return {.function = "SendMessageA", .window = window, .message = kWmSetText, .bytes = std::string(bytes)};
}

Call CharCall(WindowHandle window, std::uintptr_t code) {
  return {.function = "SendMessageA", .window = window, .message = kWmChar, .wParam = code};
}

Call SetWindowPosCall(WindowHandle window, WindowHandle insertAfter, unsigned flags) {
  return {.function = "SetWindowPos", .window = window, .after = insertAfter, .flags = flags};
}

Call ReleaseCaptureCall() { return {.function = "ReleaseCapture"}; }

Call SysCommandCall(WindowHandle window, std::uintptr_t command) {
  return {.function = "SendMessageA", .window = window, .message = kWmSysCommand, .wParam = command};
}

std::ostream& operator<<(std::ostream& out, const Call& c) {
  out << c.function << '(';
  if (c.function == "FindWindowA") return out << c.className << ')';
  if (c.function == "FindWindowExA") return out << c.window << ", " << c.after << ", " << c.className << ')';
  if (c.function == "SetWindowPos") {
    return out << c.window << ", " << static_cast<std::intptr_t>(c.after) << ", flags " << c.flags << ')';
  }
  if (c.function == "ReleaseCapture") return out << ')';
  out << c.window << ", 0x" << std::hex << c.message << std::dec << ", " << c.wParam << ", ";
  return (c.message == kWmSetText ? out << '"' << c.bytes << '"' : out << c.lParam) << ')';
}

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
  const Window* w = Find(window);
  return w == nullptr ? std::string() : w->text;
}

std::vector<std::string> SimWindowSystem::PostedLines(WindowHandle document) const {
  const Window* w = Find(document);
  return w == nullptr ? std::vector<std::string>() : w->posted;
}

void SimWindowSystem::ClearPostedLines(WindowHandle document) {
  if (Window* w = Find(document)) w->posted.clear();
}

WindowHandle SimWindowSystem::FindWindowA(std::string_view className) {
  calls_.push_back(FindWindowCall(className));
  for (const WindowHandle w : topLevel_) {
    if (SameClass(Find(w)->className, className)) return w;
  }
  return 0;
}

WindowHandle SimWindowSystem::FindWindowExA(WindowHandle parent, WindowHandle childAfter,
                                            std::string_view className) {
  calls_.push_back(FindWindowExCall(parent, childAfter, className));
  if (parent != 0 && Find(parent) == nullptr) return 0;
  const auto& children = ChildrenOf(parent);
  auto it = children.begin();
  if (childAfter != 0) {
    it = std::find(children.begin(), children.end(), childAfter);
    if (it == children.end()) return 0;  // not a child of parent: the system fails the search
    ++it;
  }
  for (; it != children.end(); ++it) {
    if (SameClass(Find(*it)->className, className)) return *it;
  }
  return 0;
}

void SimWindowSystem::SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                   std::string_view text) {
  const std::string bytes = Utf8ToWindows1252(text);
  calls_.push_back(Call{.function = "SendMessageA", .window = window, .message = message,
                        .wParam = wParam, .bytes = bytes});
  Window* w = Find(window);
  if (w == nullptr || w->hung) return;
  if (message == kWmSetText) w->text = bytes;
}

void SimWindowSystem::SendMessageA(WindowHandle window, unsigned message, std::uintptr_t wParam,
                                   std::intptr_t lParam) {
  calls_.push_back(Call{.function = "SendMessageA", .window = window, .message = message,
                        .wParam = wParam, .lParam = lParam});
  Window* w = Find(window);
  if (w == nullptr || w->hung) return;
  if (message == kWmChar && wParam == 13 && w->inputBox) {
    Find(w->parent)->posted.push_back(w->text);
    w->text.clear();
  }
}

void SimWindowSystem::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx,
                                   int cy, unsigned flags) {
  // Only "keep place and size" calls are made; anything else would need modelling.
  if (x != 0 || y != 0 || cx != 0 || cy != 0) throw std::logic_error("SetWindowPos moves are not modelled");
  calls_.push_back(SetWindowPosCall(window, insertAfter, flags));
}

void SimWindowSystem::ReleaseCapture() { calls_.push_back(ReleaseCaptureCall()); }

const std::vector<WindowHandle>& SimWindowSystem::ChildrenOf(WindowHandle parent) const {
  return parent == 0 ? topLevel_ : Find(parent)->children;
}

SimWindowSystem::Window* SimWindowSystem::Find(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const SimWindowSystem::Window* SimWindowSystem::Find(WindowHandle window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

}  // namespace quimbly::platform::sim
