#include "shell/dialogs/form4.h"

#include <string>

#include "profile/profile_store.h"
#include "shell/banner.h"
#include "shell/layouts/form4_layout.h"
#include "shell/pause.h"
#include "shell/window_behaviours.h"

namespace quimbly::shell {

namespace {
constexpr int kEnter = 13;
}

Form4::Form4(DialogOwner& owner)
    : owner_(owner), window_(owner.Toolkit().LoadForm(Form4Layout(), *this)) {}

// The first opening in a run drops the profile; later openings keep it.
void Form4::Load() {
  if (profile::FileExists(owner_.Files(), owner_.ProfilePath())) {
    profile::DeleteProfile(owner_.Files(), owner_.ProfilePath());
  }
}

std::span<const platform::Handler<Form4>> Form4::Handlers() {
  using namespace platform;
  static constexpr Handler<Form4> kHandlers[] = {
      OnKeyPress("Text1", &Form4::Text1_KeyPress),
      OnClick("Picture1", &Form4::Picture1_Click),
      OnPaint("Picture1", &Form4::Picture1_Paint),
  };
  return kHandlers;
}

// Closed through the system: back to the main window, so it is never left
// with no window to show.
void Form4::CloseRequested() {
  owner_.ShowMainWindow();
  window_->Hide();
}

// What is shown is what the file gives back after the write, not what was typed.
void Form4::Text1_KeyPress(int& key) {
  if (key != kEnter) return;
  profile::WriteProfileString(owner_.Files(), profile::kSection, profile::kHandleKey,
                              window_->TextBox("Text1").Text(), owner_.ProfilePath());
  Pause(owner_.Toolkit(), 1);
  const std::string handle =
      profile::ReadProfileString(owner_.Files(), profile::kSection, profile::kHandleKey, owner_.ProfilePath());
  owner_.ShowMainWindowWithHandle(handle);
  window_->Hide();
}

void Form4::Picture1_Click() { DragWindow(owner_.Windows(), *window_); }

void Form4::Picture1_Paint() { PaintBanner(window_->PictureBox("Picture1")); }

}  // namespace quimbly::shell
