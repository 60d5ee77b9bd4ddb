// One copy in the user's session: a start beside a running copy brings that
// copy's shown window forward and goes no further; once the running copy has
// ended, by any way out, the next start runs.
#include "mainwindow/one_copy.h"
#include "platform/sim/program_copies.h"
#include "sim_program.h"

namespace quimbly::testing {
namespace {

using platform::sim::SimSession;
using platform::sim::SimToolkit;

TEST(OneCopy, ASecondStartBringsTheRunningCopysShownWindowForward) {
  const struct { const char* running; bool profile; bool minimised; const char* shown; } cases[] = {
      {"the main window", true, false, "Form1"},
      {"the main window, minimised", true, true, "Form1"},
      {"the first-run dialog", false, false, "Form3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.running);
    SimSession session;
    SimProgram running;
    ASSERT_TRUE(IsTheOnlyCopy(*session.CopyOn(running.toolkit)));
    if (c.profile) {
      running.StartAnnounced();
    } else {
      running.Start();
    }
    if (c.minimised) running.Main().Minimize();
    const std::string shown = running.Shown();

    SimToolkit second{running.windows};
    EXPECT_FALSE(IsTheOnlyCopy(*session.CopyOn(second)));
    EXPECT_EQ(running.toolkit.Foreground(), running.Form(c.shown).hWnd());
    EXPECT_FALSE(running.Form(c.shown).Minimized());
    EXPECT_EQ(running.Shown(), shown) << "the hidden forms stay hidden";
  }
}

TEST(OneCopy, TheMarkGoesWithTheProgramThatHeldIt) {
  const struct { const char* way; std::function<void(SimProgram&)> out; } ways[] = {
      {"the close mark", [](SimProgram& p) { p.Click("Form1", "Label1"); }},
      {"File > exit", [](SimProgram& p) { p.Choose("exit2"); }},
      {"the session's end", [](SimProgram& p) { p.toolkit.EndSession(); }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    SimSession session;
    SimProgram first, next;
    ASSERT_TRUE(IsTheOnlyCopy(*session.CopyOn(first.toolkit)));
    first.StartAnnounced();
    EXPECT_FALSE(IsTheOnlyCopy(*session.CopyOn(next.toolkit))) << "while the first runs";
    w.out(first);
    ASSERT_TRUE(first.toolkit.Ended());
    EXPECT_TRUE(IsTheOnlyCopy(*session.CopyOn(next.toolkit))) << "once the first has ended";
    SimToolkit third{next.windows};
    EXPECT_FALSE(IsTheOnlyCopy(*session.CopyOn(third))) << "the next start holds the mark in turn";
  }
}

}  // namespace
}  // namespace quimbly::testing
