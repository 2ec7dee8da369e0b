// The histogram of a full 800 x 600 view: counting and drawing.
#include <benchmark/benchmark.h>

#include "core/imaging/histogram.h"
#include "support/synthetic_photo.h"

namespace lumetta {
namespace {

void BM_Histogram800x600(benchmark::State& st) {
  const TDibImage view = bench_support::SyntheticPhoto(800, 600, 3);
  TDibImage drawn;
  for (auto _ : st) {
    const HistogramBins bins = CountBrightness(view, 0, 0, 799, 599);
    DrawHistogram(bins, drawn);
    benchmark::DoNotOptimize(drawn.ScanLine(0));
  }
}
BENCHMARK(BM_Histogram800x600)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
}  // namespace lumetta
