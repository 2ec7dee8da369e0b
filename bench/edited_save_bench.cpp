// Saving the shown photo's edits as its default edited-photo file in a
// folder of 1000 photos, with the rescan of the list that follows, and
// building the save dialog's number list there (25 numbered variants).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/records/variant_numbers.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/variants/edited_photo_save.h"

namespace {

constexpr int kPhotos = 1000;

class PhotoFolder {
 public:
  PhotoFolder() : path_(std::filesystem::temp_directory_path() / "lumetta-bench-edited-save-1000") {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    // The scan lists by name; the photos' contents are never read.
    const std::string bytes(64 * 1024, 'x');
    for (int i = 0; i < kPhotos; ++i) {
      char name[32];
      std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
      std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    for (int n = 1; n <= 25; ++n) {
      char name[32];
      std::snprintf(name, sizeof name, "IMG_0001_JPG-%03d.lum", n);
      std::ofstream(path_ / name, std::ios::binary) << "100\r\n";
    }
  }
  ~PhotoFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

const PhotoFolder& Folder() {
  static const PhotoFolder folder;
  return folder;
}

void SaveAndRescan(benchmark::State& st) {
  auto state = std::make_unique<lumetta::AppState>();
  state->PhotoExtensions = lumetta::BuildPhotoExtensions({});
  state->CurrentFolder = Folder().Path();
  lumetta::HeadlessUi ui;
  lumetta::ScanFolder(*state, ui);
  state->current = lumetta::PhotoRecord{"IMG_0500.JPG", Folder().Path(), 0, 501, {}};
  state->current.Edits.Brightness = 40;
  const std::string target = lumetta::JoinPath(Folder().Path(), "IMG_0500_JPG.lum");
  for (auto _ : st) {
    state->current.Edits.Brightness = state->current.Edits.Brightness == 40 ? 41 : 40;
    if (!lumetta::SaveEditedPhoto(*state, ui, target)) st.SkipWithError("save failed");
    benchmark::DoNotOptimize(state->photos.PhotoCount);
  }
  std::filesystem::remove(target);
}
BENCHMARK(SaveAndRescan)->Unit(benchmark::kMillisecond);

void BuildNumberList(benchmark::State& st) {
  for (auto _ : st) {
    const lumetta::NumberList list = lumetta::BuildNumberList(Folder().Path(), "IMG_0001_JPG");
    benchmark::DoNotOptimize(list.ListedCount);
  }
}
BENCHMARK(BuildNumberList)->Unit(benchmark::kMicrosecond);

}  // namespace
