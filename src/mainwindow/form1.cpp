#include "mainwindow/form1.h"

#include "chatlink/chat_send.h"
#include "mainwindow/announcements.h"
#include "mainwindow/form2.h"
#include "mainwindow/minute_counter.h"
#include "mainwindow/program.h"
#include "profile/profile_store.h"
#include "shell/banner.h"
#include "shell/dialogs/form3.h"
#include "shell/layouts/form1_layout.h"
#include "shell/pause.h"
#include "shell/window_behaviours.h"

namespace quimbly::mainwindow {

using chatlink::ChatSend;

namespace {
constexpr float kMenuLeftTwips = 1000;
}

Form1::Form1(Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(shell::Form1Layout(), *this)) {}

std::span<const platform::Handler<Form1>> Form1::Handlers() {
  using namespace platform;
  static constexpr Handler<Form1> kHandlers[] = {
      OnClick("Label1", &Form1::Label1_Click),
      OnClick("Label2", &Form1::Label2_Click),
      OnClick("Label3", &Form1::Label3_Click),
      OnClick("Label4", &Form1::Label4_Click),
      OnClick("Label5", &Form1::Label5_Click),
      OnMouseDown("Picture2", &Form1::Picture2_MouseDown),
      OnPaint("Picture2", &Form1::Picture2_Paint),
      OnTimer("Timer1", &Form1::Timer1_Timer),
  };
  return kHandlers;
}

// With a profile the user sees the main window and the room hears of it two
// seconds later; without one, only the first-run dialog shows.
void Form1::Load() {
  shell::StayOnTop(program_.Windows(), *window_);
  if (profile::FileExists(program_.Files(), program_.ProfilePath())) {
    program_.form3().Window().Hide();
    window_->Show();
    SetHandle(profile::ReadProfileString(program_.Files(), profile::kSection, profile::kHandleKey,
                                         program_.ProfilePath()));
    shell::Pause(program_.Toolkit(), 2);
    ChatSend(program_.Windows(), ByLine());
    ChatSend(program_.Windows(), LoadedLine(Handle()));
  } else {
    program_.form3().Window().Show();
    window_->Hide();
  }
}

void Form1::Unload() {
  ChatSend(program_.Windows(), ByLine());
  ChatSend(program_.Windows(), UnloadedLine(Handle()));
}

void Form1::CloseRequested() { program_.UnloadMain(); }

// Unloaded as by any other way out, hidden or not, so the room hears of it.
void Form1::SessionEnding() { program_.UnloadMain(); }

// The close mark: the window glides off the screen, then the program ends.
void Form1::Label1_Click() {
  shell::SlideOut(program_.Toolkit(), *window_);
  program_.UnloadMain();
}

void Form1::Label2_Click() { window_->Minimize(); }

// The File area opens the menu holder's menu.
void Form1::Label3_Click() { program_.form2().Window().Menu("exit").PopUp(*window_, kMenuLeftTwips); }

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

void Form1::Picture2_MouseDown() { shell::DragWindow(program_.Windows(), *window_); }

void Form1::Picture2_Paint() { shell::PaintBanner(window_->PictureBox("Picture2")); }

void Form1::Timer1_Timer() {
  platform::Label& counter = window_->Label("Label7");
  counter.SetCaption(NextMinuteCount(counter.Caption()));
  ChatSend(program_.Windows(), IdleLine());
  ChatSend(program_.Windows(), TimeLine(counter.Caption(), window_->TextBox("Text1").Text()));
}

}  // namespace quimbly::mainwindow
