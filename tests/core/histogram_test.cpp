#include "core/imaging/histogram.h"

#include <gtest/gtest.h>

#include "core/view/histogram_commands.h"
#include "support/temp_dir.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;
using testing_support::ViewFixture;

TDibImage Solid(std::int32_t w, std::int32_t h, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(w, h);
  image.Fill(r, g, b);
  return image;
}

struct BinCase {
  std::uint8_t r, g, b;
  std::size_t bin;
};

class BrightnessBin : public testing::TestWithParam<BinCase> {};

TEST_P(BrightnessBin, IsTheSumDividedBySix) {
  const BinCase& c = GetParam();
  const HistogramBins bins = CountBrightness(Solid(3, 2, c.r, c.g, c.b), 0, 0, 2, 1);
  EXPECT_EQ(bins[c.bin], 6);
}

INSTANTIATE_TEST_SUITE_P(Pixels, BrightnessBin,
                         testing::Values(BinCase{255, 255, 255, 127}, BinCase{1, 2, 2, 0}, BinCase{6, 0, 0, 1},
                                         BinCase{0, 0, 5, 0}, BinCase{100, 50, 0, 25}));

std::int32_t ColumnHeight(const TDibImage& image, std::int32_t x) {
  std::int32_t h = 0;
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    const std::uint8_t* p = image.ScanLine(y) + 3 * x;
    if (p[0] == 255 && p[1] == 255 && p[2] == 255) {
      ++h;
    } else {
      EXPECT_EQ(p[0] + p[1] + p[2], 0) << "column " << x << " row " << y;
      EXPECT_EQ(h, 0) << "a white column stands on the bottom: column " << x;
    }
  }
  return h;
}

TEST(Histogram, AllBlackFillsBinZeroToTheTopAtTheSmallestScale) {
  const HistogramBins bins = CountBrightness(Solid(10, 10, 0, 0, 0), 0, 0, 9, 9);
  EXPECT_EQ(HistogramUnit(bins), 1);
  TDibImage drawn;
  DrawHistogram(bins, drawn);
  ASSERT_EQ(drawn.Width(), 128);
  ASSERT_EQ(drawn.Height(), 50);
  EXPECT_EQ(ColumnHeight(drawn, 0), 50);
  for (std::int32_t x = 1; x < 128; ++x) EXPECT_EQ(ColumnHeight(drawn, x), 0);
}

TEST(Histogram, TheOuterBinsDoNotSetTheScaleAndAreCut) {
  HistogramBins bins{};
  bins[0] = 5000;
  bins[1] = 7000;
  bins[126] = 9000;
  bins[127] = 400;
  bins[64] = 120;  // m = 120, unit 3
  bins[65] = 1;
  bins[66] = 4;
  EXPECT_EQ(HistogramUnit(bins), 3);
  TDibImage drawn;
  DrawHistogram(bins, drawn);
  EXPECT_EQ(ColumnHeight(drawn, 0), 50);
  EXPECT_EQ(ColumnHeight(drawn, 1), 50);
  EXPECT_EQ(ColumnHeight(drawn, 126), 50);
  EXPECT_EQ(ColumnHeight(drawn, 127), 50);
  EXPECT_EQ(ColumnHeight(drawn, 64), 40);
  EXPECT_EQ(ColumnHeight(drawn, 65), 1);
  EXPECT_EQ(ColumnHeight(drawn, 66), 2);
  EXPECT_EQ(ColumnHeight(drawn, 67), 0);
}

TEST(Histogram, TheRegionIsCutToThePicture) {
  const HistogramBins bins = CountBrightness(Solid(4, 3, 30, 30, 30), -5, -5, 100, 100);
  EXPECT_EQ(bins[15], 12);
  const HistogramBins none = CountBrightness(Solid(4, 3, 30, 30, 30), 3, 2, 1, 0);
  for (std::int32_t k : none) EXPECT_EQ(k, 0);
}

TEST(HistogramLegend, GreyRampUnderAGreyLineWithABlackFirstColumn) {
  TDibImage legend;
  DrawHistogramLegend(legend);
  ASSERT_EQ(legend.Width(), 128);
  ASSERT_EQ(legend.Height(), 5);
  for (std::int32_t x = 0; x < 128; ++x) {
    EXPECT_EQ(legend.ScanLine(0)[3 * x], 0x80);
    for (std::int32_t y = 1; y < 5; ++y) {
      const std::uint8_t* p = legend.ScanLine(y) + 3 * x;
      const int expected = x == 0 ? 0 : 2 * x + 1;
      EXPECT_EQ(p[0], expected);
      EXPECT_EQ(p[1], expected);
      EXPECT_EQ(p[2], expected);
    }
  }
}

// A 16 x 8 fitted photo in the middle of a 16 x 12 view: the histogram
// counts the photo, not the black bars.
TEST(ShowHistogram, CountsThePhotoWithoutTheBars) {
  ViewFixture f(Solid(16, 8, 60, 60, 60), 16, 12);
  f.state.view.PhotoLeft = 0;
  f.state.view.PhotoTop = 2;
  f.state.view.ViewImage = Solid(16, 12, 0, 0, 0);
  f.state.view.ViewImage.FillRect(0, 2, 16, 10, 60, 60, 60);
  ShowHistogram(f.state, f.ui);
  EXPECT_TRUE(f.state.HistogramShown);
  // 128 pixels in bin 30 and none in bin 0: unit (128 + 49) div 50 = 3,
  // height (128 + 2) div 3 = 43.
  EXPECT_EQ(ColumnHeight(f.state.HistogramPicture, 30), 43);
  EXPECT_EQ(ColumnHeight(f.state.HistogramPicture, 0), 0);
  ClearHistogram(f.state, f.ui);
  EXPECT_FALSE(f.state.HistogramShown);
  EXPECT_EQ(ColumnHeight(f.state.HistogramPicture, 30), 0);
}

TEST(ShowHistogram, NothingHappensInFullScreenOrUnderThePreview) {
  for (bool full_screen : {true, false}) {
    ViewFixture f(Solid(8, 6, 200, 200, 200), 8, 6);
    f.state.FullScreenActive = full_screen;
    f.state.AdjustPreviewActive = !full_screen;
    f.state.view.ViewImage = Solid(8, 6, 200, 200, 200);
    ShowHistogram(f.state, f.ui);
    EXPECT_FALSE(f.state.HistogramShown);
    EXPECT_TRUE(f.ui.repaints.empty());
  }
}

TEST(HistogramClick, ShowsOnlyForAShownPhotoOutsidePanoramaWhenNotShown) {
  ViewFixture f(Solid(8, 6, 200, 200, 200), 8, 6);
  f.state.view.ViewImage = Solid(8, 6, 200, 200, 200);
  f.state.PanoramaMode = static_cast<decltype(f.state.PanoramaMode)>(1);
  HistogramClick(f.state, f.ui);
  EXPECT_FALSE(f.state.HistogramShown);
  f.state.PanoramaMode = {};
  f.state.current.Name.clear();
  HistogramClick(f.state, f.ui);
  EXPECT_FALSE(f.state.HistogramShown);
  f.state.current.Name = "photo.bmp";
  HistogramClick(f.state, f.ui);
  EXPECT_TRUE(f.state.HistogramShown);
  EXPECT_EQ(f.ui.busy_calls, 1);
}

TEST(HistogramMenu, AutomaticInHighSpeedExplainsAndStoresTheSetting) {
  TempDir dir;
  ViewFixture f(Solid(8, 6, 200, 200, 200), 8, 6);
  f.state.folders.AppFolder = dir.Path();
  f.state.settings.QualityMode = static_cast<decltype(f.state.settings.QualityMode)>(1);
  HistgramAutoMenuClick(f.state, f.ui);
  EXPECT_EQ(f.state.settings.HistogramAuto, 1);
  EXPECT_TRUE(f.ui.checked[Ctl::HistgramAutoMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::HistgramHandMenu]);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines.front(), "現在、高速モードになっています。");
  EXPECT_FALSE(f.state.HistogramShown);
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).HistogramAuto, 1);
  HistgramHandMenuClick(f.state, f.ui);
  EXPECT_EQ(f.state.settings.HistogramAuto, 0);
  EXPECT_TRUE(f.ui.checked[Ctl::HistgramHandMenu]);
}

}  // namespace
}  // namespace lumetta
