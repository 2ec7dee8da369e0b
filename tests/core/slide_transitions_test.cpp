#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <vector>

#include "core/slideshow/transition_kernels.h"
#include "core/slideshow/transition_player.h"
#include "support/view_images.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::NoiseImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;

TransitionChoice Fade(FadeModeKind mode, std::int32_t steps) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::Fade;
  c.fade_mode = mode;
  c.fade_steps = steps;
  return c;
}

TransitionChoice Page(PageDirectionKind direction, std::int32_t strip) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::PageTurn;
  c.page_direction = direction;
  c.page_strip = strip;
  return c;
}

TransitionChoice Sand(std::int32_t repaints) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::StarSand;
  c.star_sand_repaints = repaints;
  return c;
}

TEST(DarkenFrame, TakesTheSubtrahendFromEveryChannelButNotBelowZero) {
  const TDibImage source = MakeImage(2, 1, [](std::int32_t x, std::int32_t) {
    return x == 0 ? Rgb{10, 200, 255} : Rgb{0, 100, 60};
  });
  TDibImage out = SolidImage(2, 1, Rgb{1, 2, 3});
  DarkenFrame(source, 60, out);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{0, 140, 195}));
  EXPECT_EQ(PixelAt(out, 1, 0), (Rgb{0, 40, 0}));
  DarkenFrame(source, 256, out);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{0, 0, 0}));
  DarkenFrame(source, 0, out);
  EXPECT_TRUE(SamePixels(out, source));
}

// Eight steps: d = 32. The new photo comes in as max(0, new - 32 (8 - k)),
// the old one goes as max(0, old - 32 (k + 1)).
TEST(CrossFadeFrame, AddsTheNewPhotoComingInToTheOldPhotoGoingOut) {
  const TDibImage old_frame = SolidImage(1, 1, Rgb{200, 100, 40});
  const TDibImage fresh = SolidImage(1, 1, Rgb{50, 150, 255});
  TDibImage out = SolidImage(1, 1, Rgb{});
  CrossFadeFrame(old_frame, 32 * 1, fresh, 32 * 8, out);  // k = 0
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{168, 68, 8}));
  CrossFadeFrame(old_frame, 32 * 5, fresh, 32 * 4, out);  // k = 4
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{40, 22, 127}));
  CrossFadeFrame(old_frame, 32 * 9, fresh, 0, out);  // k = 8
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{50, 150, 255}));
  // The sum is limited to 255.
  CrossFadeFrame(SolidImage(1, 1, Rgb{250, 250, 250}), 0, SolidImage(1, 1, Rgb{250, 10, 0}), 0, out);
  EXPECT_EQ(PixelAt(out, 0, 0), (Rgb{255, 255, 250}));
}

TEST(TransitionPlayer, FadeOutThenInDarkensTheOldPhotoThenBrightensTheNewOne) {
  TDibImage view = SolidImage(1, 1, Rgb{100, 100, 100});
  const TDibImage frame = SolidImage(1, 1, Rgb{200, 0, 50});
  TransitionPlayer player;
  player.Begin(Fade(FadeModeKind::OutThenIn, 8), frame, view, 1);
  ASSERT_EQ(player.StepCount(), 8 + 9);
  std::vector<std::int32_t> reds;
  while (!player.Done()) {
    player.Step();
    reds.push_back(PixelAt(view, 0, 0).r);
  }
  // Out: 100 - 32k for k = 1..8; in: 200 - 32 (8 - k) for k = 0..8.
  EXPECT_EQ(reds, (std::vector<std::int32_t>{68, 36, 4, 0, 0, 0, 0, 0, 0, 0, 8, 40, 72, 104, 136, 168, 200}));
}

TEST(TransitionPlayer, FadeModesTakeTheirStepsAndEndOnTheNewFrameExactly) {
  const TDibImage old_photo = NoiseImage(7, 5, 1);
  const TDibImage frame = NoiseImage(7, 5, 2);
  for (const FadeModeKind mode :
       {FadeModeKind::OutAndIn, FadeModeKind::OutThenIn, FadeModeKind::InOnly, FadeModeKind::OutOnly}) {
    for (const std::int32_t k : kFadeSteps) {
      TDibImage view = old_photo;
      view.MakeUnique();
      TransitionPlayer player;
      player.Begin(Fade(mode, k), frame, view, 1);
      const std::int32_t expected = mode == FadeModeKind::OutThenIn ? 2 * k + 1 : k + 1;
      EXPECT_EQ(player.StepCount(), expected);
      std::int32_t steps = 0;
      bool reached_early = false;
      while (!player.Done()) {
        player.Step();
        ++steps;
        if (!player.Done() && SamePixels(view, frame)) reached_early = true;
      }
      EXPECT_EQ(steps, expected);
      EXPECT_TRUE(SamePixels(view, frame)) << static_cast<int>(mode) << " K=" << k;
      EXPECT_FALSE(reached_early) << static_cast<int>(mode) << " K=" << k;
    }
  }
}

TEST(TransitionPlayer, CrossFadeStartsFromTheOldPhotoLessOneStep) {
  TDibImage view = SolidImage(2, 2, Rgb{120, 60, 30});
  const TDibImage frame = SolidImage(2, 2, Rgb{255, 255, 255});
  TransitionPlayer player;
  player.Begin(Fade(FadeModeKind::OutAndIn, 16), frame, view, 1);  // d = 16
  player.Step();                                                     // k = 0
  EXPECT_EQ(PixelAt(view, 1, 1), (Rgb{104, 44, 14}));
  player.Step();  // k = 1: new 255 - 16 * 15 = 15, old less 32
  EXPECT_EQ(PixelAt(view, 1, 1), (Rgb{15 + 88, 15 + 28, 15 + 0}));
}

TEST(TransitionPlayer, FadeInOnlyStartsBlack) {
  TDibImage view = SolidImage(2, 2, Rgb{120, 60, 30});
  const TDibImage frame = SolidImage(2, 2, Rgb{255, 128, 7});
  TransitionPlayer player;
  player.Begin(Fade(FadeModeKind::InOnly, 8), frame, view, 1);
  player.Step();
  EXPECT_EQ(PixelAt(view, 0, 0), (Rgb{0, 0, 0}));
  player.Step();  // k = 1: less 224
  EXPECT_EQ(PixelAt(view, 0, 0), (Rgb{31, 0, 0}));
}

struct PageCase {
  PageDirectionKind direction;
  std::int32_t strip;
  std::int32_t steps;  // on 800 x 600
};

class PageTurnSteps : public ::testing::TestWithParam<PageCase> {};

TEST_P(PageTurnSteps, TakeOneStepPerStripAndOneMore) {
  const PageCase c = GetParam();
  EXPECT_EQ(PageTurnStepCount(c.direction, 800, 600, c.strip), c.steps);
  EXPECT_EQ(TransitionPlayer::StepCountOf(Page(c.direction, c.strip), 800, 600), c.steps);
}

INSTANTIATE_TEST_SUITE_P(Strips, PageTurnSteps,
                         ::testing::Values(PageCase{PageDirectionKind::FromLeft, 12, 68},
                                           PageCase{PageDirectionKind::FromRight, 6, 135},
                                           PageCase{PageDirectionKind::FromTop, 3, 201},
                                           PageCase{PageDirectionKind::FromBottom, 2, 301},
                                           PageCase{PageDirectionKind::FromLeft, 1, 801},
                                           PageCase{PageDirectionKind::FromTop, 12, 51}));

TEST(PageTurnStrip, StartsAtTheChosenEdgeAndMovesAcross) {
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromLeft, 800, 600, 12, 0), (PixelRect{0, 0, 12, 600}));
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromLeft, 800, 600, 12, 66), (PixelRect{792, 0, 800, 600}));
  EXPECT_TRUE(PageTurnStrip(PageDirectionKind::FromLeft, 800, 600, 12, 67).Empty());
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromRight, 800, 600, 12, 0), (PixelRect{788, 0, 800, 600}));
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromRight, 800, 600, 12, 66), (PixelRect{0, 0, 8, 600}));
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromTop, 800, 600, 12, 1), (PixelRect{0, 12, 800, 24}));
  EXPECT_EQ(PageTurnStrip(PageDirectionKind::FromBottom, 800, 600, 12, 0), (PixelRect{0, 588, 800, 600}));
}

TEST(TransitionPlayer, PageTurnLaysEveryPixelOnceAndAStopLaysTheRest) {
  for (const PageDirectionKind d : {PageDirectionKind::FromLeft, PageDirectionKind::FromRight,
                                    PageDirectionKind::FromTop, PageDirectionKind::FromBottom}) {
    const TDibImage frame = NoiseImage(13, 9, 3);
    TDibImage view = SolidImage(13, 9, Rgb{1, 2, 3});
    TransitionPlayer player;
    player.Begin(Page(d, 2), frame, view, 1);
    std::vector<int> laid(13 * 9, 0);
    while (!player.Done()) {
      const PixelRect r = player.Step();
      for (std::int32_t y = r.top; y < r.bottom; ++y) {
        for (std::int32_t x = r.left; x < r.right; ++x) ++laid[static_cast<std::size_t>(y * 13 + x)];
      }
    }
    EXPECT_TRUE(std::all_of(laid.begin(), laid.end(), [](int n) { return n == 1; }));
    EXPECT_TRUE(SamePixels(view, frame));
  }
  // Stopped at the slowest speed after three strips: the whole photo at once.
  const TDibImage frame = NoiseImage(40, 30, 4);
  TDibImage view = SolidImage(40, 30, Rgb{});
  TransitionPlayer player;
  player.Begin(Page(PageDirectionKind::FromLeft, 1), frame, view, 1);
  for (int i = 0; i < 3; ++i) player.Step();
  EXPECT_FALSE(SamePixels(view, frame));
  EXPECT_EQ(player.Finish(), (PixelRect{0, 0, 40, 30}));
  EXPECT_TRUE(player.Done());
  EXPECT_TRUE(SamePixels(view, frame));
}

TEST(StarSandOrder, IsAPermutationOfEveryPixel) {
  for (const std::uint32_t count : {1U, 2U, 97U, 800U * 600U}) {
    std::vector<std::uint32_t> order = StarSandOrder(count, 42);
    ASSERT_EQ(order.size(), count);
    std::sort(order.begin(), order.end());
    std::vector<std::uint32_t> identity(count);
    std::iota(identity.begin(), identity.end(), 0U);
    EXPECT_EQ(order, identity) << count;
  }
  // Shuffled, and differently for another seed.
  const std::vector<std::uint32_t> a = StarSandOrder(1000, 1);
  const std::vector<std::uint32_t> b = StarSandOrder(1000, 2);
  EXPECT_NE(a, b);
  EXPECT_FALSE(std::is_sorted(a.begin(), a.end()));
}

TEST(TransitionPlayer, StarSandLaysItsShareOfPixelsPerRepaintAndEachPixelOnce) {
  const std::int32_t w = 20;
  const std::int32_t h = 15;  // 300 pixels over 50 repaints: 6 each
  const TDibImage frame = SolidImage(w, h, Rgb{255, 255, 255});
  TDibImage view = SolidImage(w, h, Rgb{});
  TransitionPlayer player;
  player.Begin(Sand(50), frame, view, 7);
  ASSERT_EQ(player.StepCount(), 50);
  std::int32_t previous = 0;
  while (!player.Done()) {
    player.Step();
    std::int32_t laid = 0;
    for (std::int32_t y = 0; y < h; ++y) {
      for (std::int32_t x = 0; x < w; ++x) laid += PixelAt(view, x, y).r == 255 ? 1 : 0;
    }
    EXPECT_EQ(laid - previous, 6);
    previous = laid;
  }
  EXPECT_EQ(previous, w * h);
}

TEST(StarSandBoundary, SplitsTheOrderIntoRepaintsThatCoverItAll) {
  EXPECT_EQ(StarSandBoundary(480000, 1000, 1), 480U);
  EXPECT_EQ(StarSandBoundary(10, 3, 1), 3U);
  EXPECT_EQ(StarSandBoundary(10, 3, 2), 6U);
  EXPECT_EQ(StarSandBoundary(10, 3, 3), 10U);
  // More repaints than pixels: some repaints lay nothing, all are laid.
  EXPECT_EQ(StarSandBoundary(4, 10, 10), 4U);
}

TEST(TransitionPlayer, NoneCopiesTheFrameInOneStep) {
  const TDibImage frame = NoiseImage(9, 4, 5);
  TDibImage view = SolidImage(9, 4, Rgb{});
  TransitionPlayer player;
  player.Begin(TransitionChoice{}, frame, view, 1);
  EXPECT_EQ(player.StepCount(), 1);
  player.Step();
  EXPECT_TRUE(player.Done());
  EXPECT_TRUE(SamePixels(view, frame));
}

TEST(TransitionPlayer, RefusesAFrameOfAnotherSize) {
  const TDibImage frame = SolidImage(9, 4, Rgb{});
  TDibImage view = SolidImage(8, 4, Rgb{});
  TransitionPlayer player;
  EXPECT_THROW(player.Begin(TransitionChoice{}, frame, view, 1), EDibError);
  EXPECT_FALSE(player.Active());
}

}  // namespace
}  // namespace lumetta
