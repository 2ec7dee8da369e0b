// The plug-ins built with the program on 12-megapixel photos (4000 x 3000):
// a photo decoded through the host as the view decodes it (plug-in, hand-over
// of its blocks, the BMP stream read into the bitmap) beside the same
// library called directly for the same pixels; the same as whole programs
// (lumetta-cli decode beside pngtopnm, dwebp, heif-convert and LibRaw's
// dcraw_emu -e); and what loading all the plug-ins adds to a start.
//
// The photos are made once in the temporary folder from one synthetic
// picture: PNG and WebP by ImageMagick, HEIC by heif-enc, and a DNG whose
// full-size preview is that picture as a JPEG.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <libheif/heif.h>
#include <libraw/libraw.h>
#include <png.h>
#include <webp/decode.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/plugins/plugin_formats.h"
#include "core/plugins/spis.h"
#include "core/support/dng_bytes.h"
#include "core/support/reference_pixels.h"
#include "platform/plugin_library.h"
#include "support/synthetic_photo.h"

namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

const fs::path& BenchFolder() {
  static const fs::path folder = fs::temp_directory_path() / "lumetta-plugin-bench";
  return folder;
}

bool Run(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::string Quoted(const std::string& text) { return lumetta::testing_support::ShellQuoted(text); }

std::string BinFolder() {
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : self.parent_path().string();
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The photos, made on the first call; "" for a format whose tool failed.
struct Photos {
  Photos() {
    const fs::path dir = BenchFolder();
    fs::create_directories(dir);
    const fs::path bmp = dir / "photo.bmp";
    if (!fs::exists(bmp)) lumetta::bench_support::SyntheticPhoto(kWidth, kHeight, 11).SaveToFile(bmp.string());
    auto make = [&](const char* name, const std::string& command) {
      const fs::path p = dir / name;
      if (!fs::exists(p) && !Run(command + " " + Quoted(p.string()))) return std::string();
      return p.string();
    };
    png = make("photo.png", "convert " + Quoted(bmp.string()));
    webp = make("photo.webp", "convert " + Quoted(bmp.string()) + " -quality 90");
    jpeg = make("preview.jpg", "convert " + Quoted(bmp.string()) + " -quality 92");
    if (!png.empty()) heic = make("photo.heic", "heif-enc -q 80 " + Quoted(png) + " -o");
    const fs::path dng = dir / "photo.dng";
    if (!jpeg.empty()) {
      if (!fs::exists(dng)) {
        lumetta::testing_support::DngFile file;
        file.width = kWidth;
        file.height = kHeight;
        file.preview_jpeg = ReadFile(jpeg);
        file.preview_width = kWidth;
        file.preview_height = kHeight;
        std::ofstream(dng, std::ios::binary) << file.Bytes();
      }
      raw = dng.string();
    }
    bmp_path = bmp.string();
  }
  std::string bmp_path, png, webp, heic, jpeg, raw;
};

const Photos& Inputs() {
  static const Photos photos;
  return photos;
}

// The plug-ins beside the benchmark, loaded once.
lumetta::TSPIs& Plugins() {
  static lumetta::TSPIs plugins(lumetta::platform::NativePluginLibrary());
  static const bool searched = [] {
    plugins.SearchPlugins("*.spi", {BinFolder()});
    return true;
  }();
  static_cast<void>(searched);
  return plugins;
}

void HostDecode(benchmark::State& state, const std::string& path) {
  if (path.empty()) return state.SkipWithError("the photo could not be made (ImageMagick, heif-enc)");
  const lumetta::DecoderChoice choice = lumetta::PluginFormatsOf(Plugins()).Choice();
  if (Plugins().Count() == 0) return state.SkipWithError("no plug-ins beside the benchmark");
  for (auto _ : state) {
    lumetta::TSPIDibImage decoded;
    lumetta::DecodePhoto(path, decoded, choice);
    benchmark::DoNotOptimize(decoded.Pixels(0, 0));
  }
}

void BM_Host_Png(benchmark::State& state) { HostDecode(state, Inputs().png); }
void BM_Host_Webp(benchmark::State& state) { HostDecode(state, Inputs().webp); }
void BM_Host_Heic(benchmark::State& state) { HostDecode(state, Inputs().heic); }
void BM_Host_RawPreview(benchmark::State& state) { HostDecode(state, Inputs().raw); }
BENCHMARK(BM_Host_Png)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Host_Webp)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Host_Heic)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(BM_Host_RawPreview)->Unit(benchmark::kMillisecond)->MinTime(2);

// The libraries called directly for the same 8-bit colour pixels.

void BM_Library_Png(benchmark::State& state) {
  if (Inputs().png.empty()) return state.SkipWithError("no PNG");
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, Inputs().png.c_str()) == 0) return state.SkipWithError("libpng");
    image.format = PNG_FORMAT_BGR;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_Library_Png)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_Library_Webp(benchmark::State& state) {
  if (Inputs().webp.empty()) return state.SkipWithError("no WebP");
  for (auto _ : state) {
    const std::string bytes = ReadFile(Inputs().webp);
    int width = 0;
    int height = 0;
    std::uint8_t* pixels =
        WebPDecodeBGR(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &width, &height);
    if (pixels == nullptr) return state.SkipWithError("libwebp");
    benchmark::DoNotOptimize(pixels);
    WebPFree(pixels);
  }
}
BENCHMARK(BM_Library_Webp)->Unit(benchmark::kMillisecond)->MinTime(2);

void BM_Library_Heic(benchmark::State& state) {
  if (Inputs().heic.empty()) return state.SkipWithError("no HEIC");
  for (auto _ : state) {
    heif_context* context = heif_context_alloc();
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    if (heif_context_read_from_file(context, Inputs().heic.c_str(), nullptr).code != heif_error_Ok ||
        heif_context_get_primary_image_handle(context, &handle).code != heif_error_Ok ||
        heif_decode_image(handle, &image, heif_colorspace_RGB, heif_chroma_interleaved_RGB, nullptr).code !=
            heif_error_Ok) {
      heif_context_free(context);
      return state.SkipWithError("libheif");
    }
    int stride = 0;
    benchmark::DoNotOptimize(heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride));
    heif_image_release(image);
    heif_image_handle_release(handle);
    heif_context_free(context);
  }
}
BENCHMARK(BM_Library_Heic)->Unit(benchmark::kMillisecond)->MinTime(2);

// LibRaw's preview extraction, decoded by libjpeg with its defaults.
void BM_Library_RawPreview(benchmark::State& state) {
  if (Inputs().raw.empty()) return state.SkipWithError("no DNG");
  for (auto _ : state) {
    auto raw = std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE);
    if (raw->open_file(Inputs().raw.c_str()) != LIBRAW_SUCCESS || raw->unpack_thumb() != LIBRAW_SUCCESS) {
      return state.SkipWithError("LibRaw");
    }
    const libraw_thumbnail_t& thumb = raw->imgdata.thumbnail;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(thumb.thumb), thumb.tlength);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&cinfo);
    const std::size_t row_bytes = std::size_t{cinfo.output_width} * 3;
    std::vector<std::uint8_t> pixels(row_bytes * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
      JSAMPROW row = pixels.data() + row_bytes * cinfo.output_scanline;
      jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    benchmark::DoNotOptimize(pixels.data());
  }
}
BENCHMARK(BM_Library_RawPreview)->Unit(benchmark::kMillisecond)->MinTime(2);

// Whole programs, started once per iteration, each writing its pixels.

void Process(benchmark::State& state, const std::string& input, const std::string& command) {
  if (input.empty()) return state.SkipWithError("the photo could not be made");
  for (auto _ : state) {
    if (!Run(command)) return state.SkipWithError(("failed: " + command).c_str());
  }
}

std::string Out(const char* name) { return Quoted((BenchFolder() / name).string()); }
std::string Cli() { return Quoted(BinFolder() + "/lumetta-cli"); }

void BM_Process_LumettaCliPng(benchmark::State& state) {
  Process(state, Inputs().png, Cli() + " decode " + Quoted(Inputs().png) + " -o " + Out("cli.bmp"));
}
void BM_Process_Pngtopnm(benchmark::State& state) {
  Process(state, Inputs().png, "pngtopnm " + Quoted(Inputs().png) + " > " + Out("png.ppm"));
}
void BM_Process_LumettaCliWebp(benchmark::State& state) {
  Process(state, Inputs().webp, Cli() + " decode " + Quoted(Inputs().webp) + " -o " + Out("cli.bmp"));
}
void BM_Process_Dwebp(benchmark::State& state) {
  Process(state, Inputs().webp, "dwebp -quiet " + Quoted(Inputs().webp) + " -ppm -o " + Out("webp.ppm"));
}
void BM_Process_LumettaCliHeic(benchmark::State& state) {
  Process(state, Inputs().heic, Cli() + " decode " + Quoted(Inputs().heic) + " -o " + Out("cli.bmp"));
}
// heif-convert writes no uncompressed format; Y4M is the cheapest it has.
void BM_Process_HeifConvert(benchmark::State& state) {
  Process(state, Inputs().heic, "heif-convert " + Quoted(Inputs().heic) + " " + Out("heic.y4m"));
}
void BM_Process_LumettaCliRawPreview(benchmark::State& state) {
  Process(state, Inputs().raw, Cli() + " decode " + Quoted(Inputs().raw) + " -o " + Out("cli.bmp"));
}
// Only writes the embedded JPEG out, without decoding it.
void BM_Process_DcrawEmuE(benchmark::State& state) {
  Process(state, Inputs().raw, "dcraw_emu -e " + Quoted(Inputs().raw));
}
BENCHMARK(BM_Process_LumettaCliPng)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_Pngtopnm)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_LumettaCliWebp)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_Dwebp)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_LumettaCliHeic)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_HeifConvert)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_LumettaCliRawPreview)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_DcrawEmuE)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// Start-up: lumetta-cli decoding a tiny BMP with all the plug-ins loaded and
// with none; the difference is what the plug-ins add to a start.
std::string TinyBmp() {
  static const std::string path = [] {
    const fs::path p = BenchFolder() / "tiny.bmp";
    fs::create_directories(p.parent_path());
    lumetta::bench_support::SyntheticPhoto(8, 8, 1).SaveToFile(p.string());
    return p.string();
  }();
  return path;
}

void BM_Process_StartWithAllPlugins(benchmark::State& state) {
  Process(state, TinyBmp(), Cli() + " decode " + Quoted(TinyBmp()) + " -o " + Out("tiny-out.bmp"));
}
void BM_Process_StartWithoutPlugins(benchmark::State& state) {
  Process(state, TinyBmp(), Cli() + " decode " + Quoted(TinyBmp()) + " -o " + Out("tiny-out.bmp") + " --no-plugins");
}
BENCHMARK(BM_Process_StartWithAllPlugins)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(BM_Process_StartWithoutPlugins)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

}  // namespace
