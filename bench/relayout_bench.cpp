// Switching the main window's layout with a 6000 x 4000 photo shown: the
// view of the new size filled, the labels written and the photo rendered
// again in high quality, alternating between the 800 and the 1024 layout.
// The peer is BM_Djpeg (render_bench.cpp), djpeg decoding the same photo:
// run both with --benchmark_filter='Djpeg|Relayout'.
#include <benchmark/benchmark.h>

#include "core/app/main_layout.h"
#include "core/imaging/resample.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "support/synthetic_photo.h"

namespace lumetta {
namespace {

void BM_RelayoutHighQuality(benchmark::State& bench) {
  static const TDibImage photo = bench_support::SyntheticPhoto(6000, 4000, 1);
  AppState state;  // first-run defaults: high quality, chrome, sharpness 12
  HeadlessUi ui;
  state.DecodedPhoto.Assign(photo);
  state.current.Name = "photo.jpg";
  state.current.Edits.ZoomMode = bench.range(0) != 0;
  state.view.ShownWidth = 6000;
  state.view.ShownHeight = 4000;
  SizeImage24(state.ViewPicture, 800, 600);
  std::uint8_t mode = 3;
  for (auto _ : bench) {
    mode = mode == 3 ? 8 : 3;
    state.settings.SizeMode = mode;
    FinishRelayout(state, ui, BeginRelayout(state, ui));
  }
}
BENCHMARK(BM_RelayoutHighQuality)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace
}  // namespace lumetta
