// One copy of the program in each user's session. A start beside a running
// copy hands over to it before it reads the profile, shows a window or posts
// a line.
#pragma once

#include "platform/program_copies.h"

namespace quimbly::mainwindow {

// Whether this start goes on to run the program; if another copy runs, that
// copy is brought forward instead.
bool IsTheOnlyCopy(platform::ProgramCopies& copies);

}  // namespace quimbly::mainwindow
