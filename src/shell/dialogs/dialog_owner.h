// What the handle dialogs need of the program that opens them: its platform,
// the profile's place, and a way back to the main window. The dialogs know
// nothing of the main window itself.
#pragma once

#include <string>
#include <string_view>

#include "platform/profile_files.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace quimbly::shell {

class DialogOwner {
 public:
  virtual platform::Toolkit& Toolkit() = 0;
  virtual platform::WindowSystem& Windows() = 0;
  virtual platform::ProfileFiles& Files() = 0;
  virtual const std::string& ProfilePath() const = 0;

  // Shows the main window again as it was.
  virtual void ShowMainWindow() = 0;
  // Shows the main window again with this handle, on it and in its menu.
  virtual void ShowMainWindowWithHandle(std::string_view handle) = 0;

 protected:
  ~DialogOwner() = default;
};

}  // namespace quimbly::shell
