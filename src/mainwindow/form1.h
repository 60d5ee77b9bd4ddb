// The main window: start-up and unload announcements, the close and minimise
// marks, the File menu, the idle session's Start and Stop areas and its
// minute timer, and the off-screen label that holds the handle.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/toolkit.h"

namespace quimbly::mainwindow {

class Program;

class Form1 final : public platform::HandledEvents<Form1> {
 public:
  explicit Form1(Program& program);
  static std::span<const platform::Handler<Form1>> Handlers();

  void Load();
  void Unload();
  platform::Form& Window() { return *window_; }
  std::string Handle() { return window_->Label("handle").Caption(); }
  void SetHandle(std::string_view handle) { window_->Label("handle").SetCaption(handle); }

  void CloseRequested() override;
  void SessionEnding() override;

 private:
  void Label1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label4_Click();
  void Label5_Click();
  void Picture2_MouseDown();
  void Picture2_Paint();
  void Timer1_Timer();

  Program& program_;
  std::unique_ptr<platform::Form> window_;
};

}  // namespace quimbly::mainwindow
