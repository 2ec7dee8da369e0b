// The information panel's Exif reading, per photo, from the page cache: the
// camera samples (most with a JFIF segment before their Exif block) and a
// 12 MB photo, which must cost no more than a small one because only the
// first 64 KB are read. bench/exif_info_bench.sh gives exiftool's figure on
// the same photos.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/records/exif_info.h"

namespace {

std::filesystem::path SourceRoot() { return std::filesystem::path(__FILE__).parent_path().parent_path(); }

// The shared camera samples when they are there, else the test fixtures.
std::vector<std::string> CameraPhotos() {
  std::vector<std::string> photos;
  for (const auto& folder : {SourceRoot().parent_path() / "shared/samples/camera", SourceRoot() / "tests/fixtures/camera"}) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
      if (entry.path().extension() == ".jpg") photos.push_back(entry.path().string());
    }
    if (!photos.empty()) break;
  }
  return photos;
}

// A 12 MB photo: a camera sample's segments followed by 12 MB of data.
class LargePhoto {
 public:
  LargePhoto() : path_(std::filesystem::temp_directory_path() / "lumetta-bench-exif-large.jpg") {
    std::ifstream in(SourceRoot() / "tests/fixtures/camera/Canon_40D.jpg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.resize(12'000'000, '\x5A');
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~LargePhoto() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  std::string Path() const { return path_.string(); }

 private:
  std::filesystem::path path_;
};

void ReadEach(benchmark::State& st, const std::vector<std::string>& photos) {
  if (photos.empty()) {
    st.SkipWithError("no camera photos found");
    return;
  }
  for (const std::string& p : photos) benchmark::DoNotOptimize(lumetta::ReadExifInfo(p));  // page cache
  std::size_t i = 0;
  for (auto _ : st) {
    const lumetta::ExifReading r = lumetta::ReadExifInfo(photos[i]);
    benchmark::DoNotOptimize(r.Panel.SatsueiLbl.data());
    if (++i == photos.size()) i = 0;
  }
  st.counters["photos"] = static_cast<double>(photos.size());
}

void BM_ReadExifInfoCameraSamples(benchmark::State& st) {
  static const std::vector<std::string> photos = CameraPhotos();
  ReadEach(st, photos);
}

void BM_ReadExifInfoTwelveMegabytePhoto(benchmark::State& st) {
  static const LargePhoto photo;
  ReadEach(st, {photo.Path()});
}

BENCHMARK(BM_ReadExifInfoCameraSamples)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadExifInfoTwelveMegabytePhoto)->Unit(benchmark::kMicrosecond);

}  // namespace
