#include "mainwindow/form1.h"

#include "chatlink/chat_send.h"
#include "mainwindow/announcements.h"
#include "mainwindow/minute_counter.h"
#include "mainwindow/program.h"
#include "shell/layouts/form1_layout.h"

namespace quimbly::mainwindow {

using chatlink::ChatSend;

Form1::Form1(Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(shell::Form1Layout(), *this)) {}

void Form1::Load() { window_->Show(); }

void Form1::Click(std::string_view control) {
  if (control == "Label4") Label4_Click();
  else if (control == "Label5") Label5_Click();
}

void Form1::TimerTick(std::string_view timer) {
  if (timer == "Timer1") Timer1_Timer();
}

// Start: a start while running keeps counting; only Stop resets the counter.
void Form1::Label4_Click() {
  window_->Timer("Timer1").SetEnabled(true);
  ChatSend(program_.Windows(), StartedLine());
}

void Form1::Label5_Click() {
  window_->Timer("Timer1").SetEnabled(false);
  ChatSend(program_.Windows(), StoppedLine());
  window_->Label("Label7").SetCaption("0");
}

void Form1::Timer1_Timer() {
  platform::Label& counter = window_->Label("Label7");
  counter.SetCaption(NextMinuteCount(counter.Caption()));
  ChatSend(program_.Windows(), IdleLine());
  ChatSend(program_.Windows(), TimeLine(counter.Caption(), window_->TextBox("Text1").Text()));
}

}  // namespace quimbly::mainwindow
