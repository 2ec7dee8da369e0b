#include "core/imaging/sharpen.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/base/parallel.h"
#include "support/view_images.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::NoiseImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;

// A pixel P left of a brighter neighbour N, on a 2 x 1 image.
struct EdgeCase {
  std::int32_t level;
  Rgb p;
  Rgb n;
  Rgb sharpened;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
  *os << "level " << c.level << " (" << c.p.r << "," << c.p.g << "," << c.p.b << ")";
}

class SharpenEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(SharpenEdge, DarkensTheDarkerSideByTheLevelsAmount) {
  const EdgeCase& c = GetParam();
  TDibImage image = MakeImage(2, 1, [&](std::int32_t x, std::int32_t) { return x == 0 ? c.p : c.n; });
  SharpenRegion(image, 0, 0, 2, 1, c.level);
  EXPECT_EQ(PixelAt(image, 0, 0), c.sharpened);
  EXPECT_EQ(PixelAt(image, 1, 0), c.n);
}

INSTANTIATE_TEST_SUITE_P(Levels, SharpenEdge,
                         ::testing::Values(EdgeCase{12, {100, 100, 100}, {200, 150, 100}, {63, 63, 63}},
                                           EdgeCase{16, {100, 100, 100}, {200, 150, 100}, {80, 80, 80}},
                                           EdgeCase{4, {100, 100, 100}, {200, 150, 100}, {0, 0, 0}},
                                           EdgeCase{6, {100, 100, 100}, {200, 150, 100}, {0, 0, 0}},
                                           EdgeCase{10, {100, 100, 100}, {200, 150, 100}, {29, 29, 29}},
                                           EdgeCase{8, {10, 50, 90}, {30, 60, 95}, {0, 40, 80}},
                                           // Any other level darkens like 12.
                                           EdgeCase{3, {100, 100, 100}, {200, 150, 100}, {63, 63, 63}}));

TEST(Sharpen, LeavesUniformAreasAndTheBrightSideAlone) {
  TDibImage image = MakeImage(6, 5, [](std::int32_t x, std::int32_t) {
    return x < 3 ? Rgb{40, 40, 40} : Rgb{120, 120, 120};
  });
  SharpenRegion(image, 0, 0, 6, 5, 12);
  for (std::int32_t y = 0; y < 5; ++y) {
    EXPECT_EQ(PixelAt(image, 0, y), (Rgb{40, 40, 40}));
    EXPECT_EQ(PixelAt(image, 1, y), (Rgb{40, 40, 40}));
    EXPECT_EQ(PixelAt(image, 2, y), (Rgb{10, 10, 10}));  // 40 - (80 div 3 + 4)
    EXPECT_EQ(PixelAt(image, 3, y), (Rgb{120, 120, 120}));
  }
}

TEST(Sharpen, ComparesBorderPixelsOnlyWithinTheRegion) {
  TDibImage image = MakeImage(4, 1, [](std::int32_t x, std::int32_t) {
    return x == 3 ? Rgb{255, 255, 255} : Rgb{50, 50, 50};
  });
  SharpenRegion(image, 0, 0, 3, 1, 4);
  EXPECT_EQ(PixelAt(image, 2, 0), (Rgb{50, 50, 50}));
}

TEST(Sharpen, ComparesWithThePixelsAsTheyWereBefore) {
  // A staircase: each step is darkened by its own step up, not by a
  // neighbour that was darkened already.
  TDibImage image = MakeImage(3, 1, [](std::int32_t x, std::int32_t) {
    return Rgb{100 + 30 * x, 100 + 30 * x, 100 + 30 * x};
  });
  SharpenRegion(image, 0, 0, 3, 1, 8);
  EXPECT_EQ(PixelAt(image, 0, 0), (Rgb{66, 66, 66}));
  EXPECT_EQ(PixelAt(image, 1, 0), (Rgb{96, 96, 96}));
  EXPECT_EQ(PixelAt(image, 2, 0), (Rgb{160, 160, 160}));
}

TEST(Sharpen, DoesNothingBelowLevelOne) {
  const TDibImage before = NoiseImage(9, 7, 3);
  for (std::int32_t level : {0, -1}) {
    TDibImage image = before;
    SharpenRegion(image, 0, 0, 9, 7, level);
    EXPECT_TRUE(SamePixels(image, before));
  }
}

TEST(Sharpen, MatchesTheReferenceOnEveryLevelAndThreadCount) {
  const TDibImage noise = NoiseImage(157, 203, 11);
  for (std::int32_t level : {4, 6, 8, 10, 12, 16, 5}) {
    TDibImage expected = noise;
    SharpenRegionReference(expected, 13, 7, 120, 180, level);
    for (int threads : {1, 2, 3}) {
      SetWorkerThreads(threads);
      TDibImage image = noise;
      SharpenRegion(image, 13, 7, 120, 180, level);
      EXPECT_TRUE(SamePixels(image, expected)) << "level " << level << " threads " << threads;
    }
  }
  SetWorkerThreads(0);
}

TEST(Sharpen, SplitsALargeRegionBetweenThreadsWithTheSameBytes) {
  // Over 2^19 pixels: large enough to be split.
  const TDibImage noise = NoiseImage(1100, 980, 13);
  TDibImage expected = noise;
  SharpenRegionReference(expected, 0, 0, 1100, 980, 12);
  SetWorkerThreads(2);
  TDibImage image = noise;
  SharpenRegion(image, 0, 0, 1100, 980, 12);
  SetWorkerThreads(0);
  EXPECT_TRUE(SamePixels(image, expected));
}

TEST(Sharpen, GivesTheSameBytesBandByBand) {
  const TDibImage noise = NoiseImage(157, 203, 17);
  TDibImage expected = noise;
  SharpenRegionReference(expected, 13, 7, 120, 180, 6);
  for (std::int32_t band : {1, 2, 7, 179, 180, 500}) {
    for (int threads : {1, 2}) {
      SetWorkerThreads(threads);
      TDibImage image = noise;
      SharpenRegion(image, 13, 7, 120, 180, 6, band);
      EXPECT_TRUE(SamePixels(image, expected)) << "band " << band << " threads " << threads;
    }
  }
  SetWorkerThreads(0);
}

TEST(Sharpen, ClipsTheRegionToTheImage) {
  TDibImage image = SolidImage(4, 4, Rgb{10, 10, 10});
  image.SetPixels(3, 3, 0xFFFFFF);
  SharpenRegion(image, 2, 2, 100, 100, 12);
  EXPECT_EQ(PixelAt(image, 2, 3), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(image, 1, 3), (Rgb{10, 10, 10}));
}

}  // namespace
}  // namespace lumetta
