// The whole program on the simulated platform, with a host client holding one
// chat room: what the program-level tests start from.
#pragma once

#include <gtest/gtest.h>

#include "mainwindow/announcements.h"
#include "mainwindow/form1.h"
#include "mainwindow/program.h"
#include "platform/sim/codepage.h"
#include "platform/sim/host_client.h"
#include "platform/sim/profile_files.h"
#include "platform/sim/toolkit.h"

namespace quimbly::testing {

using namespace mainwindow;
using Lines = std::vector<std::string>;

// An announcement as the room receives it.
inline std::string Bytes(const std::string& utf8) { return platform::sim::Utf8ToWindows1252(utf8); }
inline const std::string kProfile{platform::sim::SimProfileFiles::kDefaultPath};

struct SimProgram {
  SimProgram() { toolkit.SetClock(36000); }

  // A profile holding the handle, as an earlier run's dialog would leave it.
  void GiveProfile(const std::string& handle) { files.Put(kProfile, {.bytes = "[qbv1]\r\nHANDLE=" + Bytes(handle) + "\r\n"}); }
  void Start() { toolkit.Run([this] { program.Start(); }); }
  // Start-up with a profile, past its pause; Room() shows the lines after it.
  void StartAnnounced(const std::string& handle = "Jo") {
    GiveProfile(handle);
    Start();
    toolkit.AdvanceSeconds(3);
    seen = AllLines().size();
  }

  Lines AllLines() const { return windows.PostedLines(host.documents[0]); }
  Lines Room() const {
    Lines all = AllLines();
    return Lines(all.begin() + std::min<std::ptrdiff_t>(seen, all.size()), all.end());
  }
  // The loaded forms in order, a hidden one in brackets: "Form1 [Form3]".
  std::string Shown() const {
    std::string shown;
    for (const std::string name : {"Form1", "Form2", "Form3", "Form4"}) {
      if (toolkit.IsLoaded(name)) shown += (shown.empty() ? "" : " ") + (Form(name).Visible() ? name : "[" + name + "]");
    }
    return shown;
  }
  platform::sim::SimForm& Form(std::string_view name) const { return toolkit.FindForm(name); }
  platform::sim::SimForm& Main() const { return Form("Form1"); }
  std::string Counter() { return Main().Label("Label7").Caption(); }
  std::string Profile() const { return files.Get(kProfile) ? files.Get(kProfile)->bytes : "(none)"; }
  void Click(std::string_view form, std::string_view control) { toolkit.Press(form, control); }
  // The user empties the dialog's box and types the keys into it.
  void TypeAfresh(std::string_view form, std::string_view keys) {
    Form(form).TextBox("Text1").SetText("");
    toolkit.Type(form, "Text1", keys);
  }
  // Opens the main window's menu and takes the item ("" dismisses it).
  void Choose(std::string_view item) {
    toolkit.ChooseFromNextPopup(item);
    Click("Form1", "Label3");
  }
  void CloseRequested(std::string_view form) { toolkit.Run([&] { Form(form).Events().CloseRequested(); }); }
  void Reason(std::string_view text) { Main().TextBox("Text1").SetText(text); }
  void StartIdle() { Click("Form1", "Label4"); }
  void StopIdle() { Click("Form1", "Label5"); }
  void Minutes(double m) { toolkit.AdvanceSeconds(m * 60); }

  platform::sim::SimWindowSystem windows;
  platform::sim::HostClient host = platform::sim::AddHostClient(windows, {platform::sim::Document::Room});
  platform::sim::SimProfileFiles files;
  platform::sim::SimToolkit toolkit{windows};
  mainwindow::Program program{toolkit, windows, files};
  std::size_t seen = 0;
};

// Started with the handle Jo, announced.
class RunningTest : public ::testing::Test, public SimProgram {
 protected:
  RunningTest() { StartAnnounced(); }
};

}  // namespace quimbly::testing
