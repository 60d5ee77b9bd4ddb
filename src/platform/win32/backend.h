// The real backend: the window system, toolkit and event loop of Windows.
// This header stays free of <windows.h>; the rest of the folder is not.
#pragma once

#include <memory>

#include "platform/profile_files.h"
#include "platform/program_copies.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"

namespace quimbly::platform::win32 {

std::unique_ptr<WindowSystem> MakeWindowSystem();
std::unique_ptr<Toolkit> MakeToolkit();
std::unique_ptr<ProfileFiles> MakeProfileFiles();
std::unique_ptr<ProgramCopies> MakeProgramCopies();

// Runs the user-interface thread's events until the program is ended.
int RunEventLoop();

}  // namespace quimbly::platform::win32
