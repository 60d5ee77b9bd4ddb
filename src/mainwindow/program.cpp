#include "mainwindow/program.h"

#include "mainwindow/form1.h"
#include "mainwindow/form2.h"
#include "shell/dialogs/form3.h"
#include "shell/dialogs/form4.h"

namespace quimbly::mainwindow {
namespace {

// The form is kept before its Load runs, so a handler reached during Load
// finds it loaded instead of loading it twice.
template <typename FormClass>
FormClass& LoadOnce(std::unique_ptr<FormClass>& slot, Program& program) {
  if (!slot) {
    slot = std::make_unique<FormClass>(program);
    slot->Load();
  }
  return *slot;
}

}  // namespace

Program::Program(platform::Toolkit& toolkit, platform::WindowSystem& ws, platform::ProfileFiles& files)
    : toolkit_(toolkit), ws_(ws), files_(files), profilePath_(files.ProfilePath()) {}

Program::~Program() = default;

void Program::Start() { form1(); }

// No window is left behind, hidden or not: the program ends with its main window.
void Program::UnloadMain() {
  form1().Unload();
  toolkit_.End();
}

void Program::ShowMainWindow() { form1().Window().Show(); }

// The menu shows the handle as the main window now holds it.
void Program::ShowMainWindowWithHandle(std::string_view handle) {
  Form1& main = form1();
  main.SetHandle(handle);
  form2().ShowHandle(main.Handle());
  main.Window().Show();
}

Form1& Program::form1() { return LoadOnce(form1_, *this); }
Form2& Program::form2() { return LoadOnce(form2_, *this); }
shell::Form3& Program::form3() { return LoadOnce(form3_, *this); }
shell::Form4& Program::form4() { return LoadOnce(form4_, *this); }

}  // namespace quimbly::mainwindow
