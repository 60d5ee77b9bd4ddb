// The change-handle dialog: drops the old profile when first opened and takes
// a new handle, confirmed with Enter.
#pragma once

#include <memory>
#include <string_view>

#include "platform/toolkit.h"
#include "shell/dialogs/dialog_owner.h"

namespace quimbly::shell {

class Form4 final : public platform::FormEvents {
 public:
  explicit Form4(DialogOwner& owner);

  void Load();
  platform::Form& Window() { return *window_; }

  void Click(std::string_view control) override;
  void KeyPress(std::string_view control, int& key) override;
  void CloseRequested() override;
  void Paint(std::string_view control) override;

 private:
  void Text1_KeyPress(int& key);
  void Picture1_Click();

  void Picture1_Paint();

  DialogOwner& owner_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::shell
