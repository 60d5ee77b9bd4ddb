// The gradient banner: its strips, and the colour every pixel column shows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/sim/picture_box.h"
#include "shell/banner.h"
#include "sim_program.h"

namespace quimbly::shell {
namespace {

using platform::Colour;
using platform::Rgb;

// Records what the painter asks of its box.
class RecordingBox final : public platform::PictureBox {
 public:
  explicit RecordingBox(float width) : width_(width) {}
  void SetAutoRedraw(bool on) override { calls.push_back("AutoRedraw " + std::to_string(on)); }
  void SetDrawStyle(int style) override { calls.push_back("DrawStyle " + std::to_string(style)); }
  void SetDrawMode(int mode) override { calls.push_back("DrawMode " + std::to_string(mode)); }
  void SetDrawWidth(int pixels) override { calls.push_back("DrawWidth " + std::to_string(pixels)); }
  float Width() const override { return width_; }
  float Height() const override {
    ++heightReads;
    return 255;
  }
  void Box(float x1, float y1, float x2, float y2, Colour colour) override {
    strips.push_back({x1, y1, x2, y2, colour});
  }

  struct Strip {
    float x1, y1, x2, y2;
    Colour colour;
  };
  std::vector<std::string> calls;
  std::vector<Strip> strips;
  mutable int heightReads = 0;

 private:
  float width_;
};

int Red(Colour c) { return static_cast<int>(c & 0xFF); }
int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// The colour a pixel column shows, worked out in double precision from the
// gradient's definition: the last strip (10 twips apart) that starts in it.
Colour ExpectedColumn(int column, double width) {
  const double half = width / 2;
  const int lastStrip = static_cast<int>(std::floor(width / 8));
  int strip = -1;
  for (int k = 0; k <= lastStrip; ++k) {
    if (10 * k / 15 == column) strip = k;
  }
  const double c = 4.0 * strip;
  return Rgb(static_cast<int>(std::lround(255 - 255 * c / half)), static_cast<int>(std::lround(255 - 100 * c / half)),
             255);
}

TEST(Banner, SetsThePenBeforeDrawingAndReadsHeightForEveryStrip) {
  RecordingBox box(2415);
  PaintBanner(box);
  EXPECT_EQ(box.calls, (std::vector<std::string>{"AutoRedraw 1", "DrawStyle 6", "DrawMode 13", "DrawWidth 2"}));
  EXPECT_EQ(box.strips.size(), 302u);
  EXPECT_EQ(box.heightReads, 302);
}

TEST(Banner, StripsOfTheWorkedExample) {
  RecordingBox box(2415);
  PaintBanner(box);
  const auto& s = box.strips;
  ASSERT_EQ(s.size(), 302u);
  EXPECT_EQ(s[0].colour, Rgb(255, 255, 255));
  EXPECT_EQ(s[1].colour, Rgb(254, 255, 255));
  EXPECT_EQ(s[2].colour, Rgb(253, 254, 255));
  EXPECT_EQ(s[238].colour, Rgb(54, 176, 255));
  EXPECT_EQ(s[301].colour, Rgb(1, 155, 255));
  EXPECT_EQ(s[1].x1, 10.0f);
  EXPECT_EQ(s[1].x2, 12.0f);
  EXPECT_EQ(s[1].y1, 0.0f);
  EXPECT_EQ(s[1].y2, 255.0f);
  EXPECT_EQ(s[301].x1, 3010.0f);
}

TEST(Banner, DialogWidthGives287Strips) {
  RecordingBox box(2295);
  PaintBanner(box);
  ASSERT_EQ(box.strips.size(), 287u);
  EXPECT_EQ(box.strips[226].x1, 2260.0f);
  EXPECT_EQ(box.strips[226].colour, Rgb(54, 176, 255));
  EXPECT_EQ(box.strips[286].colour, Rgb(1, 155, 255));
}

TEST(Banner, StripEqualToHalfIsStillDrawn) {
  RecordingBox eight(8);
  PaintBanner(eight);
  ASSERT_EQ(eight.strips.size(), 2u);
  EXPECT_EQ(eight.strips[0].colour, Rgb(255, 255, 255));
  EXPECT_EQ(eight.strips[1].colour, Rgb(0, 155, 255));
  RecordingBox seven(7);
  PaintBanner(seven);
  EXPECT_EQ(seven.strips.size(), 1u);
}

TEST(Banner, BlueStaysFullAndGreenAndRedStayInRange) {
  for (const float width : {2415.0f, 2295.0f, 1000.0f, 8.0f}) {
    RecordingBox box(width);
    PaintBanner(box);
    for (const auto& strip : box.strips) {
      EXPECT_EQ(Blue(strip.colour), 255);
      EXPECT_GE(Green(strip.colour), 155);
      EXPECT_GE(Red(strip.colour), 0);
    }
  }
}

TEST(Banner, ZeroWidthBoxDrawsNothingAndVeryWideOneStopsInRange) {
  RecordingBox empty(0);
  PaintBanner(empty);
  EXPECT_TRUE(empty.strips.empty());
  RecordingBox wide(40000);
  PaintBanner(wide);
  ASSERT_FALSE(wide.strips.empty());
  EXPECT_LE(wide.strips.back().x1, 32767.0f) << "16-bit positions never wrap";
  EXPECT_GT(wide.strips.back().x1, 32000.0f);
}

// Every pixel column of the drawing area, on every row, in the simulated box.
void ExpectGradient(const platform::sim::SimPictureBox& box, double width) {
  for (int x = 0; x < box.InnerWidth(); ++x) {
    for (int y = 0; y < box.InnerHeight(); ++y) {
      ASSERT_EQ(box.Pixel(x, y), ExpectedColumn(x, width)) << "column " << x << ", row " << y;
    }
  }
}

TEST(BannerPixels, MainWindowBannerColumnByColumn) {
  testing::SimProgram sim;
  sim.StartAnnounced();
  auto& box = sim.toolkit.FindForm("Form1").Picture("Picture2");
  ASSERT_EQ(box.InnerWidth(), 159);
  ASSERT_EQ(box.InnerHeight(), 15);
  ExpectGradient(box, 2415);
  // Strips 0 and 1 both start in the first column; the later one shows.
  EXPECT_EQ(box.Pixel(0, 0), Rgb(254, 255, 255));
  EXPECT_EQ(box.Pixel(158, 14), Rgb(54, 176, 255));
}

TEST(BannerPixels, BothDialogsShowTheSameGradient) {
  testing::SimProgram sim;
  sim.Start();
  auto& first = sim.toolkit.FindForm("Form3").Picture("Picture1");
  ASSERT_EQ(first.PaintEvents(), 1);
  ExpectGradient(first, 2295);
  EXPECT_EQ(first.Pixel(150, 7), Rgb(54, 176, 255));

  sim.toolkit.Click("Form3", "Label2");
  sim.toolkit.ChooseFromNextPopup("handle");
  sim.toolkit.Click("Form1", "Label3");
  auto& change = sim.toolkit.FindForm("Form4").Picture("Picture1");
  ExpectGradient(change, 2295);
}

TEST(BannerPixels, RepaintsComeFromTheImageWithoutANewPass) {
  testing::SimProgram sim;
  sim.StartAnnounced();
  auto& box = sim.toolkit.FindForm("Form1").Picture("Picture2");
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
}

}  // namespace
}  // namespace quimbly::shell
