// Loading a 6000 x 4000 24-bit BMP (and switching it to 24 bits, which must
// cost nothing more) next to plain reads of the same file in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/imaging/dib_image.h"

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;

// An ordinary bottom-up file, made once per run in the temporary folder.
const std::string& PhotoPath() {
  static const std::string path = [] {
    const auto p = std::filesystem::temp_directory_path() / "lumetta-bench-6000x4000-24bit.bmp";
    lumetta::TDibImage image;
    image.SetBitCount(24);
    image.SetSize(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      std::uint8_t* row = image.ScanLine(y);
      for (int x = 0; x < kWidth * 3; ++x) row[x] = static_cast<std::uint8_t>(x * 7 + y * 3);
    }
    image.SaveToFile(p.string());
    return p.string();
  }();
  return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(PhotoPath())); }

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// cat FILE > /dev/null: one small buffer, read over and over.
void BM_ReadFileRaw(benchmark::State& state) {
  std::vector<char> buffer(128 * 1024);
  for (auto _ : state) {
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(PhotoPath().c_str(), "rb"));
    std::size_t total = 0;
    while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), f.get())) total += n;
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(state.iterations() * FileBytes());
}
BENCHMARK(BM_ReadFileRaw)->Unit(benchmark::kMillisecond);

// The whole file into a block allocated for it: the same reads plus the cost
// of touching fresh memory, which any decoder pays.
void BM_ReadFileIntoNewBlock(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(FileBytes());
  for (auto _ : state) {
    std::unique_ptr<char[]> block(new char[size]);
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(PhotoPath().c_str(), "rb"));
    std::size_t total = 0;
    while (std::size_t n = std::fread(block.get() + total, 1, size - total, f.get())) total += n;
    benchmark::DoNotOptimize(block.get());
  }
  state.SetBytesProcessed(state.iterations() * FileBytes());
}
BENCHMARK(BM_ReadFileIntoNewBlock)->Unit(benchmark::kMillisecond);

void BM_LoadBmp24(benchmark::State& state) {
  for (auto _ : state) {
    lumetta::TDibImage image;
    image.LoadFromFile(PhotoPath());
    image.SetPixelFormat(lumetta::TDibPixelFormat::dpf24Bit);
    benchmark::DoNotOptimize(image.RowUnchecked(kHeight - 1));
  }
  state.SetBytesProcessed(state.iterations() * FileBytes());
}
BENCHMARK(BM_LoadBmp24)->Unit(benchmark::kMillisecond);

}  // namespace
