#include "core/imaging/pixel_adjust.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/view_images.h"

namespace lumetta {
namespace {

// The values a render uses for a photo's brightness and contrast under an
// effect, with the contrast step when the divisor is not 1.
AdjustValues RenderValues(std::int32_t brightness, std::int32_t contrast, std::int32_t effect) {
  const std::int32_t k = EffectiveContrast(contrast, effect);
  const double divisor = ContrastDivisorOf(k);
  return AdjustValues(EffectiveBrightness(brightness, effect), divisor, ContrastOffsetOf(k), divisor != 1.0);
}

struct AdjustCase {
  const char* name;
  Rgb in;
  std::int32_t brightness;
  std::int32_t contrast;
  std::int32_t effect;
  Rgb out;
};

void PrintTo(const AdjustCase& c, std::ostream* os) { *os << c.name; }

class AdjustPixelTable : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustPixelTable, GivesTheWorkedOutColour) {
  const AdjustCase& c = GetParam();
  EXPECT_EQ(AdjustPixel(c.in, RenderValues(c.brightness, c.contrast, c.effect)), c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Values, AdjustPixelTable,
    ::testing::Values(
        // Blue overflows to 273 and pulls red and green down by 18.
        AdjustCase{"contrast512", {100, 150, 200}, 0, 512, 0, {55, 155, 255}},
        AdjustCase{"brightness100", {200, 100, 50}, 100, 256, 0, {255, 155, 105}},
        AdjustCase{"darkerClampsAtZero", {10, 20, 30}, -50, 256, 0, {0, 0, 0}},
        AdjustCase{"blackStaysBlack", {0, 0, 0}, 100, 256, 0, {0, 0, 0}},
        AdjustCase{"contrast1Below128", {0, 1, 127}, 0, 1, 0, {128, 128, 128}},
        AdjustCase{"contrast1From128", {128, 200, 255}, 0, 1, 0, {129, 129, 129}},
        AdjustCase{"chromeGrey", {128, 128, 128}, 0, 256, 1, {117, 117, 117}},
        AdjustCase{"chromeColour", {200, 100, 50}, 0, 256, 1, {196, 86, 32}},
        // Red is redistributed first and limits green to 255, so green's own
        // excess (25) never pulls the others down.
        AdjustCase{"redBeforeGreen", {230, 250, 100}, 30, 256, 0, {255, 255, 125}}),
    [](const ::testing::TestParamInfo<AdjustCase>& info) { return std::string(info.param.name); });

TEST(AdjustChannels, AdjustsANearlyBlackAverageThatAdjustPixelWouldExempt) {
  const AdjustValues values(10, 1.0, 0, false);
  EXPECT_EQ(AdjustPixel(Rgb{0, 0, 0}, values), (Rgb{0, 0, 0}));
  EXPECT_EQ(AdjustChannels(Rgb{0, 0, 0}, values), (Rgb{10, 10, 10}));
}

TEST(ContrastOffset, RoundsHalvesTowardsPositive) {
  EXPECT_EQ(ContrastOffsetOf(1), 128);
  EXPECT_EQ(ContrastOffsetOf(255), 1);
  EXPECT_EQ(ContrastOffsetOf(257), 0);
  EXPECT_EQ(ContrastOffsetOf(512), -127);
  EXPECT_EQ(ContrastOffsetOf(1024), -383);
}

TEST(EffectiveValues, ChromeDarkensAndStiffensWithinTheContrastRange) {
  EXPECT_EQ(EffectiveBrightness(0, kEffectChrome), -12);
  EXPECT_EQ(EffectiveContrast(256, kEffectChrome), 280);
  EXPECT_EQ(EffectiveContrast(1010, kEffectChrome), 1024);
  EXPECT_EQ(EffectiveBrightness(5, kEffectSepia), 5);
  EXPECT_EQ(EffectiveContrast(300, kEffectBlackWhite), 300);
}

TEST(ContrastTable, HoldsTheFormulaForEveryValueAndContrast) {
  for (std::int32_t k = 1; k <= 1024; ++k) {
    const double divisor = ContrastDivisorOf(k);
    const AdjustValues values(0, divisor, ContrastOffsetOf(k), true);
    for (std::int32_t v = 0; v < 256; ++v) {
      ASSERT_EQ(values.contrast_table[v], ContrastStep(v, divisor, ContrastOffsetOf(k))) << k << " " << v;
    }
  }
}

TEST(ApplyEffect, SepiaAndBlackAndWhiteUseTheChannelMean) {
  EXPECT_EQ(ApplyEffect(Rgb{200, 100, 50}, kEffectSepia), (Rgb{116, 87, 58}));
  EXPECT_EQ(ApplyEffect(Rgb{200, 100, 50}, kEffectBlackWhite), (Rgb{116, 116, 116}));
  EXPECT_EQ(ApplyEffect(Rgb{200, 100, 50}, kEffectNormal), (Rgb{200, 100, 50}));
  EXPECT_EQ(ApplyEffect(Rgb{200, 100, 50}, kEffectChrome), (Rgb{200, 100, 50}));
}

}  // namespace
}  // namespace lumetta
