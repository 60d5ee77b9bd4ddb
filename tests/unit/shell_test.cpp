// The gradient banner's strips, the four windows' layout tables and handler
// bindings, and Pause and SlideOut on the simulator's virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/controls.h"
#include "platform/sim/toolkit.h"
#include "shell/banner.h"
#include "shell/layouts/form1_layout.h"
#include "shell/layouts/form3_layout.h"
#include "shell/layouts/form4_layout.h"
#include "shell/pause.h"
#include "shell/window_behaviours.h"

namespace quimbly::shell {
namespace {

using namespace platform;
using namespace platform::sim;
using Names = std::vector<std::string_view>;
using Texts = std::vector<std::string>;

TEST(Banner, StripsForEachWidth) {
  const struct { int width; std::size_t strips; std::vector<std::pair<std::size_t, Colour>> samples; } cases[] = {
      {2415, 302, {{0, Rgb(255, 255, 255)}, {1, Rgb(254, 255, 255)}, {2, Rgb(253, 254, 255)},
                   {238, Rgb(54, 176, 255)}, {301, Rgb(1, 155, 255)}}},
      {2295, 287, {{226, Rgb(54, 176, 255)}, {286, Rgb(1, 155, 255)}}},  // the dialogs' width
      {8, 2, {{0, Rgb(255, 255, 255)}, {1, Rgb(0, 155, 255)}}},          // a strip at exactly half is drawn
      {7, 1, {}}, {1000, 126, {}}, {0, 0, {}},
      {40000, 3277, {}},  // 16-bit positions never wrap: it stops at the last strip that fits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    const ControlLayout layout{.kind = ControlKind::PictureBox, .twips = {0, 0, c.width, 255}};
    SimPictureBox box(layout);
    PaintBanner(box);
    EXPECT_TRUE(box.AutoRedraw());
    EXPECT_EQ(box.DrawWidth(), 2);
    const auto& strips = box.Boxes();
    ASSERT_EQ(strips.size(), c.strips);
    for (const auto& [strip, colour] : c.samples) EXPECT_EQ(strips[strip].colour, colour) << "strip " << strip;
    for (std::size_t i = 0; i < strips.size(); ++i) {
      const auto& s = strips[i];
      ASSERT_EQ(std::vector<float>({s.x1, s.y1, s.x2, s.y2}), std::vector<float>({10.0f * i, 0, 10.0f * i + 2, 255}));
      ASSERT_EQ(s.colour >> 16, 255u) << "blue stays full";
      ASSERT_GE((s.colour >> 8) & 0xFF, 155u);
    }
  }
}

// The change dialog's box comes first, so the user can type at once.
TEST(Layouts, TabOrder) {
  const auto order = [](const FormLayout& form) {
    Names names;
    for (const ControlLayout* c : TabOrder(form)) names.push_back(c->name);
    return names;
  };
  EXPECT_EQ(order(Form1Layout()), (Names{"Picture1", "Picture2", "Text1"}));
  EXPECT_EQ(order(Form3Layout()), (Names{"Picture1", "Text1"}));
  EXPECT_EQ(order(Form4Layout()), (Names{"Text1", "Picture1"}));
}

// A handler bound to what the layout lacks stops the program as the form
// loads, in both backends, rather than leaving a click that does nothing
// (the program tests load every form with its own table).
TEST(Handlers, BindingsMustFitTheLayout) {
  const struct { const char* why; std::vector<EventBinding> bindings; bool fits; } cases[] = {
      {"a misspelt control", {{"Label9", Event::Click}}, false},
      {"a label's timer", {{"Label1", Event::Timer}}, false},
      {"a label pressed", {{"Label1", Event::MouseDown}}, false},
      {"a label typed into", {{"Label1", Event::KeyPress}}, false},
      {"a text box painted", {{"Text1", Event::Paint}}, false},
      {"a timer clicked", {{"Timer1", Event::Click}}, false},
      {"a menu item clicked", {{"handle", Event::Click}}, true},
      {"a top-level menu clicked", {{"exit", Event::Click}}, false},
      {"one event bound twice", {{"Label1", Event::Click}, {"Label1", Event::Click}}, false},
  };
  constexpr MenuLayout kMenus[] = {{.name = "exit", .caption = "exit"}, {.name = "handle", .caption = "h", .parent = "exit"}};
  FormLayout form = Form1Layout();
  form.menus = kMenus;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(BindingFault(form, c.bindings).empty(), c.fits) << BindingFault(form, c.bindings);
  }
}

// Records the clicks the form raises.
struct Clicks : FormEvents {
  std::vector<EventBinding> Bindings() const override { return {{"Label4", Event::Click}, {"Label5", Event::Click}}; }
  void Raise(std::string_view control, Event event, int&) override {
    if (event == Event::Click) clicked.emplace_back(control);
  }
  Texts clicked;
};

class BehavioursTest : public ::testing::Test {
 protected:
  // How long Pause(seconds) lasts when called at the given clock.
  double PauseFrom(double clock, int seconds) {
    toolkit.SetClock(clock);
    toolkit.Run([&] { Pause(toolkit, seconds); });
    return toolkit.Now() - clock;
  }

  SimWindowSystem windows;
  SimToolkit toolkit{windows};
  Clicks events;
  std::unique_ptr<Form> form = toolkit.LoadForm(Form1Layout(), events);
};

// The pause counts from the clock rounded half to even. The clock is a 32-bit
// float: near midnight it moves in steps of 1/128 s.
TEST_F(BehavioursTest, PauseStartsFromTheRoundedClockAndEndsOnTimeAcrossMidnight) {
  const struct { double clock; int seconds; double lasts, endClock, tolerance; } cases[] = {
      {100.4, 2, 1.6, 102, 1e-4}, {100.5, 2, 1.5, 102, 1e-4}, {101.5, 2, 2.5, 104, 1e-4}, {100.6, 1, 1.4, 102, 1e-4},
      {100.4, 0, 0, 100.4, 1e-9},  // already over: no events are pumped
      {86399.3, 2, 1.7, 1, 1.0 / 128}, {86399.6, 2, 2.4, 2, 1.0 / 128},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "Pause(" << c.seconds << ") at " << c.clock);
    const auto pumps = toolkit.Pumps();
    EXPECT_NEAR(PauseFrom(c.clock, c.seconds), c.lasts, c.tolerance);
    EXPECT_NEAR(toolkit.Clock(), c.endClock, std::max(c.tolerance, 1e-4));
    EXPECT_TRUE(c.seconds > 0 || toolkit.Pumps() == pumps);
  }
  form->Show();
  toolkit.At(100.9, [this] { toolkit.Press("Form1", "Label4"); });
  toolkit.At(101.7, [this] { toolkit.Press("Form1", "Label5"); });
  const auto pumps = toolkit.Pumps();
  EXPECT_NEAR(PauseFrom(100.6, 1), 1.4, 1e-4);
  EXPECT_EQ(events.clicked, (Texts{"Label4", "Label5"})) << "events are handled while it waits";
  EXPECT_LE(toolkit.Pumps() - pumps, 4u) << "one pump per event and one at the end, not a busy loop";
}

// Events are handled before each 300-twip move; it stops only once past the edge.
TEST_F(BehavioursTest, SlideOutMovesUntilBeyondTheScreenEdgeAndAtLeastOnce) {
  toolkit.SetScreenWidth(15360);
  const struct { float from, to; std::uint64_t turns; } cases[] = {{1500, 15600, 47}, {60, 15660, 52}, {16005, 16305, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    const auto pumps = toolkit.Pumps();
    form->SetLeft(c.from);
    toolkit.Run([&] { SlideOut(toolkit, *form); });
    EXPECT_EQ(form->Left(), c.to);
    EXPECT_EQ(toolkit.Pumps() - pumps, c.turns);
  }
}

}  // namespace
}  // namespace quimbly::shell
