// The program's copies in the user's session, as the system knows them: one
// runs, and a second start only brings that one forward.
#pragma once

namespace quimbly::platform {

class ProgramCopies {
 public:
  virtual ~ProgramCopies() = default;

  // Marks this process as the session's copy of the program; false when
  // another copy holds the mark. The system takes the mark away with the
  // process that holds it, however that process ends.
  virtual bool TakeSessionMark() = 0;

  // Brings the window the copy holding the mark shows (its main window or its
  // dialog) to the front, restored if minimised. A copy that does not answer
  // is given up on within a second.
  virtual void BringMarkedCopyForward() = 0;
};

}  // namespace quimbly::platform
