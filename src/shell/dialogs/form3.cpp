#include "shell/dialogs/form3.h"

#include "profile/profile_store.h"
#include "shell/banner.h"
#include "shell/layouts/form3_layout.h"
#include "shell/window_behaviours.h"

namespace quimbly::shell {

Form3::Form3(DialogOwner& owner)
    : owner_(owner), window_(owner.Toolkit().LoadForm(Form3Layout(), *this)) {}

std::span<const platform::Handler<Form3>> Form3::Handlers() {
  using namespace platform;
  static constexpr Handler<Form3> kHandlers[] = {
      OnClick("Label2", &Form3::Label2_Click),
      OnMouseDown("Picture1", &Form3::Picture1_MouseDown),
      OnPaint("Picture1", &Form3::Picture1_Paint),
  };
  return kHandlers;
}

// Closed through the system before a handle was given: the main window was
// never shown or announced, so the program simply ends rather than linger hidden.
void Form3::CloseRequested() { owner_.Toolkit().End(); }

// The handle is stored as typed; the main window shows it from the next start.
void Form3::Label2_Click() {
  profile::WriteProfileString(owner_.Files(), profile::kSection, profile::kHandleKey,
                              window_->TextBox("Text1").Text(), owner_.ProfilePath());
  owner_.ShowMainWindow();
  window_->Hide();
}

void Form3::Picture1_MouseDown() { DragWindow(owner_.Windows(), *window_); }

// Measured in twips like the other two windows' banners, so it shows their gradient.
void Form3::Picture1_Paint() { PaintBanner(window_->PictureBox("Picture1")); }

}  // namespace quimbly::shell
