#include "platform/win32/menu_tree.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "platform/win32/form_window.h"
#include "platform/win32/text.h"

namespace quimbly::platform::win32 {
namespace {

// A text item as Windows 95 and NT 4.0 take it: their structure ends before
// the bitmap field that Windows 98 and 2000 added, and they know the text
// through MIIM_TYPE only.
MENUITEMINFOA TextItem(UINT command, std::string& text) {
  MENUITEMINFOA item{};
  item.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
  item.fMask = MIIM_ID | MIIM_TYPE;
  item.fType = MFT_STRING;
  item.wID = command;
  item.dwTypeData = text.data();
  return item;
}

}  // namespace

// A top-level menu (a pop-up of its own) or an item inside one.
class MenuTree::Entry final : public platform::MenuItem, public platform::Menu {
 public:
  // An item goes in at its position under its parent.
  Entry(MenuTree& tree, const MenuLayout& layout, HMENU parent, UINT position, UINT command)
      : tree_(tree), layout_(layout), parent_(parent), command_(command) {
    if (IsTopLevel(layout_)) {
      popup_ = CreatePopupMenu();
    } else {
      std::string text = ToCodePage(layout_.caption);
      const MENUITEMINFOA item = TextItem(command_, text);
      InsertMenuItemA(parent_, position, TRUE, &item);
    }
  }
  ~Entry() override {
    if (popup_ != nullptr) DestroyMenu(popup_);
  }

  // Only items are handed out as menu items (MenuTree::Item).
  void SetCaption(std::string_view caption) override {
    std::string text = ToCodePage(caption);
    const MENUITEMINFOA item = TextItem(command_, text);
    SetMenuItemInfoA(parent_, command_, FALSE, &item);
  }

  void PopUp(const Form& over, float xTwips) override {
    // Every form of this backend is a FormWindow; its scale is the one its own layout uses.
    const auto& form = static_cast<const FormWindow&>(over);
    const HWND window = reinterpret_cast<HWND>(form.hWnd());
    POINT at{form.Scale().Pixels(xTwips), 0};
    ClientToScreen(window, &at);
    POINT pointer;
    GetCursorPos(&pointer);
    // Without the foreground, the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD, at.x, pointer.y, 0, window, nullptr));
    PostMessageA(window, WM_NULL, 0, 0);
    if (const std::string_view item = tree_.NameOf(chosen); !item.empty()) tree_.events_.Raise(item, Event::Click);
  }

  const MenuLayout& Layout() const { return layout_; }
  HMENU Parent() const { return parent_; }
  // The pop-up a top-level menu shows its items in; null for an item.
  HMENU MenuHandle() const { return popup_; }
  UINT Command() const { return command_; }

 private:
  MenuTree& tree_;
  const MenuLayout& layout_;
  HMENU parent_;
  UINT command_;
  HMENU popup_ = nullptr;
};

MenuTree::MenuTree(std::span<const MenuLayout> menus, FormEvents& events) : events_(events) {
  UINT command = 100;
  for (const MenuLayout& m : menus) {
    const Entry* holder = IsTopLevel(m) ? nullptr : Find(m.parent);
    const HMENU parent = holder == nullptr ? nullptr : holder->MenuHandle();
    const auto position = static_cast<UINT>(std::count_if(
        entries_.begin(), entries_.end(), [parent](const auto& entry) { return entry->Parent() == parent; }));
    entries_.push_back(std::make_unique<Entry>(*this, m, parent, position, command++));
  }
}

// Items go before the pop-ups that hold them.
MenuTree::~MenuTree() {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) it->reset();
}

platform::MenuItem* MenuTree::Item(std::string_view name) {
  Entry* entry = Find(name);
  return entry != nullptr && !IsTopLevel(entry->Layout()) ? entry : nullptr;
}

platform::Menu* MenuTree::Menu(std::string_view name) {
  Entry* entry = Find(name);
  return entry != nullptr && IsTopLevel(entry->Layout()) ? entry : nullptr;
}

MenuTree::Entry* MenuTree::Find(std::string_view name) {
  const auto it = std::find_if(entries_.begin(), entries_.end(),
                               [name](const auto& entry) { return entry->Layout().name == name; });
  return it == entries_.end() ? nullptr : it->get();
}

std::string_view MenuTree::NameOf(UINT command) const {
  for (const auto& entry : entries_) {
    if (entry->Command() == command) return entry->Layout().name;
  }
  return {};
}

}  // namespace quimbly::platform::win32
