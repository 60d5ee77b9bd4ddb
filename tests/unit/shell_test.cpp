// The gradient banner down to each pixel, the four windows' layout tables, and
// Pause and SlideOut on the simulator's virtual clock.
#include <algorithm>
#include <cmath>
#include <map>

#include "platform/sim/picture_box.h"
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

// Records what the painter asks of its box.
struct RecordingBox final : PictureBox {
  explicit RecordingBox(float width) : width(width) {}
  void SetAutoRedraw(bool on) override { calls.push_back("AutoRedraw " + std::to_string(on)); }
  void SetDrawStyle(int style) override { calls.push_back("DrawStyle " + std::to_string(style)); }
  void SetDrawMode(int mode) override { calls.push_back("DrawMode " + std::to_string(mode)); }
  void SetDrawWidth(int pixels) override { calls.push_back("DrawWidth " + std::to_string(pixels)); }
  float Width() const override { return width; }
  float Height() const override { return ++heightReads, 255; }
  void Box(float x1, float y1, float x2, float y2, Colour colour) override { strips.push_back({x1, y1, x2, y2, colour}); }

  struct Strip { float x1, y1, x2, y2; Colour colour; };
  float width;
  Texts calls;
  std::vector<Strip> strips;
  mutable std::size_t heightReads = 0;
};

TEST(Banner, StripsForEachWidth) {
  const struct { float width; std::size_t strips; std::vector<std::pair<std::size_t, Colour>> samples; } cases[] = {
      {2415, 302, {{0, Rgb(255, 255, 255)}, {1, Rgb(254, 255, 255)}, {2, Rgb(253, 254, 255)},
                   {238, Rgb(54, 176, 255)}, {301, Rgb(1, 155, 255)}}},
      {2295, 287, {{226, Rgb(54, 176, 255)}, {286, Rgb(1, 155, 255)}}},  // the dialogs' width
      {8, 2, {{0, Rgb(255, 255, 255)}, {1, Rgb(0, 155, 255)}}},          // a strip at exactly half is drawn
      {7, 1, {}}, {1000, 126, {}}, {0, 0, {}},
      {40000, 3277, {}},  // 16-bit positions never wrap: it stops at the last strip that fits
  };
  for (const auto& c : cases) {
    RecordingBox box(c.width);
    PaintBanner(box);
    EXPECT_EQ(box.calls, (Texts{"AutoRedraw 1", "DrawStyle 6", "DrawMode 13", "DrawWidth 2"}));
    ASSERT_EQ(box.strips.size(), c.strips) << c.width;
    EXPECT_EQ(box.heightReads, c.strips) << "the height is read for every strip";
    for (const auto& [strip, colour] : c.samples) EXPECT_EQ(box.strips[strip].colour, colour) << c.width << " " << strip;
    for (std::size_t i = 0; i < box.strips.size(); ++i) {
      const auto& s = box.strips[i];
      ASSERT_EQ(std::vector<float>({s.x1, s.y1, s.x2, s.y2}), std::vector<float>({10.0f * i, 0, 10.0f * i + 2, 255}));
      ASSERT_EQ(s.colour >> 16, 255u) << "blue stays full";
      ASSERT_GE((s.colour >> 8) & 0xFF, 155u);
    }
  }
}

// Every pixel against the colour of the last strip starting in its column,
// worked out in double precision.
void ExpectGradient(const SimPictureBox& box, double width) {
  for (int x = 0; x < box.InnerWidth(); ++x) {
    int strip = -1;
    for (int k = 0; k <= static_cast<int>(std::floor(width / 8)); ++k) strip = 10 * k / 15 == x ? k : strip;
    const double c = 4.0 * strip / (width / 2);
    const Colour expected = Rgb(static_cast<int>(std::lround(255 - 255 * c)), static_cast<int>(std::lround(255 - 100 * c)), 255);
    for (int y = 0; y < box.InnerHeight(); ++y) ASSERT_EQ(box.Pixel(x, y), expected) << "column " << x << ", row " << y;
  }
}

// The first-run dialog, then the main window, then the change dialog.
TEST(BannerPixels, EveryWindowShowsTheGradientPaintedOnceAndRepaintedFromItsImage) {
  testing::SimProgram sim;
  sim.Start();
  auto& first = sim.Form("Form3").Picture("Picture1");
  ASSERT_EQ(first.PaintEvents(), 1);
  ExpectGradient(first, 2295);
  EXPECT_EQ(first.Pixel(150, 7), Rgb(54, 176, 255));
  sim.Click("Form3", "Label2");
  auto& box = sim.Form("Form1").Picture("Picture2");
  ASSERT_EQ(box.InnerWidth(), 159);
  ASSERT_EQ(box.InnerHeight(), 15);
  ExpectGradient(box, 2415);
  EXPECT_EQ(box.Pixel(0, 0), Rgb(254, 255, 255)) << "strips 0 and 1 start in the first column; the later shows";
  EXPECT_EQ(box.Pixel(158, 14), Rgb(54, 176, 255));
  EXPECT_EQ(box.PaintEvents(), 1);
  EXPECT_TRUE(box.AutoRedraw());
  const int boxes = box.BoxesDrawn();
  sim.toolkit.Uncover("Form1");
  sim.Main().Hide();
  sim.Main().Show();
  sim.toolkit.AdvanceSeconds(1);
  EXPECT_EQ(box.PaintEvents(), 1);
  EXPECT_EQ(box.BoxesDrawn(), boxes);
  ExpectGradient(box, 2415);
  PaintBanner(box);  // an explicit second pass paints the same image
  EXPECT_EQ(box.BoxesDrawn(), 2 * boxes);
  ExpectGradient(box, 2415);
  sim.Choose("handle");
  ExpectGradient(sim.Form("Form4").Picture("Picture1"), 2295);
}

const ControlLayout& Find(const FormLayout& form, std::string_view name) {
  const auto it = std::find_if(form.controls.begin(), form.controls.end(), [&](auto& c) { return c.name == name; });
  return it != form.controls.end() ? *it : throw std::logic_error("missing control " + std::string(name));
}

// Controls that can take the focus, in tab order.
Names TabOrder(const FormLayout& form) {
  std::map<int, std::string_view> byIndex;
  for (const ControlLayout& c : form.controls) {
    if (c.kind == ControlKind::TextBox || c.kind == ControlKind::PictureBox) byIndex.emplace(c.tabIndex, c.name);
  }
  Names names;
  for (const auto& [index, name] : byIndex) names.push_back(name);
  return names;
}

TEST(Layouts, Windows) {
  const struct { const FormLayout& form; int width, height; bool borderless, taskbar, icon; Colour back; Names tabs; } cases[] = {
      {Form1Layout(), 161, 121, true, false, true, kBlack, {"Picture1", "Picture2", "Text1"}},
      {Form3Layout(), 153, 44, true, false, false, kBlack, {"Picture1", "Text1"}},
      {Form4Layout(), 153, 43, true, false, false, kBlack, {"Text1", "Picture1"}},
      {Form2Layout(), 247, 118, false, true, false, kSchemeButtonFace, {}},
  };
  for (const auto& c : cases) {
    const FormLayout& f = c.form;
    EXPECT_EQ(std::tuple(TwipsToPixels(f.clientWidth), TwipsToPixels(f.clientHeight), f.borderless, f.showInTaskbar,
                         f.programIcon, f.background, TabOrder(f)),
              std::tuple(c.width, c.height, c.borderless, c.taskbar, c.icon, c.back, c.tabs))
        << f.name;
  }
  EXPECT_EQ(Form1Layout().caption, "Quimbly¹·º by zyk");
  std::vector<Names> menus;
  for (const MenuLayout& m : Form2Layout().menus) menus.push_back({m.name, m.caption, m.parent});
  EXPECT_EQ(menus, (std::vector<Names>{{"exit", "exit", ""}, {"handle", "handle", "exit"}, {"exit2", "e&xit", "exit"},
                                       {"minimize", "mi&nimize", "exit"}}));
  EXPECT_TRUE(Form2Layout().controls.empty());
}

TEST(Layouts, ControlsInPixelsWithTheirTextAndContainer) {
  const FormLayout &f1 = Form1Layout(), &f3 = Form3Layout(), &f4 = Form4Layout();
  const struct { const FormLayout& form; std::string_view name; std::vector<int> pixels; Names textAndContainer; } cases[] = {
      {f1, "Picture2", {0, 0, 161, 17}, {"", ""}}, {f1, "Picture1", {0, 24, 161, 97}, {"", ""}},
      // The minimise mark covers only the top 9 rows; the close mark the whole strip.
      {f1, "Label2", {128, 0, 9, 9}, {"-", "Picture2"}}, {f1, "Label1", {144, 0, 9, 17}, {"x", "Picture2"}},
      // The three hotspots leave gaps between them.
      {f1, "Label3", {0, 24, 41, 41}, {"", "Picture1"}}, {f1, "Label4", {48, 24, 57, 41}, {"", "Picture1"}},
      {f1, "Label5", {112, 24, 49, 41}, {"", "Picture1"}}, {f1, "Label6", {8, 72, 41, 17}, {"idle for :", "Picture1"}},
      {f1, "Label7", {48, 72, 25, 17}, {"0", "Picture1"}}, {f1, "Label8", {72, 72, 25, 17}, {"min", "Picture1"}},
      {f1, "Text1", {96, 72, 57, 19}, {"reason...", "Picture1"}}, {f1, "handle", {0, 176, 89, 17}, {"", ""}},
      {f3, "Picture1", {0, 0, 153, 17}, {"", ""}}, {f3, "Text1", {0, 24, 128, 19}, {"...handle", ""}},
      {f3, "Label2", {136, 24, 17, 17}, {"ok", ""}}, {f4, "Picture1", {0, 0, 153, 17}, {"", ""}},
      {f4, "Text1", {0, 24, 152, 19}, {"...handle", ""}},
  };
  for (const auto& c : cases) {
    const ControlLayout& control = Find(c.form, c.name);
    const auto& t = control.twips;
    EXPECT_EQ(std::vector<int>({TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width), TwipsToPixels(t.height)}),
              c.pixels) << c.form.name << "." << c.name;
    EXPECT_EQ((Names{control.text, control.container}), c.textAndContainer) << c.form.name << "." << c.name;
  }
  EXPECT_EQ(Find(f1, "Picture1").back, Rgb(0, 164, 248));
  EXPECT_EQ(Find(f1, "Picture1").picture, Picture::Panel);
  EXPECT_EQ(Find(f1, "Picture2").back, kSchemeWindowBackground);
  // Only the main window's box has a sunken edge.
  EXPECT_EQ((std::vector{Find(f1, "Text1").edge, Find(f3, "Text1").edge, Find(f4, "Text1").edge}),
            (std::vector{Edge::Sunken, Edge::Flat, Edge::Flat}));
  EXPECT_EQ(Find(f1, "handle").fore, kWhite);
  EXPECT_GT(Find(f1, "handle").twips.top, f1.clientHeight);
  const ControlLayout &ok = Find(f3, "Label2"), &entry = Find(f4, "Text1");
  EXPECT_EQ(ok.fore, kWhite);
  EXPECT_EQ(ok.twips.left + ok.twips.width, f3.clientWidth) << "the controls fit the dialogs exactly";
  EXPECT_EQ(entry.twips.top + entry.twips.height, f4.clientHeight);
}

struct Clicks : FormEvents {
  void Click(std::string_view control) override { clicked.emplace_back(control); }
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
    const auto pumps = toolkit.Pumps();
    EXPECT_NEAR(PauseFrom(c.clock, c.seconds), c.lasts, c.tolerance) << c.clock;
    EXPECT_NEAR(toolkit.Clock(), c.endClock, std::max(c.tolerance, 1e-4)) << c.clock;
    EXPECT_TRUE(c.seconds > 0 || toolkit.Pumps() == pumps);
  }
  form->Show();
  toolkit.ClickAt(100.9, "Form1", "Label4");
  toolkit.ClickAt(101.7, "Form1", "Label5");
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
    const auto pumps = toolkit.Pumps();
    form->SetLeft(c.from);
    toolkit.Run([&] { SlideOut(toolkit, *form); });
    EXPECT_EQ(form->Left(), c.to) << c.from;
    EXPECT_EQ(toolkit.Pumps() - pumps, c.turns) << c.from;
  }
}

}  // namespace
}  // namespace quimbly::shell
