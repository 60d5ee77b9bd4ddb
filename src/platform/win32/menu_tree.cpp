#include "platform/win32/menu_tree.h"

#include <algorithm>
#include <cstddef>

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

class MenuTree::Item final : public platform::MenuItem {
 public:
  // An item goes in at its position under its parent; a top-level menu is a pop-up.
  Item(const MenuLayout& layout, HMENU parent, UINT position, UINT command)
      : layout_(layout), parent_(parent), command_(command), caption_(layout.caption) {
    if (parent_ == nullptr) {
      popup_ = CreatePopupMenu();
    } else {
      std::string text = ToCodePage(caption_);
      const MENUITEMINFOA item = TextItem(command_, text);
      InsertMenuItemA(parent_, position, TRUE, &item);
    }
  }
  ~Item() override {
    if (popup_ != nullptr) DestroyMenu(popup_);
  }

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override {
    caption_ = caption;
    if (parent_ == nullptr) return;
    std::string text = ToCodePage(caption_);
    const MENUITEMINFOA item = TextItem(command_, text);
    SetMenuItemInfoA(parent_, command_, FALSE, &item);
  }

  const MenuLayout& Layout() const { return layout_; }
  HMENU Parent() const { return parent_; }
  HMENU Popup() const { return popup_; }
  UINT Command() const { return command_; }

 private:
  const MenuLayout& layout_;
  HMENU parent_;
  UINT command_;
  std::string caption_;
  HMENU popup_ = nullptr;
};

MenuTree::MenuTree(std::span<const MenuLayout> menus) {
  UINT command = 100;
  for (const MenuLayout& m : menus) {
    const HMENU parent = m.parent.empty() ? nullptr : PopupOf(m.parent);
    const auto position = static_cast<UINT>(
        std::count_if(items_.begin(), items_.end(), [parent](const auto& item) { return item->Parent() == parent; }));
    items_.push_back(std::make_unique<Item>(m, parent, position, command++));
  }
}

// Items go before the pop-ups that hold them.
MenuTree::~MenuTree() {
  for (auto it = items_.rbegin(); it != items_.rend(); ++it) it->reset();
}

platform::MenuItem* MenuTree::Find(std::string_view name) {
  for (const auto& item : items_) {
    if (item->Layout().name == name) return item.get();
  }
  return nullptr;
}

HMENU MenuTree::PopupOf(std::string_view menu) const {
  for (const auto& item : items_) {
    if (item->Layout().name == menu) return item->Popup();
  }
  return nullptr;
}

std::string_view MenuTree::NameOf(UINT command) const {
  for (const auto& item : items_) {
    if (item->Command() == command) return item->Layout().name;
  }
  return {};
}

}  // namespace quimbly::platform::win32
