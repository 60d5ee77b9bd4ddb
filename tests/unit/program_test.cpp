// The program's flows from start-up to the end: the first run, the start-up
// announcement, the window commands and the two handle dialogs.
#include <gtest/gtest.h>

#include <string>

#include "mainwindow/form2.h"
#include "shell/dialogs/form3.h"
#include "shell/dialogs/form4.h"
#include "sim_program.h"

namespace quimbly::testing {
namespace {

using mainwindow::ByLine;
using mainwindow::LoadedLine;
using mainwindow::StartedLine;
using mainwindow::UnloadedLine;
using platform::sim::ReleaseCaptureCall;
using platform::sim::SetWindowPosCall;
using platform::sim::SysCommandCall;

const std::string kBackspaces(9, '\b');  // clears "...handle"

class ProgramTest : public ::testing::Test {
 protected:
  platform::sim::SimForm& Form(std::string_view name) { return sim.toolkit.FindForm(name); }
  bool Loaded(std::string_view name) { return sim.toolkit.IsLoaded(name); }
  void Click(std::string_view form, std::string_view control) { sim.toolkit.Click(form, control); }
  void Choose(std::string_view item) {
    sim.toolkit.ChooseFromNextPopup(item);
    Click("Form1", "Label3");
  }

  SimProgram sim;
};

TEST_F(ProgramTest, StartUpWithAProfileShowsTheMainWindowAndAnnouncesAfterTwoSeconds) {
  sim.GiveProfile("Jo");
  sim.Start();
  ASSERT_FALSE(sim.windows.Calls().empty());
  EXPECT_EQ(sim.windows.Calls().front(), SetWindowPosCall(sim.Main().hWnd(), platform::kHwndTopmost, 3))
      << "topmost first";
  EXPECT_TRUE(sim.windows.Topmost(sim.Main().hWnd()));
  EXPECT_TRUE(sim.Main().Visible());
  EXPECT_TRUE(Loaded("Form3"));
  EXPECT_FALSE(Form("Form3").Visible());
  EXPECT_FALSE(Loaded("Form2"));
  EXPECT_EQ(sim.program.form1().Handle(), "Jo");
  EXPECT_EQ(sim.AllLines(), (Lines{Bytes(ByLine()), Bytes(LoadedLine("Jo"))}));
  EXPECT_NEAR(sim.toolkit.Now(), 36002.0, 1e-3) << "started on a whole second: two seconds on";
}

TEST_F(ProgramTest, EmptyHandleInTheProfileGivesAnEmptyLoadedLine) {
  sim.files.Put(kProfile, {.bytes = "[qbv1]\r\n"});
  sim.Start();
  EXPECT_EQ(sim.AllLines().back(), Bytes(LoadedLine("")));
}

TEST_F(ProgramTest, StartClickedDuringTheStartUpPauseRunsBeforeTheLoadedLine) {
  sim.GiveProfile("Jo");
  sim.toolkit.ClickAt(36001, "Form1", "Label4");
  sim.Start();
  EXPECT_EQ(sim.AllLines(), (Lines{Bytes(StartedLine()), Bytes(ByLine()), Bytes(LoadedLine("Jo"))}));
}

TEST_F(ProgramTest, CloseDuringTheStartUpPauseEndsWithoutALoadedLine) {
  sim.GiveProfile("Jo");
  sim.toolkit.ClickAt(36001, "Form1", "Label1");
  sim.Start();
  EXPECT_TRUE(sim.toolkit.Ended());
  EXPECT_EQ(sim.AllLines(), (Lines{Bytes(ByLine()), Bytes(UnloadedLine("Jo"))}));
  sim.toolkit.AdvanceSeconds(120);
  EXPECT_EQ(sim.AllLines().size(), 2u) << "nothing runs after the end";
}

TEST_F(ProgramTest, FirstRunShowsOnlyTheDialogAndPostsNothing) {
  sim.Start();
  EXPECT_TRUE(Form("Form3").Visible());
  EXPECT_FALSE(sim.Main().Visible());
  sim.toolkit.AdvanceSeconds(10);
  EXPECT_TRUE(sim.AllLines().empty());
  EXPECT_EQ(Form("Form3").Focused(), "Picture1") << "typing reaches the box only once it is clicked";
  sim.toolkit.Type("Form3", "Jo");
  EXPECT_EQ(Form("Form3").TextBox("Text1").Text(), "...handle");
}

TEST_F(ProgramTest, FirstRunOkStoresTheHandleAndShowsTheMainWindowUnannounced) {
  sim.Start();
  Click("Form3", "Text1");
  sim.toolkit.Type("Form3", kBackspaces + "Jo");
  Click("Form3", "Label2");
  EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=Jo\r\n");
  EXPECT_TRUE(sim.Main().Visible());
  EXPECT_FALSE(Form("Form3").Visible());
  EXPECT_EQ(sim.program.form1().Handle(), "") << "the handle shows from the next start-up";
  sim.toolkit.AdvanceSeconds(10);
  EXPECT_TRUE(sim.AllLines().empty());

  Choose("");  // dismissed: only looks
  EXPECT_EQ(Form("Form1").PopupsShown().back().front(), "handle:[]");
  Click("Form1", "Label1");
  EXPECT_EQ(sim.AllLines(), (Lines{Bytes(ByLine()), Bytes(UnloadedLine(""))}));
}

TEST_F(ProgramTest, FirstRunAcceptsTheUntouchedText) {
  sim.Start();
  Click("Form3", "Label2");
  EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=...handle\r\n");
}

TEST_F(ProgramTest, ClosingTheFirstRunDialogEndsTheProgramQuietly) {
  sim.Start();
  sim.toolkit.Run([&] { Form("Form3").Events().CloseRequested(); });
  EXPECT_TRUE(sim.toolkit.Ended());
  EXPECT_TRUE(sim.AllLines().empty());
}

TEST_F(ProgramTest, CloseMarkSlidesOffScreenThenAnnouncesAndEnds) {
  sim.StartAnnounced("Jo");
  sim.Main().SetLeft(1500);
  Click("Form1", "Label1");
  EXPECT_GT(sim.Main().Left(), sim.toolkit.ScreenWidth());
  EXPECT_EQ(sim.Room(), (Lines{Bytes(ByLine()), Bytes(UnloadedLine("Jo"))}));
  EXPECT_TRUE(sim.toolkit.Ended());
}

TEST_F(ProgramTest, SystemCloseOfTheMainWindowAnnouncesAndEnds) {
  sim.StartAnnounced("Jo");
  sim.toolkit.Run([&] { Form("Form1").Events().CloseRequested(); });
  EXPECT_EQ(sim.Room(), (Lines{Bytes(ByLine()), Bytes(UnloadedLine("Jo"))}));
  EXPECT_TRUE(sim.toolkit.Ended());
}

TEST_F(ProgramTest, MinimiseMarkAndMenuItemMinimise) {
  sim.StartAnnounced();
  Click("Form1", "Label2");
  EXPECT_TRUE(sim.Main().Minimized());

  SimProgram other;
  other.StartAnnounced();
  other.toolkit.ChooseFromNextPopup("minimize");
  other.toolkit.Click("Form1", "Label3");
  EXPECT_TRUE(other.Main().Minimized());
}

TEST_F(ProgramTest, FileOpensTheMenuOfForm2At1000Twips) {
  sim.StartAnnounced("Jo");
  EXPECT_FALSE(Loaded("Form2"));
  Choose("");
  EXPECT_TRUE(Loaded("Form2"));
  EXPECT_FALSE(Form("Form2").Visible());
  EXPECT_EQ(Form("Form1").PopupsShown().back(), (std::vector<std::string>{"handle:[Jo]", "e&xit", "mi&nimize"}));
  EXPECT_EQ(Form("Form1").LastPopupX(), 1000.0f);
  EXPECT_TRUE(sim.Room().empty());
}

TEST_F(ProgramTest, ExitItemAnnouncesTheUnloadWithoutSlidingAndEnds) {
  sim.StartAnnounced("Jo");
  const float left = sim.Main().Left();
  Choose("exit2");
  EXPECT_EQ(sim.Room(), (Lines{Bytes(ByLine()), Bytes(UnloadedLine("Jo"))}));
  EXPECT_EQ(sim.Main().Left(), left);
  EXPECT_TRUE(sim.toolkit.Ended());
}

TEST_F(ProgramTest, ChangeHandleDropsTheProfileThenStoresTheNewHandle) {
  sim.StartAnnounced("Jo");
  Choose("handle");
  EXPECT_TRUE(Form("Form4").Visible());
  EXPECT_FALSE(sim.Main().Visible());
  EXPECT_EQ(sim.Profile(), "(none)") << "dropped on opening";
  EXPECT_EQ(Form("Form4").Focused(), "Text1") << "the user can type at once";

  sim.toolkit.Type("Form4", kBackspaces + "Al");
  EXPECT_EQ(sim.Profile(), "(none)") << "keys other than Enter write nothing";
  sim.toolkit.Key("Form4", 13);
  EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=Al\r\n");
  EXPECT_EQ(sim.program.form1().Handle(), "Al");
  EXPECT_EQ(Form("Form2").MenuItem("handle").Caption(), "handle:[Al]");
  EXPECT_TRUE(sim.Main().Visible());
  EXPECT_FALSE(Form("Form4").Visible());
  EXPECT_TRUE(sim.Room().empty());

  Click("Form1", "Label1");
  EXPECT_EQ(sim.Room().back(), Bytes(UnloadedLine("Al")));
}

TEST_F(ProgramTest, SessionTicksOnDuringTheConfirmationPause) {
  sim.StartAnnounced("Jo");
  Click("Form1", "Label4");
  sim.toolkit.AdvanceSeconds(59.5);
  Choose("handle");
  sim.toolkit.Type("Form4", kBackspaces + "Al");
  const double before = sim.toolkit.Now();
  sim.toolkit.Key("Form4", 13);
  EXPECT_NEAR(sim.toolkit.Now() - before, 1.0, 0.5 + 1e-3);
  EXPECT_EQ(sim.Room().size(), 3u) << "started, then the tick that fell inside the pause";
  EXPECT_EQ(sim.Room().back(), Bytes(mainwindow::TimeLine("1", "reason...")));
  EXPECT_EQ(sim.program.form1().Handle(), "Al");
}

TEST_F(ProgramTest, SecondOpeningOfTheChangeDialogDeletesNothing) {
  sim.StartAnnounced("Jo");
  Choose("handle");
  sim.toolkit.Type("Form4", kBackspaces + "Al\r");
  Choose("handle");
  EXPECT_TRUE(Form("Form4").Visible());
  EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=Al\r\n");
}

TEST_F(ProgramTest, SecondEnterDuringThePauseStartsASecondConfirmation) {
  sim.StartAnnounced("Jo");
  Choose("handle");
  sim.toolkit.Type("Form4", kBackspaces + "A");
  const double t = sim.toolkit.Now();
  sim.toolkit.TypeAt(t + 0.3, "Form4", "l\r");
  sim.toolkit.Key("Form4", 13);
  EXPECT_NEAR(sim.toolkit.Now(), t + 1.3, 0.6) << "the outer confirmation ends after the inner one";
  EXPECT_EQ(sim.Profile(), "[qbv1]\r\nHANDLE=Al\r\n");
  EXPECT_EQ(sim.program.form1().Handle(), "Al");
  EXPECT_FALSE(Form("Form4").Visible());
}

TEST_F(ProgramTest, ChangeHandleBeforeTheMenuWasEverOpenedLoadsForm2First) {
  sim.StartAnnounced("Jo");
  // The dialog can be reached only through the menu, so Form2 is loaded; its
  // caption still follows the read-back handle.
  Choose("handle");
  sim.toolkit.Type("Form4", kBackspaces + "\r");
  EXPECT_EQ(Form("Form2").MenuItem("handle").Caption(), "handle:[]");
}

TEST_F(ProgramTest, SystemCloseOfTheChangeDialogReturnsToTheMainWindow) {
  sim.StartAnnounced("Jo");
  Choose("handle");
  sim.toolkit.Run([&] { Form("Form4").Events().CloseRequested(); });
  EXPECT_TRUE(sim.Main().Visible());
  EXPECT_FALSE(Form("Form4").Visible());
  EXPECT_FALSE(sim.toolkit.Ended());
}

TEST_F(ProgramTest, BannersDragTheirWindows) {
  sim.StartAnnounced();
  sim.windows.ClearCalls();
  sim.toolkit.MouseDown("Form1", "Picture2");
  EXPECT_EQ(sim.windows.Calls(), (std::vector<platform::sim::Call>{
                                     ReleaseCaptureCall(), SysCommandCall(sim.Main().hWnd(), 0xF012)}));

  Choose("handle");
  sim.windows.ClearCalls();
  sim.toolkit.MouseDown("Form4", "Picture1");
  EXPECT_TRUE(sim.windows.Calls().empty()) << "the change dialog drags on click, not on press";
  Click("Form4", "Picture1");
  EXPECT_EQ(sim.windows.Calls().back(), SysCommandCall(Form("Form4").hWnd(), 0xF012));

  SimProgram first;
  first.Start();
  first.windows.ClearCalls();
  first.toolkit.MouseDown("Form3", "Picture1");
  EXPECT_EQ(first.windows.Calls().back(), SysCommandCall(first.toolkit.FindForm("Form3").hWnd(), 0xF012));
}

TEST_F(ProgramTest, ProfilePathIsDecidedOncePerRun) {
  sim.StartAnnounced();
  Choose("handle");
  sim.toolkit.Type("Form4", "\r");
  EXPECT_EQ(sim.files.PathDecisions(), 1);
}

}  // namespace
}  // namespace quimbly::testing
