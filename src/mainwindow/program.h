// The program's four windows, each loaded on first use and kept loaded while
// hidden; its Load handler runs once, when it is first loaded.
#pragma once

#include <memory>
#include <string>

#include "platform/profile_files.h"
#include "platform/toolkit.h"
#include "platform/window_system.h"
#include "shell/dialogs/dialog_owner.h"

namespace quimbly::shell {
class Form3;
class Form4;
}  // namespace quimbly::shell

namespace quimbly::mainwindow {

class Form1;
class Form2;

class Program final : public shell::DialogOwner {
 public:
  Program(platform::Toolkit& toolkit, platform::WindowSystem& ws, platform::ProfileFiles& files);
  ~Program();

  // Loads the startup window; its Load decides what the user sees first.
  void Start();
  // Unloads the main window (its Unload announces it), and so the program ends.
  void UnloadMain();

  Form1& form1();
  Form2& form2();
  shell::Form3& form3();
  shell::Form4& form4();

  platform::Toolkit& Toolkit() override { return toolkit_; }
  platform::WindowSystem& Windows() override { return ws_; }
  platform::ProfileFiles& Files() override { return files_; }
  const std::string& ProfilePath() const override { return profilePath_; }

  void ShowMainWindow() override;
  void ShowMainWindowWithHandle(std::string_view handle) override;

 private:
  platform::Toolkit& toolkit_;
  platform::WindowSystem& ws_;
  platform::ProfileFiles& files_;
  const std::string profilePath_;  // decided once per run
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<shell::Form3> form3_;
  std::unique_ptr<shell::Form4> form4_;
};

}  // namespace quimbly::mainwindow
