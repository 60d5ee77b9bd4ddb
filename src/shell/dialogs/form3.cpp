#include "shell/dialogs/form3.h"

#include "mainwindow/program.h"
#include "shell/layouts/form3_layout.h"

namespace quimbly::shell {

Form3::Form3(mainwindow::Program& program)
    : program_(program), window_(program.Toolkit().LoadForm(Form3Layout(), *this)) {}

}  // namespace quimbly::shell
