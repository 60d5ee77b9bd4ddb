#include "shell/dialogs/form4.h"

#include "mainwindow/program.h"
#include "shell/layouts/form4_layout.h"

namespace quimbly::shell {

Form4::Form4(mainwindow::Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(Form4Layout(), *this)) {}

}  // namespace quimbly::shell
