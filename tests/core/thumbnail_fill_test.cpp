#include "core/imaging/thumbnail_fill.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/thumb_photos.h"

namespace lumetta {
namespace {

using testing_support::At;
using testing_support::Bgr;
using testing_support::MakePicture;
using testing_support::Uniform;

constexpr Bgr kBlack{0, 0, 0};
constexpr Bgr kWhite{255, 255, 255};

TDibImage PlainFit(const TDibImage& picture, std::int8_t rotation = 0, ThumbAdjust adjust = {}) {
  TDibImage thumb = BlackThumbnail();
  FillPlainFit(ThumbSource(picture), rotation, adjust, thumb);
  return thumb;
}

TDibImage Crop(const TDibImage& picture, double zoom, int cx, int cy) {
  TDibImage thumb = BlackThumbnail();
  FillCropWindow(ThumbSource(picture), 0, zoom, cx, cy, {}, thumb);
  return thumb;
}

// Blue tells the column, green the row.
TDibImage Coordinates(int width, int height, int red = 200) {
  return MakePicture(width, height, [red](int x, int y) { return Bgr{x % 256, y % 256, red}; });
}

TEST(PlainFit, AnEightyBySixtyPictureIsCopiedAsItIs) {
  const TDibImage picture = MakePicture(80, 60, [](int x, int y) { return Bgr{x, y, (x * y) % 256}; });
  const TDibImage thumb = PlainFit(picture);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(At(thumb, x, y), At(picture, x, y)) << x << "," << y;
  }
}

TEST(PlainFit, TwiceTheSizeAveragesTwoByTwoBlocks) {
  const TDibImage thumb = PlainFit(Coordinates(160, 120, 50));
  // Columns 2i and 2i + 1 average to 2i (integer division), rows alike.
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(At(thumb, x, y), (Bgr{2 * x, 2 * y, 50})) << x << "," << y;
  }
}

TEST(PlainFit, ALandscapeThreeByTwoPictureGetsBlackRowsAboveAndBelow) {
  // f = 1.5, blocks of 2 x 2 samples, top margin (60 - 53) div 2 = 3.
  const TDibImage thumb = PlainFit(Coordinates(120, 80));
  for (int x = 0; x < 80; ++x) {
    for (int y : {0, 1, 2, 57, 58, 59}) ASSERT_EQ(At(thumb, x, y), kBlack) << x << "," << y;
  }
  // Row u of the picture's part starts at picture row R(1.5u), column i at
  // R(1.5i); the last column's second sample lies one beyond the edge and is
  // taken from the edge.
  EXPECT_EQ(At(thumb, 0, 3), (Bgr{0, 0, 200}));
  EXPECT_EQ(At(thumb, 1, 4), (Bgr{2, 2, 200}));    // R(1.5) = 2
  EXPECT_EQ(At(thumb, 3, 5), (Bgr{5, 3, 200}));    // R(4.5) = 5, R(3) = 3
  EXPECT_EQ(At(thumb, 79, 55), (Bgr{119, 78, 200}));
  // Row u = 53 starts at R(79.5) = 80: one sample row taken from the edge,
  // one beyond reach and black, which still counts in the average.
  EXPECT_EQ(At(thumb, 10, 56), (Bgr{(2 * 15 + 1) / 4, 79 * 2 / 4, 100}));
}

TEST(PlainFit, APortraitPictureGetsBlackColumnsLeftAndRight) {
  // 60 x 80: f = 4/3, left margin (80 - 45) div 2 = 17; the column after the
  // picture has one of its two sample columns beyond reach.
  const TDibImage thumb = PlainFit(Uniform(60, 80, kWhite));
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 17; ++x) ASSERT_EQ(At(thumb, x, y), kBlack) << x << "," << y;
    for (int x = 17; x <= 61; ++x) ASSERT_EQ(At(thumb, x, y), kWhite) << x << "," << y;
    ASSERT_EQ(At(thumb, 62, y), (Bgr{127, 127, 127})) << y;
    for (int x = 63; x < 80; ++x) ASSERT_EQ(At(thumb, x, y), kBlack) << x << "," << y;
  }
}

struct TurnCase {
  std::int8_t rotation;
  // The expected blue and green of thumbnail pixel (x, y).
  int (*blue)(int x, int y);
  int (*green)(int x, int y);
};

void PrintTo(const TurnCase& c, std::ostream* out) { *out << "rotation " << int{c.rotation}; }

class PlainFitTurned : public ::testing::TestWithParam<TurnCase> {};

TEST_P(PlainFitTurned, ReadsThePictureThroughItsRotation) {
  const TurnCase& c = GetParam();
  // A picture that is 80 x 60 when shown with this rotation, so that every
  // thumbnail pixel is one picture pixel.
  const bool sideways = c.rotation == 1 || c.rotation == -1;
  const TDibImage thumb = PlainFit(Coordinates(sideways ? 60 : 80, sideways ? 80 : 60), c.rotation);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) {
      ASSERT_EQ(At(thumb, x, y), (Bgr{c.blue(x, y), c.green(x, y), 200})) << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Rotations, PlainFitTurned,
    ::testing::Values(TurnCase{0, [](int x, int) { return x; }, [](int, int y) { return y; }},
                      // Clockwise: the picture's left column becomes the top row.
                      TurnCase{1, [](int, int y) { return y; }, [](int x, int) { return 79 - x; }},
                      TurnCase{2, [](int x, int) { return 79 - x; }, [](int, int y) { return 59 - y; }},
                      TurnCase{-1, [](int, int y) { return 59 - y; }, [](int x, int) { return x; }},
                      // Unknown codes show the picture unturned.
                      TurnCase{5, [](int x, int) { return x; }, [](int, int y) { return y; }}));

TEST(PlainFit, AQuarterTurnedLandscapePictureGetsSideMargins) {
  for (std::int8_t rotation : {std::int8_t{1}, std::int8_t{-1}}) {
    const TDibImage thumb = PlainFit(Uniform(80, 60, kWhite), rotation);
    EXPECT_EQ(At(thumb, 16, 30), kBlack);
    EXPECT_EQ(At(thumb, 17, 30), kWhite);
    EXPECT_EQ(At(thumb, 61, 30), kWhite);
    EXPECT_EQ(At(thumb, 63, 30), kBlack);
  }
}

TEST(PlainFit, ALargePictureIsSampledEightTimesEachWaySpreadOverTheBlock) {
  // 1280 x 960: blocks of 16, samples every second pixel. Odd columns are
  // never sampled, even rows always.
  const TDibImage thumb = PlainFit(MakePicture(1280, 960, [](int x, int y) {
    return Bgr{x % 2 == 1 ? 255 : 0, y % 2 == 0 ? 255 : 0, 9};
  }));
  for (int y = 0; y < 60; y += 7) {
    for (int x = 0; x < 80; x += 7) ASSERT_EQ(At(thumb, x, y), (Bgr{0, 255, 9})) << x << "," << y;
  }
}

TEST(ThumbAdjust, IsOffForNeutralValues) {
  EXPECT_FALSE(MakeThumbAdjust(0, 256).On);
  EXPECT_TRUE(MakeThumbAdjust(40, 256).On);
  EXPECT_TRUE(MakeThumbAdjust(0, 128).On);
}

struct AdjustCase {
  Bgr in;
  int brightness;
  int contrast;
  Bgr out;
};

void PrintTo(const AdjustCase& c, std::ostream* out) {
  *out << c.in << " B " << c.brightness << " K " << c.contrast << " -> " << c.out;
}

class AdjustedThumbnail : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustedThumbnail, AdjustsEveryAveragedPixel) {
  const AdjustCase& c = GetParam();
  const TDibImage thumb = PlainFit(Uniform(160, 120, c.in), 0, MakeThumbAdjust(c.brightness, c.contrast));
  EXPECT_EQ(At(thumb, 0, 0), c.out);
  EXPECT_EQ(At(thumb, 79, 59), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AdjustedThumbnail,
    ::testing::Values(AdjustCase{kWhite, 40, 256, kWhite}, AdjustCase{kBlack, 40, 256, kBlack},
                      AdjustCase{{100, 100, 100}, 40, 256, {140, 140, 140}},
                      // Red overflows by 35 and pulls green and blue down by as much.
                      AdjustCase{{50, 100, 250}, 40, 256, {55, 105, 255}},
                      // Contrast 128: v / 2 rounded, plus 64.
                      AdjustCase{{200, 100, 1}, 0, 128, {164, 114, 65}},
                      AdjustCase{{100, 100, 100}, -150, 256, kBlack}));

TEST(AdjustedThumbnail, OnlyAllBlackSamplesStayBlack) {
  // One dim pixel among four black samples averages to 0 but is not black.
  TDibImage picture = Uniform(160, 120, kBlack);
  picture.SetPixels(0, 0, 0x010101);
  const TDibImage thumb = PlainFit(picture, 0, MakeThumbAdjust(40, 256));
  EXPECT_EQ(At(thumb, 0, 0), (Bgr{40, 40, 40}));
  EXPECT_EQ(At(thumb, 1, 0), kBlack);
}

TEST(CropWindow, ZoomTwoShowsTheMiddleAtFullSize) {
  const TDibImage thumb = Crop(Coordinates(160, 120), 2, -1, -1);
  for (int y = 0; y < 60; y += 11) {
    for (int x = 0; x < 80; x += 13) ASSERT_EQ(At(thumb, x, y), (Bgr{x + 40, y + 30, 200})) << x << "," << y;
  }
}

struct CentreCase {
  int cx, cy;
  int left, top;  // the window's origin in the picture
};

void PrintTo(const CentreCase& c, std::ostream* out) { *out << "centre " << c.cx << "," << c.cy; }

class CropWindowCentre : public ::testing::TestWithParam<CentreCase> {};

TEST_P(CropWindowCentre, PlacesTheWindowAroundTheCentreInsideThePicture) {
  const CentreCase& c = GetParam();
  const TDibImage thumb = Crop(Coordinates(160, 120), 2, c.cx, c.cy);
  EXPECT_EQ(At(thumb, 0, 0), (Bgr{c.left, c.top, 200}));
  EXPECT_EQ(At(thumb, 79, 59), (Bgr{c.left + 79, c.top + 59, 200}));
}

INSTANTIATE_TEST_SUITE_P(Centres, CropWindowCentre,
                         ::testing::Values(CentreCase{100, 50, 60, 20}, CentreCase{150, 110, 80, 60},
                                           CentreCase{5, 5, 0, 0}, CentreCase{-1, 0, 40, 30},
                                           CentreCase{100, -7, 60, 0}));

TEST(CropWindow, ZoomOneAveragesLikeThePlainFit) {
  const TDibImage picture = Coordinates(160, 120, 50);
  const TDibImage crop = Crop(picture, 1, -1, -1);
  const TDibImage plain = PlainFit(picture);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(At(crop, x, y), At(plain, x, y)) << x << "," << y;
  }
}

TEST(CropWindow, ASmallScaledPictureSitsInTheMiddleOnBlack) {
  // Zoom 0.5 of 160 x 120: 40 x 30 pixels of 4 x 4 samples, from column 20
  // and row 15.
  const TDibImage thumb = Crop(Coordinates(160, 120), 0.5, -1, -1);
  EXPECT_EQ(At(thumb, 19, 30), kBlack);
  EXPECT_EQ(At(thumb, 40, 14), kBlack);
  EXPECT_EQ(At(thumb, 60, 30), kBlack);
  EXPECT_EQ(At(thumb, 40, 45), kBlack);
  EXPECT_EQ(At(thumb, 20, 15), (Bgr{1, 1, 200}));
  EXPECT_EQ(At(thumb, 59, 44), (Bgr{4 * 39 + 1, 4 * 29 + 1, 200}));
}

TEST(CropWindow, AZoomBeyondTheScaledPixelCapIsTakenAsOne) {
  const TDibImage picture = Coordinates(160, 120);
  const TDibImage capped = Crop(picture, 1000, 100, 100);
  const TDibImage one = Crop(picture, 1, 100, 100);
  for (int y = 0; y < 60; y += 3) {
    for (int x = 0; x < 80; x += 3) ASSERT_EQ(At(capped, x, y), At(one, x, y)) << x << "," << y;
  }
}

TEST(CropWindow, MagnifyingInterpolatesBetweenPixels) {
  // Zoom 4 of 160 x 120: a 320 x 240 scaled picture, window from (120, 90);
  // scaled column 120 lies at picture column 59.75.
  const TDibImage thumb = Crop(Coordinates(160, 120), 4, -1, -1);
  EXPECT_EQ(At(thumb, 0, 0), (Bgr{60, 45, 200}));
  const TDibImage flat = Crop(Uniform(160, 120, {30, 60, 90}), 4, 7, 7);
  EXPECT_EQ(At(flat, 0, 0), (Bgr{30, 60, 90}));
  EXPECT_EQ(At(flat, 79, 59), (Bgr{30, 60, 90}));
}

TEST(DisplayedSize, ExchangesWidthAndHeightForQuarterTurns) {
  const TDibImage picture = Uniform(30, 20, kBlack);
  EXPECT_EQ(DisplayedSizeOf(ThumbSource(picture), 1).Width, 20);
  EXPECT_EQ(DisplayedSizeOf(ThumbSource(picture), -1).Height, 30);
  EXPECT_EQ(DisplayedSizeOf(ThumbSource(picture), 2).Width, 30);
}

}  // namespace
}  // namespace lumetta
