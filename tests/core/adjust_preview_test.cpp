#include "core/imaging/adjust_preview.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/view_images.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::NoiseImage;
using testing_support::PixelAt;

struct PreviewCase {
  const char* name;
  Rgb in;
  std::int32_t brightness;
  std::int32_t contrast;
  std::int32_t effect;
  Rgb out;
};

void PrintTo(const PreviewCase& c, std::ostream* os) { *os << c.name; }

class AdjustPreviewPixel : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(AdjustPreviewPixel, GivesTheWorkedOutColour) {
  const PreviewCase& c = GetParam();
  const TDibImage base = MakeImage(1, 1, [&c](std::int32_t, std::int32_t) { return c.in; });
  TDibImage preview;
  AdjustPreview(base, preview, AdjustValuesOf(c.brightness, c.contrast, c.effect), c.effect);
  EXPECT_EQ(PixelAt(preview, 0, 0), c.out);
}

// Contrast 512: v -> R(2v) - 127, then blue's excess pulls red and green
// down. Chrome renders neutral values as contrast 280 (v -> R(1.09375v) - 11)
// and brightness -12. Contrast 1: v -> R(v / 256) + 128. Sepia and black and
// white work on the adjusted colour.
INSTANTIATE_TEST_SUITE_P(
    WorkedOut, AdjustPreviewPixel,
    ::testing::Values(PreviewCase{"contrast_512", {100, 150, 200}, 0, 512, 0, {55, 155, 255}},
                      PreviewCase{"brightness_overflow", {200, 100, 50}, 100, 256, 0, {255, 155, 105}},
                      PreviewCase{"brightness_below_zero", {10, 20, 30}, -50, 256, 0, {0, 0, 0}},
                      PreviewCase{"black_stays_black", {0, 0, 0}, 100, 512, 2, {0, 0, 0}},
                      PreviewCase{"chrome_neutral_grey", {128, 128, 128}, 0, 256, 1, {117, 117, 117}},
                      PreviewCase{"chrome_neutral_colour", {200, 100, 50}, 0, 256, 1, {196, 86, 32}},
                      PreviewCase{"sepia_neutral", {200, 100, 50}, 0, 256, 2, {116, 87, 58}},
                      PreviewCase{"black_and_white_neutral", {200, 100, 50}, 0, 256, 3, {116, 116, 116}},
                      PreviewCase{"contrast_one", {40, 128, 250}, 0, 1, 0, {128, 129, 129}},
                      PreviewCase{"sepia_after_brightness", {100, 100, 100}, 20, 256, 2, {120, 90, 60}}),
    [](const ::testing::TestParamInfo<PreviewCase>& info) { return std::string(info.param.name); });

TEST(AdjustPreview, MatchesAdjustPixelAndApplyEffectOnEveryPixel) {
  const TDibImage base = NoiseImage(37, 23, 9);
  for (const std::int32_t effect : {0, 1, 2, 3}) {
    const AdjustValues values = AdjustValuesOf(-30, 700, effect);
    TDibImage preview;
    AdjustPreview(base, preview, values, effect);
    for (std::int32_t y = 0; y < base.Height(); ++y) {
      for (std::int32_t x = 0; x < base.Width(); ++x) {
        const Rgb in = PixelAt(base, x, y);
        const Rgb expected = in == Rgb{} ? in : ApplyEffect(AdjustPixel(in, values), effect);
        ASSERT_EQ(PixelAt(preview, x, y), expected) << effect << " " << x << "," << y;
      }
    }
  }
}

TEST(AdjustPreview, SkipsTheContrastStepOnlyWhenTheDivisorIsOne) {
  // Chrome turns the neutral 256 into 280, so the step runs; 232 with chrome
  // becomes 256 and the step is left out.
  EXPECT_TRUE(AdjustValuesOf(0, 256, 1).contrast);
  EXPECT_FALSE(AdjustValuesOf(0, 232, 1).contrast);
  EXPECT_FALSE(AdjustValuesOf(0, 256, 2).contrast);
  EXPECT_EQ(AdjustValuesOf(5, 256, 1).brightness, -7);
}

TEST(AdjustPreview, LeavesTheBaseAsItWas) {
  const TDibImage base = NoiseImage(16, 12, 3);
  const TDibImage before = base;
  TDibImage preview = base;  // sharing the store, as an assignment leaves it
  AdjustPreview(base, preview, AdjustValuesOf(80, 400, 2), 2);
  EXPECT_TRUE(testing_support::SamePixels(base, NoiseImage(16, 12, 3)));
  EXPECT_TRUE(base.SharesStoreWith(before));
}

TEST(AdjustPreview, RefusesAnImageOfAnotherDepth) {
  TDibImage base;  // 8 bits
  TDibImage preview;
  EXPECT_THROW(AdjustPreview(base, preview, AdjustValues(), 0), EDibBadDIBType);
}

}  // namespace
}  // namespace lumetta
