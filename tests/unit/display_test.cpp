// The program at every display scale: twips to pixels, the banner's strips
// drawn at the scale, and the panel picture at the scale with its buttons
// under their click areas; and the picture files it reads, which it never
// trusts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/rules/bitmap.h"
#include "platform/rules/box_raster.h"
#include "platform/rules/display_scale.h"
#include "platform/rules/pictures.h"
#include "shell/banner.h"
#include "shell/layouts/form1_layout.h"
#include "platform/sim/controls.h"

namespace quimbly::platform {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

PixelRect Control(const FormLayout& form, std::string_view name, const DisplayScale& scale) {
  return scale.Rect(FindControl(form, name)->twips);
}

TEST(DisplayScale, TwipsBecomePixelsAtTheDisplaysDpi) {
  // Each edge on its own: 1.5 px in and 1.5 px wide at 144 DPI is 2 to 3, not 2 to 4.
  EXPECT_EQ(DisplayScale(144).Rect({15, 15, 15, 30}), (PixelRect{2, 2, 3, 5}));
  // A half rounds up, also below zero; a drawing coordinate falls in the pixel that holds it.
  const DisplayScale standard;
  EXPECT_EQ(standard.Pixels(7.5), 1);
  EXPECT_EQ(standard.Pixels(7.4), 0);
  EXPECT_EQ(standard.Pixels(-7.5), 0);
  EXPECT_EQ(standard.Pixels(-7.6), -1);
  EXPECT_EQ(standard.PixelHolding(14.9), 0);
  EXPECT_EQ(standard.PixelHolding(-0.1), -1);
  EXPECT_EQ(DisplayScale(0), standard) << "a display that reports no DPI";
  for (const int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    const DisplayScale scale(dpi);
    for (const int pixels : {-300, -1, 0, 1, 161, 1920}) EXPECT_EQ(scale.Pixels(scale.Twips(pixels)), pixels);
  }
}

// Every pixel column of a banner's drawing area at the scale: the colour of
// the last strip drawn over it, or none.
std::vector<std::optional<Colour>> BannerColumns(int width, const DisplayScale& scale) {
  const ControlLayout layout{.kind = ControlKind::PictureBox, .twips = {0, 0, width, 255}};
  sim::SimPictureBox box(layout);
  shell::PaintBanner(box);
  const int columns = scale.Rect(layout.twips).Width() - 2;  // inside the one-pixel frame
  std::vector<std::optional<Colour>> shown(static_cast<std::size_t>(columns));
  for (const auto& strip : box.Boxes()) {
    for (const PixelRect& r : InsideFrameBox(strip.x1, strip.y1, strip.x2, strip.y2, box.DrawWidth(), scale)) {
      EXPECT_EQ(r.top, 0);
      EXPECT_GE(r.bottom, scale.Rect(layout.twips).Height() - 2) << "each strip reaches the bottom";
      for (int x = std::max(r.left, 0); x < std::min(r.right, columns); ++x) shown[static_cast<std::size_t>(x)] = strip.colour;
    }
  }
  return shown;
}

TEST(Banner, ASmoothGradientAcrossTheWholeWidthAtEveryScale) {
  for (const int width : {2415, 2295}) {
    for (const int dpi : {96, 120, 144, 192, 288, 384}) {
      SCOPED_TRACE(testing::Message() << width << " twips at " << dpi << " DPI");
      const auto columns = BannerColumns(width, DisplayScale(dpi));
      const auto red = [](Colour c) { return c & 0xFF; };
      ASSERT_TRUE(std::all_of(columns.begin(), columns.end(), [](const auto& c) { return c.has_value(); }))
          << "a column without a strip";
      EXPECT_GE(red(*columns.front()), 254u) << "white at the left edge";
      for (std::size_t x = 1; x < columns.size(); ++x) {
        ASSERT_LE(red(*columns[x]), red(*columns[x - 1])) << "a step back at column " << x;
        ASSERT_LE(red(*columns[x - 1]) - red(*columns[x]), 3u) << "a jump at column " << x;
      }
      EXPECT_LE(red(*columns.back()), 57u) << "blue at the right edge";
      EXPECT_GE(red(*columns.back()), 50u);
    }
  }
}

// The panel's buttons along a row: runs of what is neither the ground nor
// the globe's wire (nor a blend of the two).
std::vector<std::pair<int, int>> ButtonsAlongRow(const Bitmap& picture, int y) {
  const auto ground = [](std::uint32_t p) {
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    return b >= 240 && r <= 45 && g >= 155 && g <= 190;
  };
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < picture.width; ++x) {
    if (ground(picture.At(x, y))) continue;
    if (!runs.empty() && runs.back().second == x) {
      runs.back().second = x + 1;
    } else {
      runs.emplace_back(x, x + 1);
    }
  }
  return runs;
}

TEST(Pictures, ThePanelsButtonsLieUnderTheirClickAreasAtEveryScale) {
  const FormLayout form = shell::Form1Layout();
  ASSERT_EQ(FindControl(form, "Picture1")->picture, Picture::Panel);
  // The drawn scales, and two between them that the program resamples.
  for (const int dpi : {96, 120, 144, 192, 110, 168}) {
    SCOPED_TRACE(testing::Message() << dpi << " DPI");
    const DisplayScale scale(dpi);
    const Bitmap panel = PictureAt(Picture::Panel, scale);
    ASSERT_EQ(panel.width, scale.FromStandard(161));
    ASSERT_EQ(panel.height, scale.FromStandard(75));
    const PixelRect areas[] = {Control(form, "Label3", scale), Control(form, "Label4", scale),
                               Control(form, "Label5", scale)};
    const int row = (areas[0].top + areas[0].bottom) / 2;
    const auto buttons = ButtonsAlongRow(panel, row);
    ASSERT_EQ(buttons.size(), 3u) << "buttons along row " << row;
    for (std::size_t k = 0; k < 3; ++k) {
      SCOPED_TRACE(k);
      const int middle = (buttons[k].first + buttons[k].second - 1) / 2;
      EXPECT_TRUE(areas[k].left <= middle && middle < areas[k].right)
          << "the button's middle, column " << middle << ", outside its area " << areas[k].left << ".."
          << areas[k].right - 1;
      if (k > 0) {
        EXPECT_GE(buttons[k].first, areas[k - 1].right) << "the button starts under the area to its left";
      }
      const std::uint32_t fill = panel.At(buttons[k].first + scale.FromStandard(3), row);
      EXPECT_EQ(fill, 0x4191BBu) << "steel just inside the frame";
    }
  }
}

TEST(Pictures, EachDrawingIsShownAsDrawnAtItsOwnScale) {
  const auto files = PictureFiles(Picture::Panel);
  ASSERT_EQ(files.size(), 4u);
  EXPECT_EQ(files.front().percent, 100);
  for (const PictureFile& file : files) {
    SCOPED_TRACE(file.percent);
    const auto drawn = ReadBmp(file.bytes);
    ASSERT_TRUE(drawn.has_value());
    // At its own scale a drawing is shown as drawn, sharp, not resampled (and
    // the panel test holds what is shown to the scale's size).
    EXPECT_TRUE(PictureAt(Picture::Panel, DisplayScale(file.percent * kStandardDpi / 100)).pixels == drawn->pixels);
  }
}

// A BMP file of 8 bits a pixel, run-length encoded, with the palette and
// the runs given.
std::vector<std::uint8_t> Rle8File(int width, int height, const std::vector<std::uint32_t>& palette,
                                   const std::vector<std::uint8_t>& runs) {
  std::vector<std::uint8_t> file;
  const auto u16 = [&](std::uint32_t v) { file.push_back(v & 0xFF); file.push_back(v >> 8 & 0xFF); };
  const auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
  const auto bits = static_cast<std::uint32_t>(54 + 4 * palette.size());
  u16(0x4D42); u32(bits + static_cast<std::uint32_t>(runs.size())); u32(0); u32(bits);
  u32(40); u32(static_cast<std::uint32_t>(width)); u32(static_cast<std::uint32_t>(height)); u16(1); u16(8); u32(1);
  u32(static_cast<std::uint32_t>(runs.size())); u32(0); u32(0); u32(static_cast<std::uint32_t>(palette.size())); u32(0);
  for (const std::uint32_t c : palette) u32(c);
  file.insert(file.end(), runs.begin(), runs.end());
  return file;
}

TEST(Bitmaps, RunLengthEncodedRowsReadBottomUp) {
  // Bottom row: a run of two, then two literal indexes (padded to even);
  // top row: a jump one pixel right, then one pixel.
  const auto file = Rle8File(4, 2, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF},
                             {2, 1, 0, 3, 2, 3, 0, 0, 0, 0, 0, 2, 1, 0, 1, 2, 0, 1});
  const auto read = ReadBmp(file);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->pixels, (std::vector<std::uint32_t>{0x000000, 0x00FF00, 0x000000, 0x000000,
                                                      0xFF0000, 0xFF0000, 0x00FF00, 0x0000FF}));
}

TEST(Bitmaps, AFileThatLiesAboutItselfIsRefused) {
  const std::vector<std::uint8_t> runs{2, 1, 0, 0, 2, 1, 0, 1};
  EXPECT_TRUE(ReadBmp(Rle8File(2, 2, {0, 0xFFFFFF}, runs)).has_value());
  const struct { const char* why; std::vector<std::uint8_t> file; } lies[] = {
      {"an index beyond the palette", Rle8File(2, 2, {0, 0xFFFFFF}, {2, 7, 0, 1})},
      {"literal indexes beyond the end", Rle8File(2, 2, {0, 0xFFFFFF}, {0, 9, 1, 1})},
      {"no end mark", Rle8File(2, 2, {0, 0xFFFFFF}, {2, 1, 0, 0})},
      {"a jump cut short", Rle8File(2, 2, {0, 0xFFFFFF}, {0, 2, 1})},
      {"not a BMP", {'P', '6', 0, 0}},
  };
  for (const auto& lie : lies) {
    SCOPED_TRACE(lie.why);
    EXPECT_FALSE(ReadBmp(lie.file).has_value());
  }
  // Runs that go past the right edge or the top are cut off, not written beyond the picture.
  const auto wide = ReadBmp(Rle8File(2, 1, {0, 0xFFFFFF}, {200, 1, 0, 0, 9, 1, 0, 1}));
  ASSERT_TRUE(wide.has_value());
  EXPECT_EQ(wide->pixels, (std::vector<std::uint32_t>{0xFFFFFF, 0xFFFFFF}));
  // Every shortened copy of a real drawing is refused or read, never read beyond its end.
  const auto real = PictureFiles(Picture::Panel)[1].bytes;
  for (std::size_t length = 0; length < real.size(); length += 97) {
    const std::vector<std::uint8_t> cut(real.begin(), real.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(ReadBmp(cut).has_value()) << length << " bytes";
  }
}

TEST(Bitmaps, ResamplingAveragesWhatEachNewPixelCovers) {
  const Bitmap stripes{4, 1, {0x000000, 0x0000FF, 0x0000FF, 0x000000}};
  // Two pixels: each covers one black and one blue pixel.
  EXPECT_EQ(Resample(stripes, 2, 1).pixels, (std::vector<std::uint32_t>{0x000080, 0x000080}));
  // Three pixels: the outer ones cover a black pixel and a third of a blue
  // one (a quarter blue), the middle one blue alone.
  EXPECT_EQ(Resample(stripes, 3, 1).pixels, (std::vector<std::uint32_t>{0x000040, 0x0000FF, 0x000040}));
  const Bitmap dot{1, 1, {0x123456}};
  EXPECT_EQ(Resample(dot, 2, 3).pixels, std::vector<std::uint32_t>(6, 0x123456));
  EXPECT_TRUE(Resample(dot, 0, 3).pixels.empty());
}

}  // namespace
}  // namespace quimbly::platform
