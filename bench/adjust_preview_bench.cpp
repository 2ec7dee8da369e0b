// The brightness dialog's preview: one move of a bar (AkarusaModel::
// SetBrightness, the 320 x 240 base adjusted again) must take well under a
// frame. Next to it, the render of the photo into the preview that the
// stored base saves on every move, for a 4000 x 3000 photo.
#include <benchmark/benchmark.h>

#include "core/state/headless_ui.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/imaging/adjust_preview.h"
#include "core/imaging/stretch.h"
#include "core/view/akarusa_model.h"
#include "core/imaging/resample.h"
#include "core/view/view_render.h"
#include "support/synthetic_photo.h"

namespace lumetta {
namespace {

constexpr std::int32_t kPhotoWidth = 4000;
constexpr std::int32_t kPhotoHeight = 3000;

const TDibImage& Photo() {
  static const TDibImage photo = bench_support::SyntheticPhoto(kPhotoWidth, kPhotoHeight, 7);
  return photo;
}

// The photo shown fitted in an 800 x 600 view, high quality, the given
// effect.
void ShowPhoto(AppState& state, UserInterface& ui, std::int32_t effect) {
  state.settings.GlobalEffect = effect;
  state.settings.GlobalSharpness = 12;
  state.view.ViewWidth = 800;
  state.view.ViewHeight = 600;
  state.DecodedPhoto.Assign(Photo());
  state.current.Name = "photo.jpg";
  SizeImage24(state.ViewPicture, 800, 600);
  RenderView(state, ui, false);
}

void BM_AkarusaBarMove(benchmark::State& bench) {
  AppState state;
  lumetta::HeadlessUi ui;
  ShowPhoto(state, ui, static_cast<std::int32_t>(bench.range(0)));
  AkarusaModel model(state, ui);
  model.Open();
  std::int32_t brightness = 0;
  for (auto _ : bench) {
    brightness = brightness == 40 ? -40 : brightness + 1;
    model.SetBrightness(brightness);
    model.SetContrast(300 + brightness);
    benchmark::DoNotOptimize(state.PreviewPicture.RowUnchecked(0));
  }
  // Two moves (brightness and contrast) per iteration.
  bench.SetItemsProcessed(2 * bench.iterations());
  model.Close(false);
}
BENCHMARK(BM_AkarusaBarMove)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The kernel alone: 320 x 240 pixels through AdjustPixel and ApplyEffect.
void BM_AdjustPreviewKernel(benchmark::State& bench) {
  const std::int32_t effect = static_cast<std::int32_t>(bench.range(0));
  TDibImage base;
  SizeImage24(base, 320, 240);
  StretchNearest(Photo(), StretchRect{0, 0, kPhotoWidth, kPhotoHeight}, base, StretchRect{0, 0, 320, 240});
  TDibImage preview;
  const AdjustValues values = AdjustValuesOf(25, 320, effect);
  for (auto _ : bench) {
    AdjustPreview(base, preview, values, effect);
    benchmark::DoNotOptimize(preview.RowUnchecked(0));
  }
  bench.SetItemsProcessed(bench.iterations() * 320 * 240);
}
BENCHMARK(BM_AdjustPreviewKernel)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The peer: rendering the photo into the preview again on every move.
void BM_AkarusaPreviewRender(benchmark::State& bench) {
  AppState state;
  lumetta::HeadlessUi ui;
  ShowPhoto(state, ui, 1);
  state.AdjustPreviewActive = true;
  state.view.ViewWidth = kPreviewWidth;
  state.view.ViewHeight = kPreviewHeight;
  SizeImage24(state.PreviewPicture, kPreviewWidth, kPreviewHeight);
  for (auto _ : bench) {
    RenderView(state, ui, false);
    benchmark::DoNotOptimize(state.PreviewPicture.RowUnchecked(0));
  }
}
BENCHMARK(BM_AkarusaPreviewRender)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lumetta
