// The slide show's transition steps on an 800 x 600 view: what one step
// costs for each transition at each speed (the paint of the view comes on
// top; slideshow_trace measures it under X), and building the star-sand
// order for 800 x 600 and 1920 x 1080.
#include <benchmark/benchmark.h>

#include "core/slideshow/transition_kernels.h"
#include "core/slideshow/transition_player.h"
#include "core/imaging/resample.h"
#include "support/synthetic_photo.h"

namespace lumetta {
namespace {

constexpr std::int32_t kViewWidth = 800;
constexpr std::int32_t kViewHeight = 600;

const TDibImage& OldPhoto() {
  static const TDibImage photo = bench_support::SyntheticPhoto(kViewWidth, kViewHeight, 1);
  return photo;
}
const TDibImage& NewPhoto() {
  static const TDibImage photo = bench_support::SyntheticPhoto(kViewWidth, kViewHeight, 2);
  return photo;
}

// Plays whole transitions and reports the time per step.
void PlaySteps(benchmark::State& state, const TransitionChoice& choice) {
  TDibImage view;
  SizeImage24(view, kViewWidth, kViewHeight);
  std::int64_t steps = 0;
  TransitionPlayer player;
  for (auto _ : state) {
    state.PauseTiming();
    CopyRect(OldPhoto(), PixelRect{0, 0, kViewWidth, kViewHeight}, view);
    // The fades' copy and the star-sand order are made once per transition;
    // BM_StarSandOrder times the order.
    player.Begin(choice, NewPhoto(), view, static_cast<std::uint64_t>(steps));
    state.ResumeTiming();
    while (!player.Done()) {
      benchmark::DoNotOptimize(player.Step());
      ++steps;
    }
  }
  state.counters["step"] = benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate |
                                                                               benchmark::Counter::kInvert);
  state.counters["steps"] = static_cast<double>(player.StepCount());
}

void BM_Fade(benchmark::State& state) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::Fade;
  c.fade_mode = static_cast<FadeModeKind>(state.range(0));
  c.fade_steps = kFadeSteps[static_cast<std::size_t>(state.range(1))];
  PlaySteps(state, c);
}
// Modes "アウト＆イン", "アウト→イン"; speeds 5 (fastest) and 1 (finest).
BENCHMARK(BM_Fade)->Args({0, 0})->Args({0, 4})->Args({1, 0})->Args({1, 4})->Unit(benchmark::kMillisecond);

void BM_StarSand(benchmark::State& state) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::StarSand;
  c.star_sand_repaints = kStarSandRepaints[static_cast<std::size_t>(state.range(0))];
  PlaySteps(state, c);
}
BENCHMARK(BM_StarSand)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_PageTurn(benchmark::State& state) {
  TransitionChoice c;
  c.kind = SlideTransitionKind::PageTurn;
  c.page_direction = static_cast<PageDirectionKind>(state.range(0));
  c.page_strip = kPageStripWidths[static_cast<std::size_t>(state.range(1))];
  PlaySteps(state, c);
}
BENCHMARK(BM_PageTurn)->Args({0, 0})->Args({0, 4})->Args({2, 0})->Unit(benchmark::kMillisecond);

void BM_StarSandOrder(benchmark::State& state) {
  const auto count = static_cast<std::uint32_t>(state.range(0) * state.range(1));
  std::uint64_t seed = 1;
  for (auto _ : state) benchmark::DoNotOptimize(StarSandOrder(count, seed++));
}
BENCHMARK(BM_StarSandOrder)->Args({800, 600})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumetta
