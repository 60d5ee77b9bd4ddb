// The main window's table, where a wrong number would put a click area or a
// box in the wrong place.
#include <gtest/gtest.h>

#include <string_view>

#include "shell/layouts/form1_layout.h"

namespace quimbly::shell {
namespace {

using platform::ControlKind;
using platform::ControlLayout;
using platform::TwipsToPixels;

const ControlLayout& Find(std::string_view name) {
  for (const ControlLayout& c : Form1Layout().controls) {
    if (c.name == name) return c;
  }
  throw std::logic_error("missing control");
}

struct Pixels {
  int x, y, w, h;
  bool operator==(const Pixels&) const = default;
};

Pixels PixelsOf(std::string_view name) {
  const auto& t = Find(name).twips;
  return {TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width), TwipsToPixels(t.height)};
}

TEST(Form1Layout, WindowIsA161By121BlackBorderlessToolWindow) {
  const auto& form = Form1Layout();
  EXPECT_EQ(TwipsToPixels(form.clientWidth), 161);
  EXPECT_EQ(TwipsToPixels(form.clientHeight), 121);
  EXPECT_TRUE(form.borderless);
  EXPECT_FALSE(form.showInTaskbar);
  EXPECT_EQ(form.background, platform::kBlack);
  EXPECT_EQ(form.caption, "Quimbly¹·º by zyk");
}

TEST(Form1Layout, SessionControlsSitInTheImagePanel) {
  EXPECT_EQ(PixelsOf("Label4"), (Pixels{48, 24, 57, 41}));
  EXPECT_EQ(PixelsOf("Label5"), (Pixels{112, 24, 49, 41}));
  EXPECT_EQ(PixelsOf("Label6"), (Pixels{8, 72, 41, 17}));
  EXPECT_EQ(PixelsOf("Label7"), (Pixels{48, 72, 25, 17}));
  EXPECT_EQ(PixelsOf("Label8"), (Pixels{72, 72, 25, 17}));
  EXPECT_EQ(PixelsOf("Text1"), (Pixels{96, 72, 57, 19}));
  for (const char* name : {"Label4", "Label5", "Label6", "Label7", "Label8", "Text1"}) {
    EXPECT_EQ(Find(name).container, "Picture1") << name;
  }
  EXPECT_EQ(PixelsOf("Picture1"), (Pixels{0, 24, 161, 97}));
}

TEST(Form1Layout, InitialStateOfTheSession) {
  EXPECT_EQ(Find("Timer1").kind, ControlKind::Timer);
  EXPECT_EQ(Find("Timer1").intervalMs, 60000);
  EXPECT_EQ(Find("Label7").text, "0");
  EXPECT_EQ(Find("Text1").text, "reason...");
  EXPECT_EQ(Find("Text1").edge, platform::Edge::Sunken);
  EXPECT_TRUE(Find("Label4").text.empty());
  EXPECT_TRUE(Find("Label5").text.empty());
}

}  // namespace
}  // namespace quimbly::shell
