// Scanning and ordering a folder of 10000 photos: by name, by file time and
// by Exif date (the files stay in the page cache after the first round, as
// they do when the user switches the order of the folder on show).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/state/headless_ui.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/library/photo_sort.h"

namespace {

constexpr int kPhotos = 10000;


// A small camera JPEG with its Exif block right after the start marker, so
// that its shooting date counts.
std::string ExifFirstSample() {
  const auto path = std::filesystem::path(__FILE__).parent_path().parent_path() / "tests/fixtures/camera/Canon_40D.jpg";
  std::ifstream in(path, std::ios::binary);
  std::string jpeg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (jpeg.size() < 6 || static_cast<unsigned char>(jpeg[3]) != 0xE0) return jpeg;
  const std::size_t app0 = static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]);
  return jpeg.substr(0, 2) + jpeg.substr(4 + app0);
}

// 10000 copies with their dates patched to differ, named in mixed case and
// written in an order unlike any of the sorts; removed at exit.
class PhotoFolder {
 public:
  PhotoFolder() : path_(std::filesystem::temp_directory_path() / "lumetta-bench-scan-10000") {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    const std::string sample = ExifFirstSample();
    const std::string date = "2008:05:30 15:56:01";
    for (int i = 0; i < kPhotos; ++i) {
      const int n = (i * 7919) % kPhotos;
      std::string bytes = sample;
      char stamp[20];
      std::snprintf(stamp, sizeof stamp, "20%02d:%02d:%02d %02d:%02d:%02d", n % 23, 1 + n % 12, 1 + n % 28, n % 24,
                    (n / 24) % 60, n % 60);
      for (std::size_t at = bytes.find(date); at != std::string::npos; at = bytes.find(date, at + 1)) {
        bytes.replace(at, date.size(), stamp);
      }
      char name[32];
      std::snprintf(name, sizeof name, "%s_%05d.%s", n % 3 == 0 ? "img" : "IMG", n, n % 5 == 0 ? "jpg" : "JPG");
      std::ofstream(path_ / name, std::ios::binary) << bytes;
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

void ScanWithMode(benchmark::State& st, lumetta::SortKey mode) {
  auto state = std::make_unique<lumetta::AppState>();
  state->PhotoExtensions = lumetta::BuildPhotoExtensions({});
  state->CurrentFolder = Folder().Path();
  state->settings.SortMode = mode;
  lumetta::HeadlessUi ui;
  lumetta::ScanFolder(*state, ui);  // warms the page cache
  for (auto _ : st) {
    lumetta::ScanFolder(*state, ui);
    benchmark::DoNotOptimize(state->photos.PhotoCount);
  }
  if (state->photos.PhotoCount != kPhotos) st.SkipWithError("the folder did not list every photo");
  st.counters["photos"] = state->photos.PhotoCount;
}

void BM_ScanFolderByName(benchmark::State& st) { ScanWithMode(st, lumetta::SortKey::Name); }
void BM_ScanFolderByFileTime(benchmark::State& st) { ScanWithMode(st, lumetta::SortKey::FileTime); }
void BM_ScanFolderByExifDate(benchmark::State& st) { ScanWithMode(st, lumetta::SortKey::ExifDate); }

BENCHMARK(BM_ScanFolderByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanFolderByFileTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanFolderByExifDate)->Unit(benchmark::kMillisecond);

}  // namespace
