// The first-run dialog: asks for the handle when there is no profile.
#pragma once

#include <memory>
#include <string_view>

#include "platform/toolkit.h"
#include "shell/dialogs/dialog_owner.h"

namespace quimbly::shell {

class Form3 final : public platform::FormEvents {
 public:
  explicit Form3(DialogOwner& owner);

  void Load() {}
  platform::Form& Window() { return *window_; }

  void Click(std::string_view control) override;
  void MouseDown(std::string_view control) override;
  void CloseRequested() override;
  void Paint(std::string_view control) override;

 private:
  void Label2_Click();
  void Picture1_MouseDown();

  void Picture1_Paint();

  DialogOwner& owner_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::shell
