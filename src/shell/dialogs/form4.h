// The change-handle dialog: drops the old profile when first opened and takes
// a new handle, confirmed with Enter.
#pragma once

#include <memory>
#include <span>

#include "platform/toolkit.h"
#include "shell/dialogs/dialog_owner.h"

namespace quimbly::shell {

class Form4 final : public platform::HandledEvents<Form4> {
 public:
  explicit Form4(DialogOwner& owner);
  static std::span<const platform::Handler<Form4>> Handlers();

  void Load();
  platform::Form& Window() { return *window_; }

  void CloseRequested() override;

 private:
  void Text1_KeyPress(int& key);
  void Picture1_Click();
  void Picture1_Paint();

  DialogOwner& owner_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::shell
