// The main window: the idle session's Start and Stop areas and its minute timer.
#pragma once

#include <memory>
#include <string_view>

#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace quimbly::mainwindow {

class Form1 final : public platform::FormEvents {
 public:
  Form1(platform::Toolkit& toolkit, platform::WindowSystem& ws);

  void Load();
  platform::Form& Window() { return *window_; }

  void Click(std::string_view control) override;
  void TimerTick(std::string_view timer) override;

 private:
  void Label4_Click();
  void Label5_Click();
  void Timer1_Timer();

  platform::WindowSystem& ws_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::mainwindow
