// The first-run dialog: asks for the handle when there is no profile.
#pragma once

#include <memory>
#include <span>

#include "platform/toolkit.h"
#include "shell/dialogs/dialog_owner.h"

namespace quimbly::shell {

class Form3 final : public platform::HandledEvents<Form3> {
 public:
  explicit Form3(DialogOwner& owner);
  static std::span<const platform::Handler<Form3>> Handlers();

  void Load() {}
  platform::Form& Window() { return *window_; }

  void CloseRequested() override;

 private:
  void Label2_Click();
  void Picture1_MouseDown();
  void Picture1_Paint();

  DialogOwner& owner_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::shell
