// The main window: the idle session's Start and Stop areas, the minute timer,
// and the off-screen label that holds the handle.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/toolkit.h"

namespace quimbly::mainwindow {

class Program;

class Form1 final : public platform::FormEvents {
 public:
  explicit Form1(Program& program);

  void Load();
  platform::Form& Window() { return *window_; }
  std::string Handle() { return window_->Label("handle").Caption(); }

  void Click(std::string_view control) override;
  void TimerTick(std::string_view timer) override;

 private:
  void Label4_Click();
  void Label5_Click();
  void Timer1_Timer();

  Program& program_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::mainwindow
