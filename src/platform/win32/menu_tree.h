// A form's menus: each top-level menu is a pop-up holding its items, with the
// ampersand mnemonics the system menus understand. A chosen item's Click goes
// to the form's handlers.
#pragma once

#include <windows.h>

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/toolkit.h"

namespace quimbly::platform::win32 {

class MenuTree {
 public:
  MenuTree(std::span<const MenuLayout> menus, FormEvents& events);
  MenuTree(const MenuTree&) = delete;
  MenuTree& operator=(const MenuTree&) = delete;
  ~MenuTree();

  // An item inside a menu, or null (a top-level menu is no item).
  platform::MenuItem* Item(std::string_view name);
  // A top-level menu, or null.
  platform::Menu* Menu(std::string_view name);

 private:
  class Entry;
  Entry* Find(std::string_view name);
  std::string_view NameOf(UINT command) const;

  FormEvents& events_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace quimbly::platform::win32
