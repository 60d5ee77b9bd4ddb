// A form's menus: each top-level menu is a pop-up holding its items, with the
// ampersand mnemonics the system menus understand.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/toolkit.h"

namespace quimbly::platform::win32 {

class MenuTree {
 public:
  explicit MenuTree(std::span<const MenuLayout> menus);
  MenuTree(const MenuTree&) = delete;
  MenuTree& operator=(const MenuTree&) = delete;
  ~MenuTree();

  platform::MenuItem* Find(std::string_view name);
  // The pop-up of a top-level menu, or null.
  HMENU PopupOf(std::string_view menu) const;
  // The item a command number stands for; empty when none.
  std::string_view NameOf(UINT command) const;

 private:
  class Item;
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace quimbly::platform::win32
