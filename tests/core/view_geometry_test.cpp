#include "core/view/view_geometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace lumetta {
namespace {

struct FitCase {
  const char* name;
  std::int32_t shown_w, shown_h, view_w, view_h;
  bool fill;
  double scale;
  std::int32_t box, zoom, left, top, crop_left, crop_top;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitGeometryTable : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitGeometryTable, PlacesThePhoto) {
  const FitCase& c = GetParam();
  const FitGeometry g = ComputeFitGeometry(c.shown_w, c.shown_h, c.view_w, c.view_h, c.fill);
  EXPECT_DOUBLE_EQ(g.scale, c.scale);
  EXPECT_EQ(g.box_size, c.box);
  EXPECT_EQ(g.zoom_percent, c.zoom);
  EXPECT_EQ(g.photo_left, c.left);
  EXPECT_EQ(g.photo_top, c.top);
  EXPECT_EQ(g.crop_left, c.crop_left);
  EXPECT_EQ(g.crop_top, c.crop_top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitGeometryTable,
    ::testing::Values(
        // 640 x 427 at top 26.
        FitCase{"wide_fit", 2400, 1600, 640, 480, false, 3.75, 4, 27, 0, 26, 0, 0},
        // The width overflows: 133 photo pixels cut at each side.
        FitCase{"wide_fill", 2400, 1600, 640, 480, true, 1600.0 / 480, 4, 30, 0, 0, 133, 0},
        FitCase{"small_photo_centred", 320, 240, 640, 480, false, 1.0, 1, 100, 160, 120, 0, 0},
        FitCase{"small_photo_fill_is_not_enlarged", 320, 240, 640, 480, true, 1.0, 1, 100, 160, 120, 0, 0},
        // Turned 3:2 photo: the height decides, bars at both sides.
        FitCase{"tall_fit", 1600, 2400, 640, 480, false, 5.0, 5, 20, 160, 0, 0, 0},
        FitCase{"tall_fill", 1600, 2400, 640, 480, true, 2.5, 3, 40, 0, 0, 0, 600},
        // Same shape as the view: no bars.
        FitCase{"same_shape", 1600, 1200, 800, 600, false, 2.0, 2, 50, 0, 0, 0, 0},
        FitCase{"exact_size", 800, 600, 800, 600, false, 1.0, 1, 100, 0, 0, 0, 0},
        // A photo one column wider than the view: (2 - 3) div 2 truncates to 0,
        // so nothing is cropped.
        FitCase{"fill_truncates_half_a_pixel", 3, 2, 2, 2, true, 1.0, 1, 100, 0, 0, 0, 0},
        // The width decides with no room of two columns: no left offset, but
        // the top is centred because the shapes differ.
        FitCase{"width_decides_without_room", 641, 479, 640, 480, false, 641.0 / 640, 2, 100, 0, 1, 0, 0},
        // The height decides with no room of two rows: no top offset.
        FitCase{"height_decides_without_room", 479, 481, 640, 480, false, 481.0 / 480, 2, 100, 81, 0, 0, 0}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(ZoomScale, FollowsTheTableAndOtherwiseTheValue) {
  const std::vector<std::pair<std::int32_t, double>> table = {
      {1600, 1.0 / 16}, {800, 1.0 / 8}, {400, 0.25}, {200, 0.5}, {100, 1}, {80, 1.25}, {67, 1.5},
      {57, 1.75},       {50, 2},        {33, 3},     {25, 4},    {20, 5},  {17, 6},    {13, 8}};
  for (const auto& [z, s] : table) EXPECT_DOUBLE_EQ(ZoomScaleOf(z), s) << z;
  EXPECT_DOUBLE_EQ(ZoomScaleOf(66), 100.0 / 66);
  EXPECT_DOUBLE_EQ(ZoomScaleOf(27), 100.0 / 27);
}

std::vector<std::int32_t> Walk(std::int32_t from, std::optional<std::int32_t> (*next)(std::int32_t)) {
  std::vector<std::int32_t> values{from};
  while (auto n = next(values.back())) values.push_back(*n);
  return values;
}

TEST(ZoomSteps, StepUpWalksTheTableToTheTop) {
  EXPECT_EQ(Walk(13, NextZoomStepUp), (std::vector<std::int32_t>{13, 17, 20, 25, 33, 50, 67, 100, 200, 400, 800, 1600}));
  EXPECT_EQ(Walk(27, NextZoomStepUp).at(1), 33);
  EXPECT_EQ(Walk(130, NextZoomStepUp).at(1), 200);
  EXPECT_EQ(NextZoomStepUp(1600), std::nullopt);
  EXPECT_EQ(NextZoomStepUp(2048), std::nullopt);
}

TEST(ZoomSteps, StepDownWalksTheTableToThirteen) {
  EXPECT_EQ(Walk(1600, NextZoomStepDown),
            (std::vector<std::int32_t>{1600, 800, 400, 200, 100, 67, 50, 33, 25, 20, 17, 13}));
  EXPECT_EQ(NextZoomStepDown(13), std::nullopt);
  EXPECT_EQ(NextZoomStepDown(14), 13);
}

struct StepCase {
  std::int32_t from;
  std::optional<std::int32_t> up, down;
};

class OtherZoomValues : public ::testing::TestWithParam<StepCase> {};

TEST_P(OtherZoomValues, StepToTheNearestTableValue) {
  EXPECT_EQ(NextZoomStepUp(GetParam().from), GetParam().up);
  EXPECT_EQ(NextZoomStepDown(GetParam().from), GetParam().down);
}

INSTANTIATE_TEST_SUITE_P(Values, OtherZoomValues,
                         ::testing::Values(StepCase{5, 17, std::nullopt}, StepCase{15, 17, 13}, StepCase{16, 20, 13},
                                           StepCase{18, 20, 13}, StepCase{19, 25, 17}, StepCase{21, 25, 17},
                                           StepCase{22, 25, 20}, StepCase{23, 25, 20}, StepCase{24, 33, 20},
                                           StepCase{27, 33, 20}, StepCase{28, 33, 25}, StepCase{30, 33, 25},
                                           StepCase{31, 50, 25}, StepCase{37, 50, 25}, StepCase{38, 50, 33},
                                           StepCase{45, 50, 33}, StepCase{46, 67, 33}, StepCase{52, 67, 33},
                                           StepCase{53, 67, 50}, StepCase{62, 67, 50}, StepCase{63, 100, 50},
                                           StepCase{68, 100, 67}, StepCase{99, 100, 67}, StepCase{101, 200, 100},
                                           StepCase{201, 400, 200}, StepCase{399, 400, 200}, StepCase{401, 800, 400},
                                           StepCase{512, 800, 400}, StepCase{640, 800, 400},
                                           StepCase{799, 800, 400}, StepCase{801, 1600, 800},
                                           StepCase{1000, 1600, 800}, StepCase{1599, 1600, 800}));

TEST(ZoomSteps, FineStepsJumpOnlyAboveFourHundred) {
  EXPECT_EQ(NextZoomFineUp(27), 28);
  EXPECT_EQ(NextZoomFineUp(399), 400);
  EXPECT_EQ(NextZoomFineUp(400), 800);
  EXPECT_EQ(NextZoomFineUp(800), 1600);
  EXPECT_EQ(NextZoomFineUp(1600), std::nullopt);
  EXPECT_EQ(NextZoomFineDown(800), 400);
  EXPECT_EQ(NextZoomFineDown(401), 400);
  EXPECT_EQ(NextZoomFineDown(1600), 800);
  EXPECT_EQ(NextZoomFineDown(2), 1);
  EXPECT_EQ(NextZoomFineDown(1), std::nullopt);
}

TEST(ZoomLimit, RefusesZoomsBeyondFiftyMillionPixels) {
  EXPECT_FALSE(ZoomWithinLimit(100, 10000, 8000));
  EXPECT_TRUE(ZoomWithinLimit(79, 10000, 8000));  // 49,928,000
  EXPECT_FALSE(ZoomWithinLimit(80, 10000, 8000));  // 51,200,000
  EXPECT_TRUE(ZoomWithinLimit(1600, 400, 480));     // exactly 49,152,000
  EXPECT_FALSE(ZoomWithinLimit(1600, 500, 400));    // 51,200,000
}

TEST(ZoomOutRedo, RebuildsFinerForLowZoomsAndFourHundredOnSmallPhotos) {
  EXPECT_TRUE(ZoomOutRedo(200, 6000, 4000));
  EXPECT_TRUE(ZoomOutRedo(13, 6000, 4000));
  EXPECT_FALSE(ZoomOutRedo(400, 6000, 4000));
  EXPECT_TRUE(ZoomOutRedo(400, 1280, 1088));  // exactly 1,392,640 pixels
  EXPECT_FALSE(ZoomOutRedo(800, 640, 480));
}

TEST(ZoomImageDivisor, ReducesLargeZoomsByPhotoSize) {
  EXPECT_EQ(ZoomImageDivisor(399, 2000, 2000), 1);
  EXPECT_EQ(ZoomImageDivisor(400, 2000, 2000), 2);
  EXPECT_EQ(ZoomImageDivisor(800, 2000, 2000), 4);
  EXPECT_EQ(ZoomImageDivisor(400, 1000, 1000), 1);
  EXPECT_EQ(ZoomImageDivisor(799, 1000, 1000), 1);
  EXPECT_EQ(ZoomImageDivisor(800, 1000, 1000), 2);
  EXPECT_EQ(ZoomImageDivisor(1600, 1000, 1000), 4);
}

TEST(Turns, FourRightTurnsAndFourLeftTurnsComeBack) {
  std::vector<std::int32_t> right{0};
  std::vector<std::int32_t> left{0};
  for (int i = 0; i < 4; ++i) {
    right.push_back(TurnedRight(right.back()));
    left.push_back(TurnedLeft(left.back()));
  }
  EXPECT_EQ(right, (std::vector<std::int32_t>{0, 1, 2, -1, 0}));
  EXPECT_EQ(left, (std::vector<std::int32_t>{0, -1, 2, 1, 0}));
}

TEST(ShownSize, ExchangesWidthAndHeightForQuarterTurns) {
  EXPECT_EQ(ShownSizeOf(30, 20, 1).width, 20);
  EXPECT_EQ(ShownSizeOf(30, 20, -1).height, 30);
  EXPECT_EQ(ShownSizeOf(30, 20, 2).width, 30);
}

TEST(StatusTexts, RightAlignTheZoomInThreeCharacters) {
  EXPECT_EQ(RitsuText(5), "  5%");
  EXPECT_EQ(RitsuText(67), " 67%");
  EXPECT_EQ(RitsuText(100), "100%");
  EXPECT_EQ(RitsuText(1600), "1600%");
  EXPECT_EQ(ZoomHintText(27),
            "現在の表示倍率…「27%」。キーボードの『Ｖ』『Ｂ』『Ｎ』キーで、縮小・拡大・解除ができます。");
  EXPECT_EQ(SizeText(2400, 1600), "2400x1600");
}

}  // namespace
}  // namespace lumetta
