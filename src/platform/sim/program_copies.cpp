#include "platform/sim/program_copies.h"

namespace quimbly::platform::sim {

class SimProgramCopies final : public ProgramCopies {
 public:
  SimProgramCopies(SimSession& session, SimToolkit& toolkit) : session_(session), toolkit_(toolkit) {}

  // An ended program has let its mark go, as the system closes a process's handles.
  bool TakeSessionMark() override {
    if (session_.marked_ != nullptr && !session_.marked_->Ended()) return false;
    session_.marked_ = &toolkit_;
    return true;
  }

  void BringMarkedCopyForward() override {
    if (session_.marked_ != nullptr) session_.marked_->BringForward();
  }

 private:
  SimSession& session_;
  SimToolkit& toolkit_;
};

std::unique_ptr<ProgramCopies> SimSession::CopyOn(SimToolkit& toolkit) {
  return std::make_unique<SimProgramCopies>(*this, toolkit);
}

}  // namespace quimbly::platform::sim
