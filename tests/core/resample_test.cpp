#include "core/imaging/resample.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/base/parallel.h"
#include "support/view_images.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::NoiseImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;

TDibImage Sampled(const TDibImage& photo, const BoxGrid& grid, std::int32_t w, std::int32_t h,
                  const QualityTreatment& treatment = QualityTreatment{}, std::int32_t rotation = 0) {
  TDibImage out = SolidImage(w, h, Rgb{1, 2, 3});
  BoxSample(ShownPhoto{&photo, rotation}, grid, treatment, out, 0, 0, w, h);
  return out;
}

TEST(BoxSample, AveragesTwoByTwoBlocks) {
  // Red counts up by 10, blue holds 3 in one corner only: its average
  // truncates to 0.
  const TDibImage photo = MakeImage(4, 4, [](std::int32_t x, std::int32_t y) {
    return Rgb{10 * (x + 4 * y), 255 - 10 * (x + 4 * y), x == 0 && y == 0 ? 3 : 0};
  });
  const TDibImage out = Sampled(photo, BoxGrid{2.0, 2, false, 0, 0}, 2, 2);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{25, 230, 0}));
  EXPECT_EQ(PixelAt(out, 1, 0), (Rgb{45, 210, 0}));
  EXPECT_EQ(PixelAt(out, 0, 1), (Rgb{105, 150, 0}));
  EXPECT_EQ(PixelAt(out, 1, 1), (Rgb{125, 130, 0}));
}

TEST(BoxSample, DoubledGridCountsOneRowAndColumnTwice) {
  // s = 1.5: boxes of 3 x 3 grid cells, photo positions {0, 0, 1} and
  // {1, 2, 2}; the sums are 120, 240, 480 and 600 over 9 samples.
  const TDibImage photo = MakeImage(3, 3, [](std::int32_t x, std::int32_t y) { return Rgb{10 * x + 30 * y, 0, 0}; });
  const TDibImage out = Sampled(photo, BoxGrid{3.0, 3, true, 0, 0}, 2, 2);
  EXPECT_EQ(PixelAt(out, 0, 0).r, 13);
  EXPECT_EQ(PixelAt(out, 1, 0).r, 26);
  EXPECT_EQ(PixelAt(out, 0, 1).r, 53);
  EXPECT_EQ(PixelAt(out, 1, 1).r, 66);
}

TEST(BoxSample, CellsJustPastTheEdgeReadTheEdge) {
  // s = 2.5, boxes of 3: the second column reads photo columns {3, 4, 4},
  // the second row reads row 2 three times.
  const TDibImage photo = MakeImage(5, 3, [](std::int32_t x, std::int32_t y) { return Rgb{10 * x + 50 * y, 0, 0}; });
  const TDibImage out = Sampled(photo, BoxGrid{2.5, 3, false, 0, 0}, 2, 2);
  EXPECT_EQ(PixelAt(out, 0, 0).r, 60);
  EXPECT_EQ(PixelAt(out, 1, 0).r, 86);
  EXPECT_EQ(PixelAt(out, 0, 1).r, 110);
  EXPECT_EQ(PixelAt(out, 1, 1).r, 136);
}

TEST(BoxSample, BoxesBeyondTheEdgeAreBlack) {
  const TDibImage photo = SolidImage(8, 2, Rgb{90, 90, 90});
  // Rows start at 0, 2 and 4 on a 2-row photo with boxes of 2: the second
  // reads the last row twice, the third samples nothing.
  const TDibImage out = Sampled(photo, BoxGrid{2.0, 2, false, 0, 0}, 4, 3);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{90, 90, 90}));
  EXPECT_EQ(PixelAt(out, 3, 1), (Rgb{90, 90, 90}));
  EXPECT_EQ(PixelAt(out, 0, 2), (Rgb{0, 0, 0}));
}

TEST(BoxSample, CropShiftsTheBoxes) {
  const TDibImage photo = MakeImage(6, 1, [](std::int32_t x, std::int32_t) { return Rgb{20 * x, 0, 0}; });
  const TDibImage out = Sampled(photo, BoxGrid{1.0, 1, false, 2, 0}, 3, 1);
  EXPECT_EQ(PixelAt(out, 0, 0).r, 40);
  EXPECT_EQ(PixelAt(out, 2, 0).r, 80);
}

TEST(BoxSample, TreatsABoxAsBlackOnlyWhenEverySampleIsBlack) {
  // One dim sample among three black ones averages to 0 but is adjusted.
  const TDibImage photo = MakeImage(2, 2, [](std::int32_t x, std::int32_t y) {
    return x == 1 && y == 1 ? Rgb{2, 2, 2} : Rgb{};
  });
  QualityTreatment brighter;
  brighter.on = true;
  brighter.values = AdjustValues(50, 1.0, 0, false);
  EXPECT_EQ(PixelAt(Sampled(photo, BoxGrid{2.0, 2, false, 0, 0}, 1, 1, brighter), 0, 0), (Rgb{50, 50, 50}));
  const TDibImage black = SolidImage(2, 2, Rgb{});
  EXPECT_EQ(PixelAt(Sampled(black, BoxGrid{2.0, 2, false, 0, 0}, 1, 1, brighter), 0, 0), (Rgb{0, 0, 0}));
}

TEST(BoxSample, ReadsTheTurnedPhoto) {
  // A 3 x 2 photo with one marked pixel at (2, 0), its top right corner.
  const TDibImage photo = MakeImage(3, 2, [](std::int32_t x, std::int32_t y) {
    return x == 2 && y == 0 ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
  });
  struct Case {
    std::int32_t rotation, x, y;  // where the mark shows on the 2 x 3 or 3 x 2 output
  };
  for (const Case& c : {Case{0, 2, 0}, Case{1, 1, 2}, Case{2, 0, 1}, Case{-1, 0, 0}}) {
    const bool turned = c.rotation == 1 || c.rotation == -1;
    const TDibImage out = Sampled(photo, BoxGrid{1.0, 1, false, 0, 0}, turned ? 2 : 3, turned ? 3 : 2,
                                  QualityTreatment{}, c.rotation);
    EXPECT_EQ(PixelAt(out, c.x, c.y), (Rgb{255, 0, 0})) << c.rotation;
  }
}

struct GridCase {
  const char* name;
  std::int32_t photo_w, photo_h;
  BoxGrid grid;
  std::int32_t count_x, count_y;
};

void PrintTo(const GridCase& c, std::ostream* os) { *os << c.name; }

class BoxSampleAgreement : public ::testing::TestWithParam<GridCase> {};

TEST_P(BoxSampleAgreement, FastPathGivesTheReferenceBytes) {
  const GridCase& c = GetParam();
  const TDibImage photo = NoiseImage(c.photo_w, c.photo_h, 17);
  QualityTreatment sepia;
  sepia.on = true;
  sepia.effect = kEffectSepia;
  sepia.values = AdjustValues(-12, 256.0 / 280, -11, true);
  for (std::int32_t rotation : {0, 1, 2, -1}) {
    for (const QualityTreatment& treatment : {QualityTreatment{}, sepia}) {
      TDibImage expected = SolidImage(c.count_x + 3, c.count_y + 2, Rgb{5, 6, 7});
      BoxSampleReference(ShownPhoto{&photo, rotation}, c.grid, treatment, expected, 3, 2, c.count_x, c.count_y);
      for (int threads : {1, 2}) {
        SetWorkerThreads(threads);
        TDibImage out = SolidImage(c.count_x + 3, c.count_y + 2, Rgb{5, 6, 7});
        BoxSample(ShownPhoto{&photo, rotation}, c.grid, treatment, out, 3, 2, c.count_x, c.count_y);
        EXPECT_TRUE(SamePixels(out, expected)) << "rotation " << rotation << " threads " << threads;
      }
    }
  }
  SetWorkerThreads(0);
}

INSTANTIATE_TEST_SUITE_P(
    Grids, BoxSampleAgreement,
    ::testing::Values(GridCase{"reduce", 75, 50, {3.75, 4, false, 0, 0}, 20, 14},
                      GridCase{"reduce_cropped", 80, 50, {50.0 / 15, 4, false, 7, 0}, 24, 15},
                      GridCase{"doubled", 45, 30, {2.6, 3, true, 0, 0}, 35, 24},
                      GridCase{"doubled_cropped", 45, 30, {3.0, 3, true, 6, 2}, 30, 20},
                      GridCase{"one_to_one", 20, 13, {1.0, 1, false, 0, 0}, 20, 13},
                      GridCase{"past_the_edges", 30, 20, {2.0, 2, false, 0, 0}, 25, 18},
                      GridCase{"large_boxes", 700, 300, {300.0, 300, false, 0, 0}, 3, 2}),
    [](const ::testing::TestParamInfo<GridCase>& info) { return std::string(info.param.name); });

TEST(DiagonalDouble, AveragesEachPixelWithItsDiagonalNeighbour) {
  const TDibImage row = MakeImage(2, 1, [](std::int32_t x, std::int32_t) { return Rgb{x == 0 ? 100 : 50, 0, 0}; });
  TDibImage out;
  DiagonalDouble(ShownPhoto{&row, 0}, QualityTreatment{}, out);
  ASSERT_EQ(out.Width(), 4);
  ASSERT_EQ(out.Height(), 2);
  for (std::int32_t y = 0; y < 2; ++y) {
    EXPECT_EQ(PixelAt(out, 0, y).r, 100);
    EXPECT_EQ(PixelAt(out, 1, y).r, 75);
    EXPECT_EQ(PixelAt(out, 2, y).r, 75);
    EXPECT_EQ(PixelAt(out, 3, y).r, 50);
  }
  const TDibImage corner = MakeImage(2, 2, [](std::int32_t x, std::int32_t y) {
    return x == 1 && y == 1 ? Rgb{201, 0, 0} : Rgb{};
  });
  DiagonalDouble(ShownPhoto{&corner, 0}, QualityTreatment{}, out);
  EXPECT_EQ(PixelAt(out, 1, 1).r, 100);  // towards (1, 1)
  EXPECT_EQ(PixelAt(out, 1, 0).r, 0);    // towards (1, 0)
  EXPECT_EQ(PixelAt(out, 2, 2).r, 100);  // (1, 1) towards (0, 0)
  EXPECT_EQ(PixelAt(out, 3, 3).r, 201);  // towards itself, clamped
}

TEST(DiagonalDouble, AdjustsUnlessBothPixelsAreBlack) {
  const TDibImage photo = MakeImage(2, 1, [](std::int32_t x, std::int32_t) { return x == 0 ? Rgb{} : Rgb{1, 1, 1}; });
  QualityTreatment brighter;
  brighter.on = true;
  brighter.values = AdjustValues(40, 1.0, 0, false);
  TDibImage out;
  DiagonalDouble(ShownPhoto{&photo, 0}, brighter, out);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{0, 0, 0}));     // black with black
  EXPECT_EQ(PixelAt(out, 1, 0), (Rgb{40, 40, 40}));  // (0 + 1) >> 1, adjusted
}

TEST(DiagonalDouble, TurnsWithThePhoto) {
  const TDibImage photo = NoiseImage(5, 3, 2);
  for (std::int32_t rotation : {1, 2, -1}) {
    // The turned photo written out, then doubled unturned, gives the same.
    const ShownPhoto shown{&photo, rotation};
    const TDibImage upright = MakeImage(shown.Width(), shown.Height(),
                                        [&](std::int32_t x, std::int32_t y) { return shown.Pixel(x, y); });
    TDibImage expected, out;
    DiagonalDouble(ShownPhoto{&upright, 0}, QualityTreatment{}, expected);
    DiagonalDouble(shown, QualityTreatment{}, out);
    EXPECT_TRUE(SamePixels(out, expected)) << rotation;
  }
}

TEST(NearestSample, AdjustsEveryPixelButExactBlackOnes) {
  const TDibImage photo = MakeImage(2, 1, [](std::int32_t x, std::int32_t) { return x == 0 ? Rgb{} : Rgb{0, 0, 1}; });
  SpeedTreatment brighter;
  brighter.on = true;
  brighter.values = AdjustValues(30, 1.0, 0, false);
  TDibImage out = SolidImage(3, 1, Rgb{9, 9, 9});
  NearestSample(ShownPhoto{&photo, 0}, {0, 1, -1}, {0}, brighter, out, 0, 0);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(out, 1, 0), (Rgb{30, 30, 31}));
  EXPECT_EQ(PixelAt(out, 2, 0), (Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace lumetta
