// The user's session as simulated copies of the program share it: the mark
// one copy holds until its program ends, and that copy's forms.
#pragma once

#include <memory>

#include "platform/program_copies.h"
#include "platform/sim/toolkit.h"

namespace quimbly::platform::sim {

class SimSession {
 public:
  // The session as the copy running on that toolkit sees it.
  std::unique_ptr<ProgramCopies> CopyOn(SimToolkit& toolkit);

 private:
  friend class SimProgramCopies;
  SimToolkit* marked_ = nullptr;  // the copy holding the mark, ended or not
};

}  // namespace quimbly::platform::sim
