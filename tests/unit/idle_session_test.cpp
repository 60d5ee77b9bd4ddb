// Start, stop and the minute ticks of an idle session, as the room sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/announcements.h"
#include "mainwindow/form1.h"
#include "mainwindow/minute_counter.h"
#include "mainwindow/program.h"
#include "platform/codepage.h"
#include "platform/sim/host_client.h"
#include "platform/sim/toolkit.h"

namespace quimbly::mainwindow {
namespace {

using platform::sim::AddHostClient;
using platform::sim::Document;
using Lines = std::vector<std::string>;

std::string Bytes(const std::string& utf8) { return platform::Utf8ToWindows1252(utf8); }

Lines Tick(int count, const std::string& reason) {
  return {Bytes(IdleLine()), Bytes(TimeLine(std::to_string(count), reason))};
}

class IdleSessionTest : public ::testing::Test {
 protected:
  IdleSessionTest() { toolkit.Run([this] { program.Start(); }); }

  Lines Room() const { return windows.PostedLines(host.documents[0]); }
  std::string Counter() { return program.form1().Window().Label("Label7").Caption(); }
  void Reason(std::string_view text) { program.form1().Window().TextBox("Text1").SetText(text); }
  void Start() { toolkit.Click("Form1", "Label4"); }
  void Stop() { toolkit.Click("Form1", "Label5"); }
  void Minutes(double m) { toolkit.AdvanceSeconds(m * 60); }

  platform::sim::SimWindowSystem windows;
  platform::sim::HostClient host = AddHostClient(windows, {Document::Room});
  platform::sim::SimToolkit toolkit{windows};
  Program program{toolkit, windows};
};

TEST_F(IdleSessionTest, NothingIsPostedOrCountedBeforeTheFirstStart) {
  Minutes(10);
  EXPECT_TRUE(Room().empty());
  EXPECT_EQ(Counter(), "0");
}

TEST_F(IdleSessionTest, StartThenThreeTicksPostsPairsCountingUp) {
  Reason("lunch");
  Start();
  Minutes(0.99);
  EXPECT_EQ(Room(), Lines{Bytes(StartedLine())}) << "no tick before a full minute";
  Minutes(2.01);

  Lines expected = {Bytes(StartedLine())};
  for (int n = 1; n <= 3; ++n) {
    const Lines tick = Tick(n, "lunch");
    expected.insert(expected.end(), tick.begin(), tick.end());
  }
  EXPECT_EQ(Room(), expected);
  EXPECT_EQ(Counter(), "3");
}

TEST_F(IdleSessionTest, StopResetsSoTheNextSessionCountsFromOne) {
  Start();
  Minutes(2);
  Stop();
  EXPECT_EQ(Counter(), "0");
  EXPECT_EQ(Room().back(), Bytes(StoppedLine()));
  Minutes(5);
  EXPECT_EQ(Room().size(), 1u + 4 + 1) << "no ticks while stopped";

  Start();
  Minutes(1);
  const Lines room = Room();
  EXPECT_EQ(room.back(), Bytes(TimeLine("1", "reason...")));
}

TEST_F(IdleSessionTest, StopWhileOffStillPostsAndResets) {
  Stop();
  EXPECT_EQ(Room(), Lines{Bytes(StoppedLine())});
  EXPECT_EQ(Counter(), "0");
}

TEST_F(IdleSessionTest, SecondStartKeepsCountingAndKeepsTheMinuteGoing) {
  Start();
  Minutes(1.5);
  Start();
  EXPECT_EQ(Counter(), "1");
  Minutes(0.5);
  EXPECT_EQ(Counter(), "2") << "the second start did not restart the minute";
  EXPECT_EQ(Room()[3], Bytes(StartedLine()));
}

TEST_F(IdleSessionTest, ReasonIsReadAtEveryTickAndPostedAsItStands) {
  Start();
  Reason("<font color=red>brb</font>");
  Minutes(1);
  EXPECT_EQ(Room().back(), Bytes(TimeLine("1", "<font color=red>brb</font>")));
  Reason("");
  Minutes(1);
  EXPECT_EQ(Room().back(), Bytes("<font face=Arial Narrow><FONT COLOR=#0080FF>     <b>·÷^·· time: 2 min [  ]</b>"));
}

TEST_F(IdleSessionTest, SessionGoesOnWhileTheWindowIsHidden) {
  Start();
  program.form1().Window().Hide();
  Minutes(2);
  EXPECT_EQ(Counter(), "2");
  EXPECT_EQ(Room().size(), 5u);
}

TEST_F(IdleSessionTest, WithoutAHostTheSessionStillCounts) {
  windows.DestroyWindow(host.frame);
  Start();
  Minutes(3);
  EXPECT_EQ(Counter(), "3");
  host = AddHostClient(windows, {Document::Room});
  Minutes(1);
  EXPECT_EQ(Room(), Tick(4, "reason...")) << "lines resume once the client is back";
}

TEST(MinuteCounter, CountsInShortestDecimalText) {
  EXPECT_EQ(NextMinuteCount("0"), "1");
  EXPECT_EQ(NextMinuteCount("9"), "10");
  EXPECT_EQ(NextMinuteCount("59"), "60");
  EXPECT_EQ(NextMinuteCount("1439"), "1440");
  EXPECT_EQ(NextMinuteCount("99999999"), "100000000");
}

}  // namespace
}  // namespace quimbly::mainwindow
