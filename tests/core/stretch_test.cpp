#include "core/imaging/stretch.h"

#include <gtest/gtest.h>

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

std::vector<std::int32_t> Indices(std::int32_t source_size, std::int32_t dest_size) {
  std::vector<std::int32_t> out;
  for (std::int32_t d = 0; d < dest_size; ++d) out.push_back(StretchSourceIndex(d, source_size, dest_size));
  return out;
}

TEST(StretchSourceIndex, TakesThePixelUnderEachDestinationCentre) {
  EXPECT_EQ(Indices(2, 4), (std::vector<std::int32_t>{0, 0, 1, 1}));
  EXPECT_EQ(Indices(4, 2), (std::vector<std::int32_t>{1, 3}));
  EXPECT_EQ(Indices(3, 3), (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(Indices(3, 2), (std::vector<std::int32_t>{0, 2}));
  EXPECT_EQ(Indices(6000, 1).front(), 3000);
}

TEST(StretchNearest, CopiesWhenTheSizesAgree) {
  const TDibImage source = NoiseImage(5, 4, 1);
  TDibImage dest = SolidImage(9, 8, Rgb{7, 7, 7});
  StretchNearest(source, StretchRect{1, 1, 4, 3}, dest, StretchRect{2, 3, 4, 3});
  EXPECT_EQ(PixelAt(dest, 2, 3), PixelAt(source, 1, 1));
  EXPECT_EQ(PixelAt(dest, 5, 5), PixelAt(source, 4, 3));
  EXPECT_EQ(PixelAt(dest, 1, 3), (Rgb{7, 7, 7}));
  EXPECT_EQ(PixelAt(dest, 6, 5), (Rgb{7, 7, 7}));
}

TEST(StretchNearest, LeavesPixelsWhoseSourceLiesOutsideTheImage) {
  const TDibImage source = SolidImage(2, 2, Rgb{200, 0, 0});
  TDibImage dest = SolidImage(8, 8, Rgb{0, 0, 0});
  // A 4 x 4 source window of which only 2 x 2 exists, enlarged twice.
  StretchNearest(source, StretchRect{0, 0, 4, 4}, dest, StretchRect{0, 0, 8, 8});
  EXPECT_EQ(PixelAt(dest, 3, 3), (Rgb{200, 0, 0}));
  EXPECT_EQ(PixelAt(dest, 4, 3), (Rgb{0, 0, 0}));
  EXPECT_EQ(PixelAt(dest, 3, 4), (Rgb{0, 0, 0}));
}

TEST(StretchNearest, ClipsToTheDestination) {
  const TDibImage source = SolidImage(4, 4, Rgb{1, 2, 3});
  TDibImage dest = SolidImage(3, 3, Rgb{0, 0, 0});
  StretchNearest(source, StretchRect{0, 0, 4, 4}, dest, StretchRect{-2, 1, 8, 8});
  EXPECT_EQ(PixelAt(dest, 0, 1), (Rgb{1, 2, 3}));
  EXPECT_EQ(PixelAt(dest, 2, 2), (Rgb{1, 2, 3}));
  EXPECT_EQ(PixelAt(dest, 2, 0), (Rgb{0, 0, 0}));
}

TEST(StretchNearest, MatchesTheReference) {
  const TDibImage source = NoiseImage(97, 61, 5);
  struct Case {
    StretchRect from, to;
  };
  for (const Case& c : {Case{{0, 0, 97, 61}, {0, 0, 40, 30}}, Case{{0, 0, 97, 61}, {3, 2, 150, 120}},
                        Case{{10, 5, 50, 50}, {-7, -3, 90, 40}}, Case{{90, 50, 20, 20}, {0, 0, 60, 60}},
                        Case{{5, 5, 60, 40}, {1, 1, 60, 40}}}) {
    TDibImage expected = SolidImage(128, 100, Rgb{9, 9, 9});
    StretchNearestReference(source, c.from, expected, c.to);
    for (int threads : {1, 2}) {
      SetWorkerThreads(threads);
      TDibImage dest = SolidImage(128, 100, Rgb{9, 9, 9});
      StretchNearest(source, c.from, dest, c.to);
      EXPECT_TRUE(SamePixels(dest, expected)) << threads;
    }
  }
  SetWorkerThreads(0);
}

TEST(StretchNearest, SplitsALargeStretchBetweenThreadsWithTheSameBytes) {
  const TDibImage source = NoiseImage(700, 500, 14);
  TDibImage expected = SolidImage(1200, 1000, Rgb{});
  StretchNearestReference(source, StretchRect{0, 0, 700, 500}, expected, StretchRect{0, 0, 1200, 1000});
  SetWorkerThreads(2);
  TDibImage dest = SolidImage(1200, 1000, Rgb{});
  StretchNearest(source, StretchRect{0, 0, 700, 500}, dest, StretchRect{0, 0, 1200, 1000});
  SetWorkerThreads(0);
  EXPECT_TRUE(SamePixels(dest, expected));
}

TEST(StretchNearest, WithinOneImageReadsThePixelsBefore) {
  TDibImage image = MakeImage(4, 1, [](std::int32_t x, std::int32_t) { return Rgb{x * 10, 0, 0}; });
  const TDibImage before = image;
  StretchNearest(image, StretchRect{0, 0, 2, 1}, image, StretchRect{0, 0, 4, 1});
  EXPECT_EQ(PixelAt(image, 3, 0), (Rgb{10, 0, 0}));
  EXPECT_EQ(PixelAt(before, 3, 0), (Rgb{30, 0, 0}));
}

}  // namespace
}  // namespace lumetta
