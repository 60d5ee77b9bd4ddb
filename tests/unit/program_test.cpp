// The program's flows: first run, start-up, the idle session's minute ticks
// (up to a day of them in virtual time), the window commands, the dialogs.
#include <malloc.h>

#include "sim_program.h"

namespace quimbly::testing {
namespace {

using namespace platform::sim;

Lines Goodbye(const std::string& handle) { return {Bytes(ByLine()), Bytes(UnloadedLine(handle))}; }
// The pair of lines each minute posts.
Lines Tick(int count, const std::string& reason = "reason...") {
  return {Bytes(IdleLine()), Bytes(TimeLine(std::to_string(count), reason))};
}
Lines operator+(Lines a, const Lines& b) { return a.insert(a.end(), b.begin(), b.end()), a; }
const Lines kStarted = {Bytes(StartedLine())}, kStopped = {Bytes(StoppedLine())};

// With a profile the main window shows (on top first) and the room hears of it
// two seconds on; a start clicked meanwhile runs first, a close ends it all.
TEST(StartUp, WithAProfileAnnouncesAfterTwoSeconds) {
  const struct { const char* profile; const char* click; const char* handle; Lines room; } cases[] = {
      {"[qbv1]\r\nHANDLE=Jo\r\n", "", "Jo", {Bytes(ByLine()), Bytes(LoadedLine("Jo"))}},
      {"[qbv1]\r\nHANDLE=Jo\r\n", "Label4", "Jo", kStarted + Lines{Bytes(ByLine()), Bytes(LoadedLine("Jo"))}},
      {"[qbv1]\r\nHANDLE=Jo\r\n", "Label1", "Jo", Goodbye("Jo")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.profile) + (*c.click ? ", then a click on " : "") + c.click);
    SimProgram sim;
    sim.files.Put(kProfile, {.bytes = c.profile});
    if (*c.click) sim.toolkit.At(36001, [&] { sim.Click("Form1", c.click); });
    sim.Start();
    ASSERT_FALSE(sim.windows.Calls().empty());
    EXPECT_EQ(sim.windows.Calls().front(), CallText("SetWindowPos", sim.Main().hWnd(), platform::kHwndTopmost, 0, 0, 0, 0, 3));
    EXPECT_EQ(sim.Shown(), "Form1 [Form3]");
    EXPECT_EQ(sim.program.form1().Handle(), c.handle);
    EXPECT_EQ(sim.AllLines(), c.room);
    EXPECT_EQ(sim.toolkit.Ended(), std::string(c.click) == "Label1");
    if (sim.toolkit.Ended()) {
      sim.toolkit.AdvanceSeconds(120);
      EXPECT_EQ(sim.AllLines(), c.room) << "nothing runs after the end";
    } else {
      EXPECT_NEAR(sim.toolkit.Now(), 36002.0, 1e-3);
    }
  }
}

// Without a profile only the dialog shows. Ok stores the text as it stands
// and shows the main window, unannounced.
TEST(FirstRun, DialogStoresTheHandleAndShowsTheMainWindowUnannounced) {
  for (const std::string typed : {"", "Jo"}) {
    SCOPED_TRACE(typed.empty() ? "nothing typed" : "Jo typed");
    SimProgram sim;
    sim.Start();
    EXPECT_EQ(sim.Shown(), "[Form1] Form3");
    if (!typed.empty()) sim.TypeAfresh("Form3", typed);
    sim.toolkit.AdvanceSeconds(10);
    sim.Click("Form3", "Label2");
    EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=" + std::string(typed.empty() ? "...handle" : "Jo") + "\r\n");
    EXPECT_EQ(sim.Shown(), "Form1 [Form3]");
    EXPECT_EQ(sim.program.form1().Handle(), "");
    sim.toolkit.AdvanceSeconds(10);
    EXPECT_TRUE(sim.AllLines().empty());
  }
}

TEST_F(RunningTest, IdleTicksPostPairsCountingUpWithTheReasonAsItStands) {
  Minutes(10);
  EXPECT_TRUE(Room().empty()) << "nothing before the first start";
  EXPECT_EQ(Counter(), "0");
  Reason("lunch");
  StartIdle();
  Minutes(0.99);
  EXPECT_EQ(Room(), kStarted) << "no tick before a full minute";
  Minutes(2.01);
  EXPECT_EQ(Room(), kStarted + Tick(1, "lunch") + Tick(2, "lunch") + Tick(3, "lunch"));
  EXPECT_EQ(Counter(), "3");
  Reason("<font color=red>brb</font>");  // read at every tick, posted unescaped
  Minutes(1);
  EXPECT_EQ(Room().back(), Bytes(TimeLine("4", "<font color=red>brb</font>")));
  Reason("");
  Main().Hide();  // the session goes on while the window is hidden
  Minutes(2);
  EXPECT_EQ(Room().back(), Bytes(TimeLine("6", "")));
  windows.DestroyWindow(host.frame);  // and while the client is gone
  Minutes(3);
  EXPECT_EQ(Counter(), "9");
  host = AddHostClient(windows, {Document::Room});
  seen = 0;
  Minutes(1);
  EXPECT_EQ(Room(), Tick(10, "")) << "lines resume once the client is back";
}

// A second start keeps the count and the minute going; only a stop resets.
TEST_F(RunningTest, OnlyStopResetsTheCount) {
  StopIdle();
  EXPECT_EQ(Counter(), "0");
  StartIdle();
  Minutes(1.5);
  StartIdle();
  EXPECT_EQ(Counter(), "1");
  Minutes(0.5);
  EXPECT_EQ(Counter(), "2");
  StopIdle();
  EXPECT_EQ(Counter(), "0");
  Minutes(5);
  EXPECT_EQ(Room(), kStopped + kStarted + Tick(1) + kStarted + Tick(2) + kStopped) << "no ticks while stopped";
  StartIdle();
  Minutes(1);
  EXPECT_EQ(Room().back(), Bytes(TimeLine("1", "reason...")));
}

TEST_F(RunningTest, DayOfTicksCountsEveryMinuteWithoutTheHeapGrowing) {
  Reason("away for the day");
  const double started = toolkit.Now();
  StartIdle();
  std::size_t heapAfterAnHour = 0;
  for (int minute = 1; minute <= 1440; ++minute) {
    SCOPED_TRACE(minute);
    Minutes(1);
    ASSERT_EQ(Room(), (minute == 1 ? kStarted : Lines{}) + Tick(minute, "away for the day"));
    ASSERT_EQ(Counter(), std::to_string(minute));
    // What the room and the call log keep is the simulator's, not the program's.
    windows.ClearPostedLines(host.documents[0]);
    windows.ClearCalls();
    seen = 0;
    if (minute == 60) heapAfterAnHour = mallinfo2().uordblks;
  }
  EXPECT_LE(mallinfo2().uordblks, heapAfterAnHour + 4096) << "the heap grew over 23 hours";
  EXPECT_NEAR(toolkit.Now() - started, 86400, 1e-6) << "the day passed midnight on time";
}

// Only the close mark slides the window off screen before the unload line and
// the end. The menu is Form2's, loaded on first use; picking nothing only looks.
TEST(MainWindow, Commands) {
  const struct { const char* mark; const char* item; Lines room; bool ends, slides, minimised; } cases[] = {
      {"Label1", nullptr, Goodbye("Jo"), true, true, false}, {nullptr, "exit2", Goodbye("Jo"), true, false, false},
      {"Label2", nullptr, {}, false, false, true},           {nullptr, "minimize", {}, false, false, true},
      {nullptr, "", {}, false, false, false},                {nullptr, nullptr, Goodbye("Jo"), true, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mark ? c.mark : "") + (c.item ? c.item : ""));
    SimProgram sim;
    sim.StartAnnounced();
    sim.Main().SetLeft(1500);
    if (c.mark) sim.Click("Form1", c.mark);
    if (c.item) sim.Choose(c.item);
    if (!c.mark && !c.item) sim.CloseRequested("Form1");  // the system's close
    if (c.item) {
      const auto& popup = sim.toolkit.Popups().back();
      EXPECT_EQ(popup.items, (Lines{"handle:[Jo]", "e&xit", "mi&nimize"}));
      EXPECT_EQ(std::tuple(popup.over, popup.xTwips), std::tuple(sim.Main().hWnd(), 1000.0f));
      EXPECT_FALSE(sim.Form("Form2").Visible());
    }
    EXPECT_EQ(sim.Room(), c.room);
    EXPECT_EQ(std::tuple(sim.toolkit.Ended(), sim.Main().Left() > sim.toolkit.ScreenWidth(), sim.Main().Minimized()),
              std::tuple(c.ends, c.slides, c.minimised));
    EXPECT_EQ(sim.Main().Left() == 1500.0f, !c.slides);
  }
}

// Windows ending the session unloads the main window however it stands: the
// room hears of it, the program ends, and nothing else runs. The other forms
// hear of it too, in load order, and change nothing.
TEST(MainWindow, SessionEndUnloadsLikeEveryOtherWayOut) {
  using Setup = void (*)(SimProgram&);
  const struct { const char* when; Setup setup; Lines room; } cases[] = {
      {"running", [](SimProgram& sim) { sim.StartAnnounced(); }, Goodbye("Jo")},
      {"in a session", [](SimProgram& sim) { sim.StartAnnounced(); sim.StartIdle(); }, kStarted + Goodbye("Jo")},
      {"hidden, in the change dialog", [](SimProgram& sim) { sim.StartAnnounced(); sim.Choose("handle"); }, Goodbye("Jo")},
      {"minimised", [](SimProgram& sim) { sim.StartAnnounced(); sim.Click("Form1", "Label2"); }, Goodbye("Jo")},
      {"first run", [](SimProgram& sim) { sim.Start(); }, Goodbye("")},
      {"in the start-up pause", [](SimProgram& sim) {
         sim.GiveProfile("Jo");
         sim.toolkit.At(36001, [&sim] { sim.toolkit.EndSession(); });
         sim.Start();
       }, Goodbye("Jo")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.when);
    SimProgram sim;
    c.setup(sim);
    if (!sim.toolkit.Ended()) sim.toolkit.EndSession();
    EXPECT_EQ(sim.Room(), c.room);
    EXPECT_TRUE(sim.toolkit.Ended());
    sim.toolkit.AdvanceSeconds(120);
    EXPECT_EQ(sim.Room(), c.room) << "nothing runs after the end";
  }
}

// The change dialog drags on a click of its banner, the others on a press.
TEST(ProgramDrag, BannersDragTheirWindows) {
  const struct { bool firstRun; const char* form; const char* banner; bool onClick; } cases[] = {
      {false, "Form1", "Picture2", false}, {true, "Form3", "Picture1", false}, {false, "Form4", "Picture1", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form);
    SimProgram sim;
    c.firstRun ? sim.Start() : sim.StartAnnounced();
    if (c.onClick) sim.Choose("handle");
    sim.windows.ClearCalls();
    sim.toolkit.Press(c.form, c.banner, platform::Event::MouseDown);
    if (c.onClick) {
      EXPECT_TRUE(sim.windows.Calls().empty()) << "not on a press";
      sim.Click(c.form, c.banner);
    }
    EXPECT_EQ(sim.windows.Calls(), (Lines{CallText("ReleaseCapture"), CallText("SendMessageA", sim.Form(c.form).hWnd(),
                                                                                  platform::kWmSysCommand, 0xF012, 0)}));
  }
}

class ChangeDialogTest : public RunningTest {
 protected:
  ChangeDialogTest() { Choose("handle"); }
};

// The first opening in a run drops the profile; Enter stores the new handle,
// and what shows is the handle as the file gives it back (no quotes, no leading
// space). A second opening deletes nothing; a system close goes back.
TEST_F(ChangeDialogTest, DropsTheProfileThenStoresTheNewHandleOnEnter) {
  EXPECT_EQ(Shown(), "[Form1] [Form2] [Form3] Form4");
  EXPECT_EQ(Profile(), "(none)");
  TypeAfresh("Form4", " 'Al'");
  EXPECT_EQ(Profile(), "(none)") << "keys other than Enter write nothing";
  toolkit.Type("Form4", "Text1", "\r");
  EXPECT_EQ(Profile(), "[qbv1]\r\nHANDLE='Al'\r\n");
  EXPECT_EQ(program.form1().Handle(), "Al");
  EXPECT_EQ(Form("Form2").MenuItem("handle").Caption(), "handle:[Al]");
  EXPECT_EQ(Shown(), "Form1 [Form2] [Form3] [Form4]");
  EXPECT_TRUE(Room().empty());
  Choose("handle");
  EXPECT_EQ(Shown(), "[Form1] [Form2] [Form3] Form4");
  EXPECT_EQ(Profile(), "[qbv1]\r\nHANDLE='Al'\r\n");
  EXPECT_EQ(files.PathDecisions(), 1);
  CloseRequested("Form4");
  EXPECT_EQ(Shown(), "Form1 [Form2] [Form3] [Form4]");
  Click("Form1", "Label1");
  EXPECT_EQ(Room(), Goodbye("Al"));
}

// Ticks go on in the confirmation pause; a second Enter there starts a second
// one, which the first waits for: from t + 0.3 it ends at the second after.
TEST_F(RunningTest, ConfirmationPauseHandlesTicksAndASecondEnter) {
  StartIdle();
  toolkit.AdvanceSeconds(59.5);
  Choose("handle");
  TypeAfresh("Form4", "A");
  const double t = toolkit.Now();
  toolkit.At(t + 0.3, [this] { toolkit.Type("Form4", "Text1", "l\r"); });
  toolkit.Type("Form4", "Text1", "\r");
  EXPECT_NEAR(toolkit.Now(), t + 1.5, 1e-3);
  EXPECT_EQ(Room(), kStarted + Tick(1)) << "the tick fell inside the pause";
  EXPECT_EQ(Profile(), "[qbv1]\r\nHANDLE=Al\r\n");
  EXPECT_EQ(program.form1().Handle(), "Al");
  EXPECT_EQ(Shown(), "Form1 [Form2] [Form3] [Form4]");
}

}  // namespace
}  // namespace quimbly::testing
