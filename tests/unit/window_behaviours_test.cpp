// Pause, SlideOut, StayOnTop and DragWindow on the simulated platform, with
// its virtual clock.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/sim/toolkit.h"
#include "shell/layouts/form1_layout.h"
#include "shell/pause.h"
#include "shell/window_behaviours.h"

namespace quimbly::shell {
namespace {

using platform::sim::Call;
using platform::sim::ReleaseCaptureCall;
using platform::sim::SetWindowPosCall;
using platform::sim::SysCommandCall;

struct Clicks : platform::FormEvents {
  void Click(std::string_view control) override { clicked.emplace_back(control); }
  std::vector<std::string> clicked;
};

class BehavioursTest : public ::testing::Test {
 protected:
  // How long Pause(seconds) lasts when called at the given clock.
  double PauseFrom(double clock, int seconds) {
    toolkit.SetClock(clock);
    toolkit.Run([&] { Pause(toolkit, seconds); });
    return toolkit.Now() - clock;
  }

  platform::sim::SimWindowSystem windows;
  platform::sim::SimToolkit toolkit{windows};
  Clicks events;
  std::unique_ptr<platform::Form> form = toolkit.LoadForm(Form1Layout(), events);
};

TEST_F(BehavioursTest, PauseStartsFromTheClockRoundedHalfToEven) {
  EXPECT_NEAR(PauseFrom(100.4, 2), 1.6, 1e-4);
  EXPECT_NEAR(toolkit.Clock(), 102.0, 1e-4);
  EXPECT_NEAR(PauseFrom(100.5, 2), 1.5, 1e-4) << "100.5 rounds to 100";
  EXPECT_NEAR(PauseFrom(101.5, 2), 2.5, 1e-4) << "101.5 rounds to 102";
  EXPECT_NEAR(PauseFrom(100.6, 1), 1.4, 1e-4);
  EXPECT_NEAR(toolkit.Clock(), 102.0, 1e-4);
}

TEST_F(BehavioursTest, PauseAlreadyOverReturnsWithoutPumping) {
  EXPECT_NEAR(PauseFrom(100.4, 0), 0, 1e-9);
  EXPECT_EQ(toolkit.Pumps(), 0u);
}

TEST_F(BehavioursTest, PauseHandlesEventsWhileItWaitsWithoutSpinning) {
  form->Show();
  toolkit.ClickAt(100.9, "Form1", "Label4");
  toolkit.ClickAt(101.7, "Form1", "Label5");
  EXPECT_NEAR(PauseFrom(100.6, 1), 1.4, 1e-4);
  EXPECT_EQ(events.clicked, (std::vector<std::string>{"Label4", "Label5"}));
  EXPECT_LE(toolkit.Pumps(), 4u) << "one pump per event and one at the end, not a busy loop";
}

// The clock is a 32-bit float: near midnight it moves in steps of 1/128 s.
TEST_F(BehavioursTest, PauseAcrossMidnightEndsOnTime) {
  EXPECT_NEAR(PauseFrom(86399.3, 2), 1.7, 1.0 / 128);
  EXPECT_NEAR(toolkit.Clock(), 1.0, 1.0 / 128);
  EXPECT_NEAR(PauseFrom(86399.6, 2), 2.4, 1.0 / 128) << "86399.6 rounds to 86400";
  EXPECT_NEAR(toolkit.Clock(), 2.0, 1.0 / 128);
}

TEST_F(BehavioursTest, SlideOutMovesUntilBeyondTheScreenEdge) {
  toolkit.SetScreenWidth(15360);
  form->SetLeft(1500);
  toolkit.Run([&] { SlideOut(toolkit, *form); });
  EXPECT_EQ(form->Left(), 15600.0f);
  EXPECT_EQ(toolkit.Pumps(), 47u) << "47 turns, events handled before each move";
}

TEST_F(BehavioursTest, SlideOutBeyondTheEdgeStillMovesOnce) {
  toolkit.SetScreenWidth(15360);
  form->SetLeft(16005);
  toolkit.Run([&] { SlideOut(toolkit, *form); });
  EXPECT_EQ(form->Left(), 16305.0f);
  EXPECT_EQ(toolkit.Pumps(), 1u);
}

TEST_F(BehavioursTest, StayOnTopAndDragWindowMakeTheirCallsInOrder) {
  StayOnTop(windows, *form);
  DragWindow(windows, *form);
  EXPECT_EQ(windows.Calls(), (std::vector<Call>{SetWindowPosCall(form->hWnd(), platform::kHwndTopmost, 3),
                                                ReleaseCaptureCall(), SysCommandCall(form->hWnd(), 0xF012)}));
  EXPECT_TRUE(windows.Topmost(form->hWnd()));
}

}  // namespace
}  // namespace quimbly::shell
