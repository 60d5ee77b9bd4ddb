#include "platform/win32/timer.h"

namespace quimbly::platform::win32 {

void TimerControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;  // a running timer keeps its countdown
  enabled_ = enabled;
  if (enabled) {
    SetTimer(form_, id_, static_cast<UINT>(layout_.intervalMs), nullptr);
  } else {
    KillTimer(form_, id_);
  }
}

}  // namespace quimbly::platform::win32
