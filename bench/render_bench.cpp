// The renderer on a 6000 x 4000 photo shown in an 800 x 600 view (and on a
// 1920 x 1080 screen in the full-screen view), next to
// libjpeg-turbo's djpeg decoding the same photo as a quality-92 JPEG (the
// least any viewer spends before it can show that photo).
//
// The photo is synthetic: smooth gradients and waves with sensor-like noise,
// so that the JPEG decodes at a camera photo's pace. The JPEG is made with
// ImageMagick's convert in a scratch folder when the benchmark starts; the
// djpeg benchmark is skipped when either tool is missing.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/state/headless_ui.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/parallel.h"
#include "core/imaging/resample.h"
#include "core/view/full_screen.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"
#include "support/synthetic_photo.h"

namespace lumetta {
namespace {

constexpr std::int32_t kPhotoWidth = 6000;
constexpr std::int32_t kPhotoHeight = 4000;

const TDibImage& Photo() {
  static const TDibImage photo = bench_support::SyntheticPhoto(kPhotoWidth, kPhotoHeight, 1);
  return photo;
}

// The photo as a quality-92 JPEG in a scratch folder, removed at exit; empty
// when it cannot be made.
class JpegOfPhoto {
 public:
  JpegOfPhoto() {
    folder_ = std::filesystem::temp_directory_path() / ("lumetta-render-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
    const std::filesystem::path ppm = folder_ / "photo.ppm";
    {
      std::ofstream out(ppm, std::ios::binary);
      out << "P6\n" << kPhotoWidth << " " << kPhotoHeight << "\n255\n";
      std::string row(static_cast<std::size_t>(kPhotoWidth) * 3, '\0');
      for (std::int32_t y = 0; y < kPhotoHeight; ++y) {
        const std::uint8_t* p = Photo().RowUnchecked(y);
        for (std::int32_t x = 0; x < kPhotoWidth; ++x) {
          row[static_cast<std::size_t>(x) * 3] = static_cast<char>(p[x * 3 + 2]);
          row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(p[x * 3 + 1]);
          row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(p[x * 3]);
        }
        out.write(row.data(), static_cast<std::streamsize>(row.size()));
      }
    }
    const std::filesystem::path jpeg = folder_ / "photo.jpg";
    const std::string command = "convert \"" + ppm.string() + "\" -quality 92 \"" + jpeg.string() + "\"";
    if (std::system(command.c_str()) == 0 && std::filesystem::exists(jpeg)) path_ = jpeg.string();
    std::filesystem::remove(ppm);
  }
  ~JpegOfPhoto() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::filesystem::path folder_;
  std::string path_;
};

const JpegOfPhoto& Jpeg() {
  static const JpegOfPhoto jpeg;
  return jpeg;
}

struct Viewer {
  Viewer() {
    state.DecodedPhoto.Assign(Photo());
    state.current.Name = "photo.jpg";
    SizeImage24(state.ViewPicture, 800, 600);
  }
  AppState state;  // the first-run defaults: high quality, chrome, sharpness 12
  lumetta::HeadlessUi ui;
};

void BM_Djpeg(benchmark::State& bench) {
  const std::string& path = Jpeg().Path();
  if (path.empty()) {
    bench.SkipWithError("convert could not make the JPEG");
    return;
  }
  const std::string command = "djpeg -dct int -outfile /dev/null \"" + path + "\"";
  for (auto _ : bench) {
    if (std::system(command.c_str()) != 0) {
      bench.SkipWithError("djpeg failed");
      return;
    }
  }
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_RenderViewHighQuality(benchmark::State& bench) {
  SetWorkerThreads(static_cast<int>(bench.range(0)));
  Viewer v;
  for (auto _ : bench) RenderView(v.state, v.ui, false);
  SetWorkerThreads(0);
}
BENCHMARK(BM_RenderViewHighQuality)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_RenderViewHighSpeed(benchmark::State& bench) {
  SetWorkerThreads(static_cast<int>(bench.range(0)));
  Viewer v;
  v.state.settings.QualityMode = QualityModeKind::HighSpeed;
  for (auto _ : bench) RenderView(v.state, v.ui, false);
  SetWorkerThreads(0);
}
BENCHMARK(BM_RenderViewHighSpeed)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_RenderViewHighSpeedTurned(benchmark::State& bench) {
  Viewer v;
  v.state.settings.QualityMode = QualityModeKind::HighSpeed;
  v.state.current.Edits.Rotation = 1;
  for (auto _ : bench) RenderView(v.state, v.ui, false);
}
BENCHMARK(BM_RenderViewHighSpeedTurned)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

void BM_RenderViewHighQualityTurned(benchmark::State& bench) {
  Viewer v;
  v.state.current.Edits.Rotation = 1;
  for (auto _ : bench) RenderView(v.state, v.ui, false);
}
BENCHMARK(BM_RenderViewHighQualityTurned)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The full-screen view of the 24 MP photo on a 1920 x 1080 screen: each
// render the view makes of it there (a photo shown, a turn, F12).
void BM_RenderFullScreenHighQuality(benchmark::State& bench) {
  SetWorkerThreads(static_cast<int>(bench.range(0)));
  Viewer v;
  FullScreenView full(v.state, v.ui);
  full.Enter(1920, 1080, false);
  for (auto _ : bench) RenderView(v.state, v.ui, false);
  full.Leave();
  SetWorkerThreads(0);
}
BENCHMARK(BM_RenderFullScreenHighQuality)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// One step of dragging the zoom window at 100 %: the window copy without
// sharpening, as each mouse movement does.
void BM_ZoomDragStep(benchmark::State& bench) {
  SetWorkerThreads(static_cast<int>(bench.range(0)));
  Viewer v;
  SetZoomValue(v.state, 100);
  RenderZoom(v.state, v.ui, false);
  ViewDragStart(v.state, 0, 0);
  std::int32_t x = 0;
  std::int32_t step = 3;
  for (auto _ : bench) {
    x += step;
    if (x > 3000 || x < 0) step = -step;
    ViewDragMove(v.state, v.ui, x, x / 2);
  }
  ViewDragEnd(v.state, v.ui);
  SetWorkerThreads(0);
}
BENCHMARK(BM_ZoomDragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(2.0);

void BM_RenderZoomHighQuality100(benchmark::State& bench) {
  Viewer v;
  SetZoomValue(v.state, 100);
  for (auto _ : bench) RenderZoom(v.state, v.ui, false);
}
BENCHMARK(BM_RenderZoomHighQuality100)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace lumetta
