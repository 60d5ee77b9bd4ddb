// The whole program on the simulated platform, with a host client holding one
// chat room: what the program-level tests start from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mainwindow/announcements.h"
#include "mainwindow/form1.h"
#include "mainwindow/program.h"
#include "platform/codepage.h"
#include "platform/sim/host_client.h"
#include "platform/sim/profile_files.h"
#include "platform/sim/toolkit.h"

namespace quimbly::testing {

using Lines = std::vector<std::string>;

// An announcement as the room receives it.
inline std::string Bytes(const std::string& utf8) { return platform::Utf8ToWindows1252(utf8); }

inline const std::string kProfile{platform::sim::SimProfileFiles::kDefaultPath};

struct SimProgram {
  SimProgram() { toolkit.SetClock(36000); }

  // A profile holding the handle, as an earlier run's dialog would leave it.
  void GiveProfile(std::string_view handle) {
    files.Put(kProfile, {.bytes = "[qbv1]\r\nHANDLE=" + platform::Utf8ToWindows1252(handle) + "\r\n"});
  }
  void Start() { toolkit.Run([this] { program.Start(); }); }
  // Start-up with a profile, through its two-second pause; the room's lines
  // from here on are what Room() shows.
  void StartAnnounced(std::string_view handle = "Jo") {
    GiveProfile(handle);
    Start();
    toolkit.AdvanceSeconds(3);
    seen = windows.PostedLines(host.documents[0]).size();
  }

  Lines AllLines() const { return windows.PostedLines(host.documents[0]); }
  Lines Room() const {
    const Lines all = AllLines();
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(std::min(seen, all.size())), all.end());
  }
  platform::Form& Main() { return program.form1().Window(); }
  std::string Counter() { return Main().Label("Label7").Caption(); }
  std::string Profile() const {
    const auto file = files.Get(kProfile);
    return file ? file->bytes : "(none)";
  }

  platform::sim::SimWindowSystem windows;
  platform::sim::HostClient host = platform::sim::AddHostClient(windows, {platform::sim::Document::Room});
  platform::sim::SimProfileFiles files;
  platform::sim::SimToolkit toolkit{windows};
  mainwindow::Program program{toolkit, windows, files};
  std::size_t seen = 0;
};

}  // namespace quimbly::testing
