#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/slideshow/slide_settings.h"
#include "core/state/settings.h"

namespace lumetta {
namespace {

struct CustomCase {
  const char* text;
  std::optional<std::int32_t> seconds;
};

class CustomSeconds : public ::testing::TestWithParam<CustomCase> {};

TEST_P(CustomSeconds, AreAWholeNumberFromOneTo99999) {
  EXPECT_EQ(ParseCustomSeconds(GetParam().text), GetParam().seconds) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, CustomSeconds,
                         ::testing::Values(CustomCase{"0", std::nullopt}, CustomCase{"1.5", std::nullopt},
                                           CustomCase{"", std::nullopt}, CustomCase{"99999", 99999},
                                           CustomCase{"1", 1}, CustomCase{"100000", std::nullopt},
                                           CustomCase{"5.", std::nullopt}, CustomCase{"-3", std::nullopt},
                                           CustomCase{"1e3", std::nullopt}, CustomCase{"  7", 7},
                                           CustomCase{"+12", 12}, CustomCase{"12 ", std::nullopt},
                                           CustomCase{" ", std::nullopt}, CustomCase{"00030", 30},
                                           CustomCase{"１", std::nullopt}));

TEST(SlideIntervalSeconds, FollowsTheCodeOrTheCustomSeconds) {
  Settings s;
  const std::pair<std::int32_t, std::int32_t> cases[] = {{1, 1}, {5, 5}, {10, 10}, {30, 30}, {60, 60}, {7, 10}, {-1, 10}};
  for (const auto& [code, seconds] : cases) {
    s.SlideInterval = code;
    EXPECT_EQ(SlideIntervalSeconds(s), seconds) << code;
  }
  s.SlideInterval = 0;
  s.SlideCustomSeconds = 99999;
  EXPECT_EQ(SlideIntervalSeconds(s), 99999);
  // A settings file edited by hand cannot make the wait vanish.
  s.SlideCustomSeconds = 0;
  EXPECT_EQ(SlideIntervalSeconds(s), 1);
}

TEST(TransitionChoiceOf, ReadsTheTablesAndKeepsIndicesInTheirLists) {
  Settings s;  // page turn from the left at "速さ２（標準）"
  TransitionChoice c = TransitionChoiceOf(s);
  EXPECT_EQ(c.kind, SlideTransitionKind::PageTurn);
  EXPECT_EQ(c.page_strip, 2);
  EXPECT_EQ(c.star_sand_repaints, 100);
  EXPECT_EQ(c.fade_steps, 32);
  s.SlideTransition = 9;
  s.StarSandSpeed = 12;
  s.PageDirection = -4;
  s.FadeSpeed = 4;
  s.FadeMode = 8;
  c = TransitionChoiceOf(s);
  EXPECT_EQ(c.kind, SlideTransitionKind::None);
  EXPECT_EQ(c.star_sand_repaints, 1000);
  EXPECT_EQ(c.page_direction, PageDirectionKind::FromLeft);
  EXPECT_EQ(c.fade_steps, 128);
  EXPECT_EQ(c.fade_mode, FadeModeKind::OutOnly);
}

}  // namespace
}  // namespace lumetta
