#pragma once

#include <windows.h>

#include "platform/layout.h"
#include "platform/toolkit.h"

namespace quimbly::platform::win32 {

// A form's timer: a system timer on the form's window, on only while enabled.
class TimerControl final : public platform::Timer {
 public:
  TimerControl(const ControlLayout& layout, HWND form, UINT_PTR id)
      : layout_(layout), form_(form), id_(id) {}

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) override;

  std::string_view Name() const { return layout_.name; }
  UINT_PTR Id() const { return id_; }

 private:
  const ControlLayout& layout_;
  HWND form_;
  UINT_PTR id_;
  bool enabled_ = false;
};

}  // namespace quimbly::platform::win32
