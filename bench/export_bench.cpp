// The export of an 800 x 600 view: the view's part cut out, encoded at
// quality 90 and written beside the target, next to cjpeg -quality 90 of the
// same pixels (the whole program, started once per iteration) in the same
// run. bench/export_bench.sh measures the whole-photo export end to end.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/export/export_file.h"
#include "core/export/export_image.h"
#include "core/imaging/dib_image.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// A view with the detail of a photo: smooth gradients and some texture.
const lumetta::TDibImage& View() {
  static const lumetta::TDibImage view = [] {
    lumetta::TDibImage image;
    image.SetBitCount(24);
    image.SetSize(kWidth, -kHeight);
    for (int y = 0; y < kHeight; ++y) {
      std::uint8_t* row = image.ScanLine(y);
      for (int x = 0; x < kWidth; ++x) {
        const int texture = ((x * 37 + y * 91) ^ (x * y)) & 31;
        row[3 * x] = static_cast<std::uint8_t>(x / 4 + texture);
        row[3 * x + 1] = static_cast<std::uint8_t>(y / 3 + texture);
        row[3 * x + 2] = static_cast<std::uint8_t>((x + y) / 8 + texture);
      }
    }
    return image;
  }();
  return view;
}

std::string Scratch(const char* name) { return (std::filesystem::temp_directory_path() / name).string(); }

void BM_ExportView(benchmark::State& state) {
  const std::string target = Scratch("lumetta-bench-export.jpg");
  for (auto _ : state) {
    const lumetta::TDibImage image = lumetta::ShownPartImage(View(), kWidth, kHeight, 0, 0, {});
    lumetta::WriteExportFile(target, lumetta::ExportJpegBytes(image, 90, std::string("\xFF\xD8", 2)));
  }
  std::filesystem::remove(target);
}
BENCHMARK(BM_ExportView)->Unit(benchmark::kMillisecond);

void BM_CjpegView(benchmark::State& state) {
  const std::string source = Scratch("lumetta-bench-export-view.bmp");
  const std::string target = Scratch("lumetta-bench-cjpeg.jpg");
  lumetta::BottomUpImage(View()).SaveToFile(source);
  const std::string command = "cjpeg -quality 90 -outfile '" + target + "' '" + source + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cjpeg failed");
  }
  std::filesystem::remove(source);
  std::filesystem::remove(target);
}
BENCHMARK(BM_CjpegView)->Unit(benchmark::kMillisecond);

}  // namespace
