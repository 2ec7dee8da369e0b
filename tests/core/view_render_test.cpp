#include "core/view/view_render.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/base/parallel.h"
#include "core/imaging/sharpen.h"
#include "core/view/view_geometry.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::NoiseImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;
using testing_support::ViewFixture;

constexpr Rgb kGrey{120, 90, 60};

TEST(RenderView, FitsAThreeByTwoPhotoBetweenBlackBars) {
  // 240 x 160 in 64 x 48: scale 3.75, 43 rows from row 2. The row after
  // them repeats the last photo row (its box starts just past the edge);
  // the rows below are black.
  ViewFixture f(SolidImage(240, 160, kGrey));
  RenderView(f.state, f.ui, false);
  const ViewState& v = f.state.view;
  EXPECT_DOUBLE_EQ(v.ViewScale, 3.75);
  EXPECT_EQ(v.ZoomPercent, 27);
  EXPECT_EQ(v.PhotoTop, 2);
  EXPECT_EQ(v.BoxSize, 4);
  for (std::int32_t y = 0; y < 48; ++y) {
    const Rgb expected = y >= 2 && y <= 45 ? kGrey : Rgb{};
    EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, y), expected) << y;
    EXPECT_EQ(PixelAt(f.state.ViewPicture, 63, y), expected) << y;
  }
}

TEST(RenderView, ReportsTheFittedViewInTheStatusTexts) {
  ViewFixture f(SolidImage(240, 160, kGrey));
  f.state.current.Edits.ZoomMode = true;
  f.state.current.Edits.ZoomCentreX = 5;
  RenderView(f.state, f.ui, false);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, -1);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, -1);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "240x160");
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), " 27%");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【全体を表示中】");
  EXPECT_EQ(f.ui.caption, "Lumetta");
  EXPECT_EQ(f.ui.hints[Ctl::HenshuLbl], ZoomHintText(27));
  EXPECT_TRUE(f.ui.enabled[Ctl::ZoomUpBtn]);
  EXPECT_TRUE(f.ui.enabled[Ctl::ZoomDownBtn]);
  EXPECT_FALSE(f.ui.enabled[Ctl::ZoomKaijoBtn]);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::Default);
  EXPECT_EQ(f.ui.repaints, (std::vector<Picture>{Picture::ViewImg}));
}

TEST(RenderView, ShowsTheHistogramOnlyWhenItIsAutomatic) {
  ViewFixture f(SolidImage(80, 60, kGrey));
  RenderView(f.state, f.ui, false);
  EXPECT_TRUE(f.Called("clear histogram"));
  f.calls.clear();
  f.state.settings.HistogramAuto = 1;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"show histogram"}));
  f.calls.clear();
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"clear histogram"}));
}

TEST(RenderView, InPanoramaModeHandsOverToThePanes) {
  ViewFixture f(SolidImage(80, 60, kGrey));
  f.state.PanoramaMode = PanoramaKind::Pair;
  RenderView(f.state, f.ui, true);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"show photo 0"}));
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(RenderView, ThePanoramaTextsComeWithTheFirstPane) {
  ViewFixture f(SolidImage(80, 60, kGrey), 32, 48);
  SizeImage24(f.state.ViewPicture, 64, 48);
  f.state.PanoramaMode = PanoramaKind::Pair;
  f.state.view.PaneLeft = 32;
  RenderView(f.state, f.ui, false);
  EXPECT_TRUE(f.ui.texts.empty());
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, 24), (Rgb{}));  // the first pane untouched
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 40, 24), kGrey);
  f.state.view.PaneLeft = 0;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【パノラマモード】");
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), "   %");
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "");
  EXPECT_FALSE(f.ui.enabled[Ctl::ZoomUpBtn]);
  EXPECT_TRUE(f.ui.enabled[Ctl::ZoomKaijoBtn]);
}

TEST(RenderTarget, PrefersSlideShowThenFullScreenThenPreview) {
  AppState state;
  EXPECT_EQ(&RenderTarget(state), &state.ViewPicture);
  state.AdjustPreviewActive = true;
  EXPECT_EQ(&RenderTarget(state), &state.PreviewPicture);
  state.FullScreenActive = true;
  EXPECT_EQ(&RenderTarget(state), &state.FullPicture);
  EXPECT_EQ(RenderTargetPicture(state), Picture::FullImg);
  state.SlideShowActive = true;
  EXPECT_EQ(&RenderTarget(state), &state.SlidePicture);
  EXPECT_EQ(RenderTargetPicture(state), Picture::SlideImg);
}

struct ConstantCase {
  const char* name;
  QualityModeKind quality;
  std::int32_t rotation;
  bool fill;
  std::int32_t photo_w, photo_h, view_w, view_h;
  std::int32_t zoom;  // 0: fitted
};

void PrintTo(const ConstantCase& c, std::ostream* os) { *os << c.name; }

class ConstantPhoto : public ::testing::TestWithParam<ConstantCase> {};

TEST_P(ConstantPhoto, StaysConstantApartFromTheEffect) {
  const ConstantCase& c = GetParam();
  for (std::int32_t effect : {0, 1, 2}) {
    ViewFixture f(SolidImage(c.photo_w, c.photo_h, kGrey), c.view_w, c.view_h);
    f.state.settings.QualityMode = c.quality;
    f.state.settings.GlobalEffect = effect;
    f.state.settings.GlobalSharpness = 12;
    f.state.current.Edits.Rotation = static_cast<std::int8_t>(c.rotation);
    f.state.view.FillView = c.fill;
    if (c.zoom == 0) {
      RenderView(f.state, f.ui, false);
    } else {
      SetZoomValue(f.state, c.zoom);
      RenderZoom(f.state, f.ui, false);
    }
    // Only the high-quality mode shows an effect; chrome works through the
    // values, the others after them.
    Rgb shown = kGrey;
    if (c.quality == QualityModeKind::HighQuality && effect != 0) {
      const std::int32_t k = EffectiveContrast(256, effect);
      const double divisor = ContrastDivisorOf(k);
      shown = ApplyEffect(
          AdjustChannels(kGrey, AdjustValues(EffectiveBrightness(0, effect), divisor, ContrastOffsetOf(k), divisor != 1)),
          effect);
    }
    bool photo_seen = false;
    for (std::int32_t y = 0; y < c.view_h; ++y) {
      for (std::int32_t x = 0; x < c.view_w; ++x) {
        const Rgb p = PixelAt(f.state.ViewPicture, x, y);
        ASSERT_TRUE(p == shown || p == Rgb{}) << "effect " << effect << " at " << x << "," << y;
        photo_seen = photo_seen || p == shown;
      }
    }
    EXPECT_TRUE(photo_seen);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Renders, ConstantPhoto,
    ::testing::Values(ConstantCase{"quality_fit", QualityModeKind::HighQuality, 0, false, 150, 100, 64, 48, 0},
                      ConstantCase{"quality_fill_turned", QualityModeKind::HighQuality, 1, true, 150, 100, 64, 48, 0},
                      ConstantCase{"quality_doubled_grid", QualityModeKind::HighQuality, 2, false, 90, 70, 64, 48, 0},
                      ConstantCase{"quality_small_photo", QualityModeKind::HighQuality, -1, false, 30, 20, 64, 48, 0},
                      ConstantCase{"quality_zoom_out", QualityModeKind::HighQuality, 1, false, 150, 100, 64, 48, 33},
                      ConstantCase{"quality_zoom_80", QualityModeKind::HighQuality, 0, false, 150, 100, 64, 48, 80},
                      ConstantCase{"quality_zoom_300", QualityModeKind::HighQuality, 2, false, 30, 20, 64, 48, 300},
                      ConstantCase{"quality_zoom_1600", QualityModeKind::HighQuality, -1, false, 10, 8, 64, 48, 1600},
                      ConstantCase{"speed_fit", QualityModeKind::HighSpeed, 0, false, 150, 100, 64, 48, 0},
                      ConstantCase{"speed_fill_turned", QualityModeKind::HighSpeed, -1, true, 150, 100, 64, 48, 0},
                      ConstantCase{"speed_zoom_turned", QualityModeKind::HighSpeed, 1, false, 150, 100, 64, 48, 200},
                      ConstantCase{"speed_zoom_800", QualityModeKind::HighSpeed, 0, false, 10, 8, 64, 48, 800}),
    [](const ::testing::TestParamInfo<ConstantCase>& info) { return std::string(info.param.name); });

TEST(RenderView, HighSpeedFillStretchesAnUnturnedPhotoAndCropsATurnedOne) {
  // Corner marks of 3 x 3 pixels on a 3:2 photo in a 4:3 view.
  auto marked = [](std::int32_t x, std::int32_t y) {
    if (x < 3 && y < 3) return Rgb{255, 0, 0};
    if (x >= 147 && y >= 97) return Rgb{0, 255, 0};
    return kGrey;
  };
  ViewFixture f(MakeImage(150, 100, marked), 60, 45);
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  f.state.view.FillView = true;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 59, 44), (Rgb{0, 255, 0}));
  f.state.current.Edits.Rotation = 2;
  RenderView(f.state, f.ui, false);
  EXPECT_GT(f.state.view.CropLeft, 0);
  for (std::int32_t y = 0; y < 45; ++y) {
    EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, y), kGrey);
    EXPECT_EQ(PixelAt(f.state.ViewPicture, 59, y), kGrey);
  }
}

TEST(RenderView, HighSpeedShowsChromeWithNeutralValuesUnadjusted) {
  ViewFixture f(SolidImage(80, 60, kGrey));
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  f.state.settings.GlobalEffect = 1;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 30, 20), kGrey);
  // The photo's own brightness is added, not chrome's effective one.
  f.state.current.Edits.Brightness = 10;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 30, 20), (Rgb{130, 100, 70}));
}

TEST(RenderView, ThePreviewGetsNeitherThePhotosValuesNorTheEffect) {
  const TDibImage photo = NoiseImage(96, 72, 4);
  ViewFixture plain(photo);
  plain.state.AdjustPreviewActive = true;
  SizeImage24(plain.state.PreviewPicture, 64, 48);
  RenderView(plain.state, plain.ui, false);
  ViewFixture adjusted(photo);
  adjusted.state.AdjustPreviewActive = true;
  SizeImage24(adjusted.state.PreviewPicture, 64, 48);
  adjusted.state.settings.GlobalEffect = 2;
  adjusted.state.current.Edits.Brightness = 40;
  adjusted.state.current.Edits.Contrast = 300;
  RenderView(adjusted.state, adjusted.ui, false);
  EXPECT_TRUE(SamePixels(plain.state.PreviewPicture, adjusted.state.PreviewPicture));
  EXPECT_TRUE(adjusted.ui.texts.empty());
  EXPECT_EQ(adjusted.ui.repaints, (std::vector<Picture>{Picture::PreviewImg}));
}

TEST(RenderView, SharpensInHighQualityOnly) {
  auto edge = [](std::int32_t x, std::int32_t) { return x < 40 ? Rgb{60, 60, 60} : Rgb{180, 180, 180}; };
  ViewFixture f(MakeImage(80, 60, edge), 80, 60);
  f.state.settings.GlobalSharpness = 12;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 39, 10), (Rgb{16, 16, 16}));  // 60 - (40 + 4)
  EXPECT_EQ(PixelAt(f.state.view.ViewImage, 39, 10), (Rgb{60, 60, 60}));    // composed, before sharpening
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 39, 10), (Rgb{60, 60, 60}));
}

TEST(RenderView, GivesTheSameBytesOnOneOrTwoThreads) {
  const TDibImage photo = NoiseImage(333, 251, 8);
  for (std::int32_t rotation : {0, 1}) {
    TDibImage first;
    for (int threads : {1, 2}) {
      SetWorkerThreads(threads);
      ViewFixture f(photo, 100, 75);
      f.state.settings.GlobalEffect = 1;
      f.state.settings.GlobalSharpness = 12;
      f.state.current.Edits.Rotation = static_cast<std::int8_t>(rotation);
      RenderView(f.state, f.ui, false);
      if (threads == 1) {
        first = f.state.ViewPicture;
      } else {
        EXPECT_TRUE(SamePixels(f.state.ViewPicture, first)) << rotation;
      }
    }
  }
  SetWorkerThreads(0);
}

TEST(RenderZoom, AtTwoHundredPercentHoldsTheZoomImageAtTwiceThePhoto) {
  ViewFixture f(NoiseImage(50, 40, 6));
  SetZoomValue(f.state, 200);
  RenderZoom(f.state, f.ui, false);
  EXPECT_EQ(f.state.view.ZoomImage.Width(), 100);
  EXPECT_EQ(f.state.view.ZoomImage.Height(), 80);
}

TEST(RenderZoom, AtEightHundredPercentHoldsFourTimesASmallPhotoAndTwiceALargeOne) {
  ViewFixture small(SolidImage(40, 30, kGrey));
  SetZoomValue(small.state, 800);
  RenderZoom(small.state, small.ui, false);
  EXPECT_EQ(small.state.view.ZoomImage.Width(), 160);
  // 1,440,000 pixels: above LargePhotoPixels. (The commands' size limit
  // keeps such a photo below 800 %; the render itself holds it twice.)
  ViewFixture large(SolidImage(1200, 1200, kGrey));
  SetZoomValue(large.state, 800);
  RenderZoom(large.state, large.ui, false);
  EXPECT_EQ(large.state.view.ZoomImage.Width(), 2400);
  EXPECT_EQ(PixelAt(large.state.ViewPicture, 10, 10), kGrey);
}

TEST(RenderZoom, HoldsOtherLargeZoomsAtTheSizeTheWindowCopyExpects) {
  // 500 % of a large photo: the doubling gives twice the photo, the window
  // copy enlarges by 500 div 200 = 2, so the image is brought to 2.5 times.
  ViewFixture f(MakeImage(1200, 1200, [](std::int32_t x, std::int32_t) { return x < 600 ? kGrey : Rgb{0, 0, 200}; }));
  SetZoomValue(f.state, 500);
  RenderZoom(f.state, f.ui, false);
  EXPECT_EQ(f.state.view.ZoomWidth, 6000);
  EXPECT_EQ(f.state.view.ZoomImage.Width(), 3000);
  // The window shows the photo's middle, where grey meets blue (blended by
  // the doubling over a few view pixels).
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 28, 24), kGrey);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 36, 24), (Rgb{0, 0, 200}));
}

TEST(RenderZoom, CentresTheWindowAndRecordsItsCentre) {
  ViewFixture f(NoiseImage(100, 80, 9));
  SetZoomValue(f.state, 100);
  RenderZoom(f.state, f.ui, false);
  const ViewState& v = f.state.view;
  EXPECT_EQ(v.ScrollX, 50 - 32);
  EXPECT_EQ(v.ScrollY, 40 - 24);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 50);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 40);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, 0), PixelAt(f.state.DecodedPhoto, 18, 16));
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【ズームモード】");
  EXPECT_TRUE(f.ui.enabled[Ctl::ZoomKaijoBtn]);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::SizeAll);
}

TEST(RenderZoom, StartsAtTheRecordedCentreAndKeepsTheWindowInsideThePhoto) {
  ViewFixture f(NoiseImage(100, 80, 10));
  SetZoomValue(f.state, 200);
  f.state.current.Edits.ZoomCentreX = 95;
  f.state.current.Edits.ZoomCentreY = 3;
  RenderZoom(f.state, f.ui, false);
  EXPECT_EQ(f.state.view.ScrollX, 200 - 64);
  EXPECT_EQ(f.state.view.ScrollY, 0);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 84);  // R((32 + 136) * 0.5)
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 12);
}

TEST(ShowZoomWindow, CentresAZoomSmallerThanTheViewOnBlack) {
  ViewFixture f(SolidImage(40, 30, kGrey));
  SetZoomValue(f.state, 50);
  RenderZoom(f.state, f.ui, false);
  // 20 x 15 in 64 x 48: from (22, 17).
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 21, 20), (Rgb{}));
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 22, 17), kGrey);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 41, 31), kGrey);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 42, 31), (Rgb{}));
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 20);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 15);
}

TEST(RenderZoom, HighSpeedReducesLargeZoomsByTheDivisor) {
  ViewFixture f(NoiseImage(20, 10, 12));
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  SetZoomValue(f.state, 1600);
  f.state.current.Edits.Rotation = 1;
  RenderZoom(f.state, f.ui, false);
  EXPECT_EQ(f.state.view.ZoomImage.Width(), 10 * 16 / 4);
  EXPECT_TRUE(f.Called("clear histogram"));
}

TEST(SharpenChange, SharpensOnlyWhatIsShownWhenThePhotoWasNotSharpened) {
  auto edge = [](std::int32_t x, std::int32_t) { return x < 40 ? Rgb{60, 60, 60} : Rgb{180, 180, 180}; };
  ViewFixture f(MakeImage(80, 60, edge), 80, 60);
  f.state.current.Edits.Sharpness = -1;
  RenderView(f.state, f.ui, false);
  f.ui.repaints.clear();
  f.state.current.Edits.Sharpness = 16;
  SharpenChange(f.state, f.ui, -1, 0);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 39, 10), (Rgb{36, 36, 36}));  // 60 - (120 div 6 + 4)
  EXPECT_EQ(f.ui.repaints, (std::vector<Picture>{Picture::ViewImg}));
  EXPECT_EQ(f.ui.busy_depth, 0);
}

TEST(SharpenChange, RendersASharpenedPhotoAgainFromScratch) {
  auto edge = [](std::int32_t x, std::int32_t) { return x < 40 ? Rgb{60, 60, 60} : Rgb{180, 180, 180}; };
  ViewFixture f(MakeImage(80, 60, edge), 80, 60);
  f.state.current.Edits.Sharpness = 16;
  RenderView(f.state, f.ui, false);
  f.state.current.Edits.Sharpness = 8;
  SharpenChange(f.state, f.ui, 16, 0);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 39, 10), (Rgb{0, 0, 0}));  // 60 - (120 + 4), not twice
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 38, 10), (Rgb{60, 60, 60}));
}

TEST(SharpenChange, DoesNothingWhenNothingChanged) {
  ViewFixture f(SolidImage(80, 60, kGrey));
  SharpenChange(f.state, f.ui, 0, 0);
  EXPECT_EQ(f.ui.busy_calls, 0);
  EXPECT_TRUE(f.ui.repaints.empty());
}

}  // namespace
}  // namespace lumetta
