// The four windows' tables, where a wrong number would misplace a click area,
// hide a control or break the tab order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "shell/layouts/form1_layout.h"
#include "shell/layouts/form2_layout.h"
#include "shell/layouts/form3_layout.h"
#include "shell/layouts/form4_layout.h"

namespace quimbly::shell {
namespace {

using platform::ControlKind;
using platform::ControlLayout;
using platform::FormLayout;
using platform::TwipsToPixels;

const ControlLayout& Find(const FormLayout& form, std::string_view name) {
  for (const ControlLayout& c : form.controls) {
    if (c.name == name) return c;
  }
  throw std::logic_error("missing control " + std::string(name));
}

struct Pixels {
  int x, y, w, h;
  bool operator==(const Pixels&) const = default;
};

Pixels PixelsOf(const FormLayout& form, std::string_view name) {
  const auto& t = Find(form, name).twips;
  return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width), TwipsToPixels(t.height)};
}

// Controls that can take the focus, in tab order.
std::vector<std::string_view> TabOrder(const FormLayout& form) {
  std::vector<const ControlLayout*> focusable;
  for (const ControlLayout& c : form.controls) {
    if (c.kind == ControlKind::TextBox || c.kind == ControlKind::PictureBox) focusable.push_back(&c);
  }
  std::sort(focusable.begin(), focusable.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
  std::vector<std::string_view> names;
  for (auto* c : focusable) names.push_back(c->name);
  return names;
}

TEST(Layouts, VisibleWindowsAreBlackBorderlessAndOffTheTaskbar) {
  for (const FormLayout* form : {&Form1Layout(), &Form3Layout(), &Form4Layout()}) {
    EXPECT_TRUE(form->borderless) << form->name;
    EXPECT_FALSE(form->showInTaskbar) << form->name;
    EXPECT_EQ(form->background, platform::kBlack) << form->name;
  }
  EXPECT_TRUE(Form1Layout().programIcon);
  EXPECT_FALSE(Form3Layout().programIcon);
  EXPECT_FALSE(Form4Layout().programIcon);
}

TEST(Layouts, ClientSizesInPixels) {
  EXPECT_EQ(TwipsToPixels(Form1Layout().clientWidth), 161);
  EXPECT_EQ(TwipsToPixels(Form1Layout().clientHeight), 121);
  EXPECT_EQ(TwipsToPixels(Form3Layout().clientWidth), 153);
  EXPECT_EQ(TwipsToPixels(Form3Layout().clientHeight), 44);
  EXPECT_EQ(TwipsToPixels(Form4Layout().clientWidth), 153);
  EXPECT_EQ(TwipsToPixels(Form4Layout().clientHeight), 43);
  EXPECT_EQ(TwipsToPixels(Form2Layout().clientWidth), 247);
  EXPECT_FALSE(Form2Layout().borderless);
}

TEST(Layouts, MainWindowBannerAndPanel) {
  const FormLayout& f = Form1Layout();
  EXPECT_EQ(PixelsOf(f, "Picture2"), (Pixels{0, 0, 161, 17}));
  EXPECT_EQ(PixelsOf(f, "Picture1"), (Pixels{0, 24, 161, 97}));
  EXPECT_EQ(Find(f, "Picture1").back, platform::Rgb(0, 164, 248));
  EXPECT_EQ(Find(f, "Picture1").picture, platform::Picture::Panel);
  EXPECT_EQ(Find(f, "Picture2").back, platform::kSchemeWindowBackground);
  // The minimise mark covers only the top 9 rows; the close mark the whole strip.
  EXPECT_EQ(PixelsOf(f, "Label2"), (Pixels{128, 0, 9, 9}));
  EXPECT_EQ(PixelsOf(f, "Label1"), (Pixels{144, 0, 9, 17}));
  EXPECT_EQ(Find(f, "Label2").text, "-");
  EXPECT_EQ(Find(f, "Label1").text, "x");
  EXPECT_EQ(Find(f, "Label1").container, "Picture2");
}

TEST(Layouts, HotspotsLeaveGapsBetweenThem) {
  const FormLayout& f = Form1Layout();
  EXPECT_EQ(PixelsOf(f, "Label3"), (Pixels{0, 24, 41, 41}));
  EXPECT_EQ(PixelsOf(f, "Label4"), (Pixels{48, 24, 57, 41}));
  EXPECT_EQ(PixelsOf(f, "Label5"), (Pixels{112, 24, 49, 41}));
  for (const char* name : {"Label3", "Label4", "Label5"}) {
    EXPECT_TRUE(Find(f, name).text.empty()) << name;
    EXPECT_EQ(Find(f, name).container, "Picture1") << name;
  }
}

TEST(Layouts, BottomRowOfThePanelAndTheTimer) {
  const FormLayout& f = Form1Layout();
  EXPECT_EQ(PixelsOf(f, "Label6"), (Pixels{8, 72, 41, 17}));
  EXPECT_EQ(PixelsOf(f, "Label7"), (Pixels{48, 72, 25, 17}));
  EXPECT_EQ(PixelsOf(f, "Label8"), (Pixels{72, 72, 25, 17}));
  EXPECT_EQ(PixelsOf(f, "Text1"), (Pixels{96, 72, 57, 19}));
  EXPECT_EQ(Find(f, "Label6").text, "idle for :");
  EXPECT_EQ(Find(f, "Label7").text, "0");
  EXPECT_EQ(Find(f, "Label8").text, "min");
  EXPECT_EQ(Find(f, "Text1").text, "reason...");
  EXPECT_EQ(Find(f, "Text1").edge, platform::Edge::Sunken);
  EXPECT_EQ(Find(f, "Timer1").kind, ControlKind::Timer);
  EXPECT_EQ(Find(f, "Timer1").intervalMs, 60000);
  EXPECT_EQ(f.caption, "Quimbly¹·º by zyk");
}

TEST(Layouts, HandleLabelLiesBelowTheClientArea) {
  const ControlLayout& handle = Find(Form1Layout(), "handle");
  EXPECT_TRUE(handle.container.empty());
  EXPECT_GT(handle.twips.top, Form1Layout().clientHeight);
  EXPECT_EQ(handle.fore, platform::kWhite);
  EXPECT_TRUE(handle.text.empty());
}

TEST(Layouts, DialogControlsFitTheirWindowsExactly) {
  const ControlLayout& ok = Find(Form3Layout(), "Label2");
  EXPECT_EQ(ok.text, "ok");
  EXPECT_EQ(ok.fore, platform::kWhite);
  EXPECT_EQ(ok.twips.left + ok.twips.width, Form3Layout().clientWidth);
  EXPECT_EQ(PixelsOf(Form3Layout(), "Text1"), (Pixels{0, 24, 128, 19}));

  const ControlLayout& entry = Find(Form4Layout(), "Text1");
  EXPECT_EQ(entry.twips.top + entry.twips.height, Form4Layout().clientHeight);
  EXPECT_EQ(PixelsOf(Form4Layout(), "Text1"), (Pixels{0, 24, 152, 19}));
  for (const FormLayout* form : {&Form3Layout(), &Form4Layout()}) {
    EXPECT_EQ(Find(*form, "Text1").text, "...handle");
    EXPECT_EQ(Find(*form, "Text1").edge, platform::Edge::Flat) << "no sunken edge on the dialogs";
    EXPECT_EQ(PixelsOf(*form, "Picture1"), (Pixels{0, 0, 153, 17}));
  }
}

TEST(Layouts, TabOrderPutsTheRightControlFirst) {
  EXPECT_EQ(TabOrder(Form1Layout()), (std::vector<std::string_view>{"Picture1", "Picture2", "Text1"}));
  EXPECT_EQ(TabOrder(Form3Layout()), (std::vector<std::string_view>{"Picture1", "Text1"}));
  EXPECT_EQ(TabOrder(Form4Layout()), (std::vector<std::string_view>{"Text1", "Picture1"}));
}

TEST(Layouts, MenuTreeWithMnemonics) {
  const auto menus = Form2Layout().menus;
  ASSERT_EQ(menus.size(), 4u);
  EXPECT_EQ(menus[0].name, "exit");
  EXPECT_TRUE(menus[0].parent.empty());
  const std::vector<std::pair<std::string_view, std::string_view>> items = {
      {"handle", "handle"}, {"exit2", "e&xit"}, {"minimize", "mi&nimize"}};
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(menus[i + 1].name, items[i].first);
    EXPECT_EQ(menus[i + 1].caption, items[i].second);
    EXPECT_EQ(menus[i + 1].parent, "exit");
  }
  EXPECT_TRUE(Form2Layout().controls.empty());
}

}  // namespace
}  // namespace quimbly::shell
