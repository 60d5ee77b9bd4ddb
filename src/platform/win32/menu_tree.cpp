#include "platform/win32/menu_tree.h"

#include "platform/win32/text.h"

namespace quimbly::platform::win32 {

class MenuTree::Item final : public platform::MenuItem {
 public:
  Item(const MenuLayout& layout, HMENU parent, UINT command)
      : layout_(layout), parent_(parent), command_(command), caption_(layout.caption) {
    if (parent_ == nullptr) {
      popup_ = CreatePopupMenu();
    } else {
      AppendMenuW(parent_, MF_STRING, command_, Widen(caption_).c_str());
    }
  }
  ~Item() override {
    if (popup_ != nullptr) DestroyMenu(popup_);
  }

  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override {
    caption_ = caption;
    if (parent_ != nullptr) ModifyMenuW(parent_, command_, MF_BYCOMMAND | MF_STRING, command_, Widen(caption_).c_str());
  }

  const MenuLayout& Layout() const { return layout_; }
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
    items_.push_back(std::make_unique<Item>(m, parent, command++));
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
