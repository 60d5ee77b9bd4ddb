#include "mainwindow/one_copy.h"

namespace quimbly::mainwindow {

// A second start (a second click on a shortcut, the other exe) is the user
// looking for the program: it gets the running copy, and the room hears
// nothing twice.
bool IsTheOnlyCopy(platform::ProgramCopies& copies) {
  if (copies.TakeSessionMark()) return true;
  copies.BringMarkedCopyForward();
  return false;
}

}  // namespace quimbly::mainwindow
