#include "mainwindow/form2.h"

#include "mainwindow/form1.h"
#include "mainwindow/program.h"
#include "shell/layouts/form2_layout.h"

namespace quimbly::mainwindow {

Form2::Form2(Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(shell::Form2Layout(), *this)) {}

void Form2::Load() {
  window_->MenuItem("handle").SetCaption("handle:[" + program_.form1().Handle() + "]");
}

void Form2::Click(std::string_view /*control*/) {}

}  // namespace quimbly::mainwindow
