// A whole day of an idle session in virtual time: 1440 ticks, each counted
// right, with the program's memory not growing along the way.
#include <gtest/gtest.h>

#include <malloc.h>

#include <string>

#include "sim_program.h"

namespace quimbly::testing {
namespace {

// Bytes the heap hands out at the moment (glibc).
std::size_t HeapInUse() { return mallinfo2().uordblks; }

TEST(LongSession, DayOfTicksCountsEveryMinuteWithoutGrowing) {
  SimProgram sim;
  sim.StartAnnounced("Jo");
  sim.Main().TextBox("Text1").SetText("away for the day");
  const double started = sim.toolkit.Now();
  sim.toolkit.Click("Form1", "Label4");
  std::size_t heapAfterAnHour = 0;
  for (int minute = 1; minute <= 1440; ++minute) {
    sim.toolkit.AdvanceSeconds(60);
    const Lines room = sim.Room();
    ASSERT_EQ(room.size(), minute == 1 ? 3u : 2u) << "minute " << minute;
    ASSERT_EQ(room.back(), Bytes(mainwindow::TimeLine(std::to_string(minute), "away for the day")))
        << "minute " << minute;
    ASSERT_EQ(sim.Counter(), std::to_string(minute));
    // What the room and the call log keep is the simulator's, not the program's.
    sim.windows.ClearPostedLines(sim.host.documents[0]);
    sim.windows.ClearCalls();
    sim.seen = 0;
    if (minute == 60) heapAfterAnHour = HeapInUse();
  }
  EXPECT_LE(HeapInUse(), heapAfterAnHour + 4096) << "the heap grew over 23 hours";
  EXPECT_NEAR(sim.toolkit.Now() - started, 86400, 1e-6) << "the day passed midnight on time";
}

}  // namespace
}  // namespace quimbly::testing
