#include "mainwindow/form2.h"

#include <string>

#include "mainwindow/form1.h"
#include "mainwindow/program.h"
#include "shell/dialogs/form4.h"
#include "shell/layouts/form2_layout.h"

namespace quimbly::mainwindow {

Form2::Form2(Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(shell::Form2Layout(), *this)) {}

void Form2::Load() { ShowHandle(program_.form1().Handle()); }

void Form2::ShowHandle(std::string_view handle) {
  window_->MenuItem("handle").SetCaption("handle:[" + std::string(handle) + "]");
}

std::span<const platform::Handler<Form2>> Form2::Handlers() {
  using namespace platform;
  static constexpr Handler<Form2> kHandlers[] = {
      OnClick("handle", &Form2::handle_Click),
      OnClick("exit2", &Form2::exit2_Click),
      OnClick("minimize", &Form2::minimize_Click),
  };
  return kHandlers;
}

void Form2::handle_Click() {
  program_.form4().Window().Show();
  program_.form1().Window().Hide();
}

void Form2::exit2_Click() { program_.UnloadMain(); }

void Form2::minimize_Click() { program_.form1().Window().Minimize(); }

}  // namespace quimbly::mainwindow
