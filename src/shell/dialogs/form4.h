// The change-handle dialog: takes a new handle, confirmed with Enter.
#pragma once

#include <memory>
#include <string_view>

#include "platform/toolkit.h"

namespace quimbly::mainwindow {
class Program;
}

namespace quimbly::shell {

class Form4 final : public platform::FormEvents {
 public:
  explicit Form4(mainwindow::Program& program);

  void Load() {}
  platform::Form& Window() { return *window_; }

 private:
  mainwindow::Program& program_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::shell
