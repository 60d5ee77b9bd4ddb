// gdi-probe: makes each of the program's forms with the real backend, shows
// it until it has painted (its banners too, into their images) and destroys
// it, as many times as asked; the toolkit goes last. Under Wine's relay
// trace the end-to-end test sees every GDI object this image made and freed:
// none may be left.
//   gdi-probe.exe [cycles]     (10 unless told)
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string_view>

#include "platform/win32/backend.h"
#include "shell/banner.h"
#include "shell/layouts/form1_layout.h"
#include "shell/layouts/form2_layout.h"
#include "shell/layouts/form3_layout.h"
#include "shell/layouts/form4_layout.h"

namespace {

using namespace quimbly;

// Paints the banners as the program's handlers do; binds nothing else.
class BannerEvents final : public platform::FormEvents {
 public:
  std::vector<platform::EventBinding> Bindings() const override { return {}; }
  void Raise(std::string_view control, platform::Event event, int&) override {
    if (event == platform::Event::Paint && form != nullptr) shell::PaintBanner(form->PictureBox(control));
  }
  platform::Form* form = nullptr;
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command, int) {
  const int cycles = *command != '\0' ? std::atoi(command) : 10;
  auto toolkit = platform::win32::MakeToolkit();
  for (int i = 0; i < cycles; ++i) {
    for (const platform::FormLayout* layout :
         {&shell::Form1Layout(), &shell::Form2Layout(), &shell::Form3Layout(), &shell::Form4Layout()}) {
      BannerEvents events;
      const std::unique_ptr<platform::Form> form = toolkit->LoadForm(*layout, events);
      events.form = form.get();
      form->Show();
      toolkit->DoEvents();
    }
  }
  return 0;
}
