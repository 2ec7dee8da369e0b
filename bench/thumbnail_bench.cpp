// Thumbnails: building one from a 6000 x 4000 JPEG next to its peers in the
// same run (vipsthumbnail, and djpeg's fast quarter decode as the floor),
// and a folder of 1000 photos whose thumbnails are all cached: the scan with
// the strip's first eight cells, and the wide window's 47 cells.
//
// The JPEG is made once with ImageMagick (convert) in the temporary folder;
// the peers run as the programs they are, so lumetta-cli's run of the same
// build is timed beside them.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/state/headless_ui.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/library/thumb_cache_path.h"
#include "core/library/thumb_strip.h"
#include "core/library/thumbnail_builder.h"
#include "core/library/thumbnail_cache.h"

namespace {

namespace fs = std::filesystem;
using lumetta::AppState;

const fs::path& BenchFolder() {
  static const fs::path folder = fs::temp_directory_path() / "lumetta-thumbnail-bench";
  return folder;
}

bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quoted(const std::string& text) {
  std::string quoted(1, '\'');
  quoted.append(text).append(1, '\'');
  return quoted;
}

// A photo-like 6000 x 4000 picture at quality 92.
const std::string& BigJpeg() {
  static const std::string path = [] {
    const fs::path p = BenchFolder() / "one/big.jpg";
    if (!fs::exists(p)) {
      fs::create_directories(p.parent_path());
      const std::string command = "convert -seed 7 -size 6000x4000 plasma:fractal -blur 0x1 -quality 92 " + Quoted(p.string());
      if (std::system(command.c_str()) != 0) return std::string();
    }
    return p.string();
  }();
  return path;
}


void BM_BuildThumbnail(benchmark::State& state) {
  if (BigJpeg().empty()) return state.SkipWithError("ImageMagick convert is needed for the test photo");
  lumetta::ThumbnailRequest request;
  request.PhotoPath = BigJpeg();
  for (auto _ : state) {
    lumetta::ThumbnailResult result = lumetta::BuildThumbnail(request);
    benchmark::DoNotOptimize(result.Made);
  }
}
BENCHMARK(BM_BuildThumbnail)->Unit(benchmark::kMillisecond)->MinTime(3);

// The same as whole programs, started once per iteration.
std::string CliPath() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string("lumetta-cli") : (self.parent_path() / "lumetta-cli").string();
}

void BM_Process_LumettaCliThumbs(benchmark::State& state) {
  if (BigJpeg().empty()) return state.SkipWithError("ImageMagick convert is needed for the test photo");
  const std::string out = (BenchFolder() / "cli-out").string();
  const std::string command = Quoted(CliPath()) + " thumbs " + Quoted((BenchFolder() / "one").string()) + " -o " +
                              Quoted(out) + " --app-folder " + Quoted(out);
  for (auto _ : state) {
    if (!Run(command)) return state.SkipWithError("lumetta-cli failed");
  }
}
BENCHMARK(BM_Process_LumettaCliThumbs)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_Process_Vipsthumbnail(benchmark::State& state) {
  if (BigJpeg().empty()) return state.SkipWithError("ImageMagick convert is needed for the test photo");
  const std::string command =
      "vipsthumbnail " + Quoted(BigJpeg()) + " -s 80x60 -o " + Quoted((BenchFolder() / "vips-%s.jpg").string());
  for (auto _ : state) {
    if (!Run(command)) return state.SkipWithError("vipsthumbnail failed");
  }
}
BENCHMARK(BM_Process_Vipsthumbnail)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);

void BM_Process_DjpegFastQuarter(benchmark::State& state) {
  if (BigJpeg().empty()) return state.SkipWithError("ImageMagick convert is needed for the test photo");
  const std::string command = "djpeg -dct fast -scale 1/4 -outfile /dev/null " + Quoted(BigJpeg());
  for (auto _ : state) {
    if (!Run(command)) return state.SkipWithError("djpeg failed");
  }
}
BENCHMARK(BM_Process_DjpegFastQuarter)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);


// Slot 1 showing a folder of 1000 photos (IMG_0001.JPG ...), each a small
// JPEG copy, with all their thumbnails built once into the cache.
struct WarmFolder {
  WarmFolder() : state(std::make_unique<AppState>()) {
    const fs::path root = BenchFolder() / "warm";
    const fs::path folder = root / "Photos/Day1";
    fs::create_directories(folder);
    const fs::path sample = BenchFolder() / "sample.jpg";
    if (!fs::exists(sample)) Run("convert -seed 3 -size 640x480 plasma:fractal -quality 90 " + Quoted(sample.string()));
    for (int k = 1; k <= 1000; ++k) {
      char name[32];
      std::snprintf(name, sizeof name, "IMG_%04d.JPG", k);
      if (!fs::exists(folder / name)) fs::copy_file(sample, folder / name);
    }
    state->folders.ThumbnailFolder = (root / "Thumbnail").string();
    state->settings.SlotFolder[1] = (root / "Photos").string();
    state->PhotoExtensions = lumetta::BuildPhotoExtensions({});
    state->SlotIndex = 1;
    state->CurrentFolder = folder.string();
    lumetta::ScanFolder(*state, ui);
    for (std::int32_t pos = 1; pos <= state->photos.PhotoCount; ++pos) lumetta::LoadThumbnail(*state, ui, pos);
  }
  std::unique_ptr<AppState> state;
  lumetta::HeadlessUi ui;
  lumetta::TDibImage cells[48];
};

WarmFolder& Warm() {
  static WarmFolder warm;
  return warm;
}

// Another folder's lookup, so that each visit finds the folder's index cold
// as after opening another folder.
void ForgetCacheFolder() { lumetta::FindCacheFile((BenchFolder() / "one/none.dat").string()); }

void Paint(WarmFolder& w, std::int32_t order, bool wide) {
  lumetta::PaintStripCells(*w.state, w.ui, order, wide, [&w](std::int32_t cell, const lumetta::TDibImage& thumb) {
    w.cells[cell].Assign(thumb);
    w.cells[cell].MakeUnique();
  });
}

void BM_WarmFolder_ScanAndFirstEightCells(benchmark::State& state) {
  WarmFolder& w = Warm();
  for (auto _ : state) {
    state.PauseTiming();
    ForgetCacheFolder();
    state.ResumeTiming();
    lumetta::ScanFolder(*w.state, w.ui);
    Paint(w, 1, false);
  }
  state.counters["photos"] = w.state->photos.PhotoCount;
}
BENCHMARK(BM_WarmFolder_ScanAndFirstEightCells)->Unit(benchmark::kMillisecond);

void BM_WarmFolder_WideWindowFromCache(benchmark::State& state) {
  WarmFolder& w = Warm();
  w.state->StripPos = 4;  // cells 1..47 show photos 1..47
  for (auto _ : state) {
    state.PauseTiming();
    ForgetCacheFolder();
    for (std::int32_t pos = 1; pos <= 47; ++pos) w.state->photos[pos].ThumbLoaded = false;
    state.ResumeTiming();
    Paint(w, 1, true);
  }
}
BENCHMARK(BM_WarmFolder_WideWindowFromCache)->Unit(benchmark::kMillisecond);

}  // namespace
