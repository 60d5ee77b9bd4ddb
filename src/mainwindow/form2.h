// The menu holder: never shown, it owns the main window's pop-up menu.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/toolkit.h"

namespace quimbly::mainwindow {

class Program;

class Form2 final : public platform::HandledEvents<Form2> {
 public:
  explicit Form2(Program& program);
  static std::span<const platform::Handler<Form2>> Handlers();

  void Load();
  platform::Form& Window() { return *window_; }
  // The handle item shows the current handle in brackets.
  void ShowHandle(std::string_view handle);

 private:
  void handle_Click();
  void exit2_Click();
  void minimize_Click();

  Program& program_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::mainwindow
