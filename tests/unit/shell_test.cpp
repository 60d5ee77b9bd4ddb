// The gradient banner's strips, the four windows' layout tables and handler
// bindings, and Pause and SlideOut on the simulator's virtual clock.
#include <cstdio>
#include <set>

#include "shell/banner.h"
#include "shell/layouts/form1_layout.h"
#include "shell/layouts/form2_layout.h"
#include "shell/layouts/form3_layout.h"
#include "shell/layouts/form4_layout.h"
#include "shell/pause.h"
#include "shell/window_behaviours.h"
#include "sim_program.h"

namespace quimbly::shell {
namespace {

using namespace platform;
using namespace platform::sim;
using Names = std::vector<std::string_view>;
using Texts = std::vector<std::string>;

// What PaintBanner draws into a fresh box of that width.
std::vector<SimPictureBox::Drawn> Banner(int width) {
  const ControlLayout layout{.kind = ControlKind::PictureBox, .twips = {0, 0, width, 255}};
  SimPictureBox box(layout);
  PaintBanner(box);
  return box.Boxes();
}

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

// The first-run dialog, then the main window, then the change dialog: each
// banner is drawn once at its box's width, and shown again from its image.
TEST(Banner, EveryWindowPaintsItsBannerOnceAndShowsItAgainFromItsImage) {
  testing::SimProgram sim;
  sim.Start();
  EXPECT_EQ(sim.Form("Form3").Picture("Picture1").Boxes(), Banner(2295));
  sim.Click("Form3", "Label2");
  const SimPictureBox& box = sim.Form("Form1").Picture("Picture2");
  EXPECT_EQ(box.Boxes(), Banner(2415));
  sim.Main().Hide();
  sim.Main().Show();
  sim.toolkit.AdvanceSeconds(1);
  EXPECT_EQ(box.Boxes(), Banner(2415)) << "no second drawing";
  sim.Choose("handle");
  EXPECT_EQ(sim.Form("Form4").Picture("Picture1").Boxes(), Banner(2295));
}

const FormLayout* const kForms[] = {&Form1Layout(), &Form2Layout(), &Form3Layout(), &Form4Layout()};

bool Inside(const TwipsRect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}

// What both backends assume of a table: unique names and tab indexes, each
// container a picture box made before what it holds, each control inside it.
TEST(Layouts, EachTableHoldsToItsOwnRules) {
  for (const FormLayout* form : kForms) {
    SCOPED_TRACE(form->name);
    std::set<std::string_view> names;
    std::set<int> tabIndexes;
    for (const ControlLayout& c : form->controls) {
      SCOPED_TRACE(c.name);
      EXPECT_TRUE(names.insert(c.name).second) << "a name used twice";
      EXPECT_TRUE(c.tabIndex == kNoTabStop || tabIndexes.insert(c.tabIndex).second) << "a tab index used twice";
      int width = form->clientWidth, height = form->clientHeight;
      if (!c.container.empty()) {
        const ControlLayout* box = FindControl(*form, c.container);
        ASSERT_TRUE(box != nullptr && box->kind == ControlKind::PictureBox) << "held by no picture box";
        EXPECT_LT(box, &c) << "made after what it holds";
        width = box->twips.width, height = box->twips.height;
      }
      if (c.kind == ControlKind::Timer) continue;
      if (c.name == "handle") {
        EXPECT_GE(c.twips.top, height) << "the handle's holder stays below the window, out of sight";
      } else {
        EXPECT_TRUE(Inside(c.twips, width, height));
      }
    }
    for (const MenuLayout& m : form->menus) {
      EXPECT_TRUE(m.parent.empty() || std::any_of(form->menus.begin(), form->menus.end(), [&](const MenuLayout& p) {
        return p.name == m.parent && p.parent.empty();
      })) << m.name << " lies in no top-level menu";
    }
  }
  const auto order = [](const FormLayout& form) {
    Names names;
    for (const ControlLayout* c : TabOrder(form)) names.push_back(c->name);
    return names;
  };
  // The change dialog's box comes first, so the user can type at once.
  EXPECT_EQ(order(Form1Layout()), (Names{"Picture1", "Picture2", "Text1"}));
  EXPECT_EQ(order(Form3Layout()), (Names{"Picture1", "Text1"}));
  EXPECT_EQ(order(Form4Layout()), (Names{"Text1", "Picture1"}));
}

// A handler bound to what the layout lacks stops the program as the form
// loads, in both backends, rather than leaving a click that does nothing.
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
  struct Misspelt final : FormEvents {
    std::vector<EventBinding> Bindings() const override { return {{"Lable4", Event::Click}}; }
    void Raise(std::string_view, Event, int&) override {}
  } misspelt;
  SimWindowSystem windows;
  SimToolkit toolkit(windows);
  EXPECT_THROW(toolkit.LoadForm(Form1Layout(), misspelt), std::logic_error);
  testing::SimProgram sim;  // and every form of the program loads with its own table
  sim.toolkit.Run([&] { sim.program.form1(), sim.program.form2(), sim.program.form3(), sim.program.form4(); });
  for (const FormLayout* f : kForms) EXPECT_TRUE(sim.toolkit.IsLoaded(f->name)) << f->name;
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
