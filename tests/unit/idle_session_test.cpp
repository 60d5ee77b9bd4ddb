// Start, stop and the minute ticks of an idle session, as the room sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/minute_counter.h"
#include "sim_program.h"

namespace quimbly::mainwindow {
namespace {

using testing::Bytes;
using testing::Lines;

Lines Tick(int count, const std::string& reason) {
  return {Bytes(IdleLine()), Bytes(TimeLine(std::to_string(count), reason))};
}

class IdleSessionTest : public ::testing::Test {
 protected:
  IdleSessionTest() { sim.StartAnnounced(); }

  Lines Room() const { return sim.Room(); }
  std::string Counter() { return sim.Counter(); }
  void Reason(std::string_view text) { sim.Main().TextBox("Text1").SetText(text); }
  void Start() { sim.toolkit.Click("Form1", "Label4"); }
  void Stop() { sim.toolkit.Click("Form1", "Label5"); }
  void Minutes(double m) { sim.toolkit.AdvanceSeconds(m * 60); }

  testing::SimProgram sim;
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
  sim.Main().Hide();
  Minutes(2);
  EXPECT_EQ(Counter(), "2");
  EXPECT_EQ(Room().size(), 5u);
}

TEST_F(IdleSessionTest, WithoutAHostTheSessionStillCounts) {
  sim.windows.DestroyWindow(sim.host.frame);
  Start();
  Minutes(3);
  EXPECT_EQ(Counter(), "3");
  sim.host = platform::sim::AddHostClient(sim.windows, {platform::sim::Document::Room});
  sim.seen = 0;
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
