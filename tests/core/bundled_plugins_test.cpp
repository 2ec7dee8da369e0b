// The plug-ins built with the program, loaded as the program loads them:
// each decodes its fixtures to the pixels of its library's own tool, and the
// host finds them by the decoder choice (a BMP file holding a PNG, a file
// behind a MacBinary header).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/plugins/plugin_formats.h"
#include "core/plugins/spis.h"
#include "platform/plugin_library.h"
#include "support/dng_bytes.h"
#include "support/reference_pixels.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using namespace testing_support;

const std::string kFixtures = std::string(LUMETTA_FIXTURES) + "/plugins/";

// The plug-ins of the program's folder, loaded once for a test.
struct Plugins {
  Plugins() { spis.SearchPlugins("*.spi", {LUMETTA_PLUGIN_DIR}); }
  TSPIs spis{platform::NativePluginLibrary()};
};

TSPIDibImage Decode(const std::string& path) {
  TSPIDibImage image;
  image.LoadFromFile(path);
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  return image;
}

std::string Fill(std::string command, const std::string& in, const std::string& out) {
  for (std::size_t at; (at = command.find("{in}")) != std::string::npos;) command.replace(at, 4, ShellQuoted(in));
  for (std::size_t at; (at = command.find("{out}")) != std::string::npos;) command.replace(at, 5, ShellQuoted(out));
  return command;
}

enum class Alpha {
  None,
  Straight,       // the reference's colours with their alpha over white
  Premultiplied,  // colours already multiplied by their alpha: white shows through by 255 - alpha
};

// Compares every pixel of image with the reference (and its alpha, from
// the reference's fourth channel or a file of its own).
void ExpectReferencePixels(const TDibImage& image, const Pnm& reference, Alpha alpha = Alpha::None,
                           const Pnm* alpha_file = nullptr) {
  ASSERT_EQ(image.Width(), reference.width);
  ASSERT_EQ(image.Height(), reference.height);
  for (int y = 0; y < reference.height; ++y) {
    for (int x = 0; x < reference.width; ++x) {
      std::array<std::uint32_t, 3> expected{};
      for (int c = 0; c < 3; ++c) expected[c] = reference.At8(x, y, reference.channels >= 3 ? c : 0);
      if (alpha != Alpha::None) {
        const std::uint32_t a = alpha_file != nullptr ? alpha_file->At8(x, y, 0) : reference.At8(x, y, 3);
        for (auto& v : expected) {
          v = alpha == Alpha::Straight ? (v * a + 255 * (255 - a) + 127) / 255 : std::min<std::uint32_t>(v + 255 - a, 255);
        }
      }
      const auto actual = RgbOf(image, x, y);
      ASSERT_EQ((std::array<std::uint32_t, 3>{actual[0], actual[1], actual[2]}), expected) << "at " << x << "," << y;
    }
  }
}

struct ReferenceCase {
  std::string fixture;
  std::string reference;  // a command from {in} to {out}
  Alpha alpha = Alpha::None;
  std::string alpha_reference;  // a command writing the alpha as a grey {out}
};

void PrintTo(const ReferenceCase& c, std::ostream* os) { *os << c.fixture; }

class ReferencePixelsTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferencePixelsTest, DecodesToTheLibrarysOwnPixels) {
  const ReferenceCase& c = GetParam();
  TempDir dir;
  const std::string fixture = kFixtures + c.fixture;
  const std::string reference = dir / "reference.pnm";
  ASSERT_TRUE(RunTool(Fill(c.reference, fixture, reference))) << Fill(c.reference, fixture, reference);
  Pnm alpha_file;
  if (!c.alpha_reference.empty()) {
    ASSERT_TRUE(RunTool(Fill(c.alpha_reference, fixture, dir / "alpha.pnm")));
    alpha_file = ReadPnm(dir / "alpha.pnm");
  }
  Plugins plugins;
  ExpectReferencePixels(Decode(fixture), ReadPnm(reference), c.alpha, c.alpha_reference.empty() ? nullptr : &alpha_file);
}

const std::string kPngToPnm = "pngtopnm {in} > {out}";
const std::string kDwebp = "dwebp -quiet {in} -ppm -o {out}";
const std::string kHeifConvert = "heif-convert {in} {out}.png >/dev/null && pngtopnm {out}.png > {out}";
// libtiff's own RGBA reading, written uncompressed and read back raw.
const std::string kTiff2Rgba = "tiff2rgba -c none -n {in} {out}.tif && tifftopnm {out}.tif > {out}";

INSTANTIATE_TEST_SUITE_P(
    Png, ReferencePixelsTest,
    ::testing::Values(ReferenceCase{"rgb.png", kPngToPnm}, ReferenceCase{"palette.png", kPngToPnm},
                      ReferenceCase{"gray16.png", kPngToPnm}, ReferenceCase{"rgb16_interlaced.png", kPngToPnm},
                      ReferenceCase{"alpha.png", kPngToPnm, Alpha::Straight, "pngtopnm -alpha {in} > {out}"}));
INSTANTIATE_TEST_SUITE_P(Webp, ReferencePixelsTest,
                         ::testing::Values(ReferenceCase{"lossy.webp", kDwebp}, ReferenceCase{"lossless.webp", kDwebp},
                                           ReferenceCase{"alpha.webp", "dwebp -quiet {in} -pam -o {out}",
                                                         Alpha::Straight}));
INSTANTIATE_TEST_SUITE_P(Heif, ReferencePixelsTest,
                         ::testing::Values(ReferenceCase{"photo.heic", kHeifConvert},
                                           ReferenceCase{"photo.avif", kHeifConvert}));
INSTANTIATE_TEST_SUITE_P(
    Tiff, ReferencePixelsTest,
    ::testing::Values(ReferenceCase{"lzw.tif", kTiff2Rgba}, ReferenceCase{"lzw_big_endian.tif", kTiff2Rgba},
                      ReferenceCase{"deflate.tif", kTiff2Rgba}, ReferenceCase{"jpeg.tif", kTiff2Rgba},
                      ReferenceCase{"tiled.tif", kTiff2Rgba}, ReferenceCase{"rgb16.tif", kTiff2Rgba},
                      ReferenceCase{"cmyk.tif", kTiff2Rgba}, ReferenceCase{"palette.tif", kTiff2Rgba},
                      ReferenceCase{"../tiff/ifd_after_data.tif", kTiff2Rgba},
                      ReferenceCase{"alpha.tif", "tiff2rgba -c none {in} {out}.tif && tifftopnm {out}.tif > {out}",
                                    Alpha::Premultiplied,
                                    "tiff2rgba -c none {in} {out}.tif && tifftopnm -alphaout={out} {out}.tif "
                                    ">/dev/null"}));

TEST(BundledPlugins, RawWithoutAPreviewIsDemosaicedAtHalfSizeAsLibRawsOwnTool) {
  TempDir dir;
  const std::string raw = dir.Write("photo.dng", DngFile{}.Bytes());
  ASSERT_TRUE(RunTool("cd " + ShellQuoted(dir.Path()) + " && dcraw_emu -h -w -t 0 photo.dng"));
  Plugins plugins;
  const TSPIDibImage image = Decode(raw);
  EXPECT_EQ(image.Width(), 32);
  ExpectReferencePixels(image, ReadPnm(dir / "photo.dng.ppm"));
}

TEST(BundledPlugins, RawWithAFullSizePreviewShowsThePreview) {
  TempDir dir;
  DngFile dng;
  dng.width = 100;
  dng.height = 68;
  dng.preview_jpeg = ReadAll(std::string(LUMETTA_FIXTURES) + "/camera/Canon_40D.jpg");
  dng.preview_width = 100;
  dng.preview_height = 68;
  const std::string raw = dir.Write("photo.DNG", dng.Bytes());
  // LibRaw's own extraction of the preview, decoded by libjpeg's own tool.
  ASSERT_TRUE(RunTool("cd " + ShellQuoted(dir.Path()) + " && simple_dcraw -e photo.DNG && djpeg -ppm -outfile "
                      "preview.ppm photo.DNG.thumb.jpg"));
  Plugins plugins;
  ExpectReferencePixels(Decode(raw), ReadPnm(dir / "preview.ppm"));
}

TEST(BundledPlugins, RawWithASmallPreviewIsDemosaicedInstead) {
  TempDir dir;
  DngFile dng;
  dng.width = 200;
  dng.height = 136;
  dng.preview_jpeg = ReadAll(std::string(LUMETTA_FIXTURES) + "/camera/Canon_40D.jpg");
  dng.preview_width = 100;
  dng.preview_height = 68;
  const std::string raw = dir.Write("photo.nef.dng", dng.Bytes());
  Plugins plugins;
  const TSPIDibImage image = Decode(raw);
  EXPECT_EQ(image.Width(), 100) << "half of 200";
  EXPECT_EQ(image.Height(), 68);
  ASSERT_TRUE(RunTool("cd " + ShellQuoted(dir.Path()) + " && dcraw_emu -h -w -t 0 photo.nef.dng"));
  ExpectReferencePixels(image, ReadPnm(dir / "photo.nef.dng.ppm"));
}

TEST(BundledPlugins, AllFiveAreLoadedWithTheirFormats) {
  Plugins plugins;
  std::vector<std::string> names;
  for (int i = 0; i < plugins.spis.Count(); ++i) names.push_back(FileNameOf(plugins.spis.Plugin(i).PluginPath()));
  EXPECT_EQ(names, (std::vector<std::string>{"ifheif.spi", "ifpng.spi", "ifraw.spi", "iftiff.spi", "ifwebp.spi"}));
  const PluginFormats formats = PluginFormatsOf(plugins.spis);
  for (const char* ext : {".png", ".webp", ".heic", ".avif", ".tif", ".tiff", ".dng", ".cr3", ".nef"}) {
    EXPECT_NE(std::find(formats.Extensions.begin(), formats.Extensions.end(), ext), formats.Extensions.end()) << ext;
  }
  EXPECT_TRUE(formats.TiffByPlugin);
  EXPECT_FALSE(formats.JpegByPlugin);
  EXPECT_FALSE(formats.BmpByPlugin);
}

TEST(BundledPlugins, ABmpFileHoldingAPngIsDecodedByThePngPlugin) {
  TempDir dir;
  const std::string path = dir.Write("a.bmp", ReadAll(kFixtures + "rgb.png"));
  ASSERT_TRUE(RunTool(Fill(kPngToPnm, kFixtures + "rgb.png", dir / "reference.pnm")));
  TSPIDibImage decoded;
  EXPECT_THROW(DecodePhoto(path, decoded, {}), EDecodeError) << "the BMP reader alone cannot";
  Plugins plugins;
  DecodePhoto(path, decoded, PluginFormatsOf(plugins.spis).Choice());
  ExpectReferencePixels(decoded, ReadPnm(dir / "reference.pnm"));
}

TEST(BundledPlugins, APictureBehindAMacBinaryHeaderIsFoundAtOffset128) {
  TempDir dir;
  std::string macbinary(128, '\0');
  macbinary[1] = 7;
  macbinary.replace(2, 7, "rgb.png");
  macbinary.replace(65, 8, "PNGfogle");
  const std::string path = dir.Write("wrapped.png", macbinary + ReadAll(kFixtures + "rgb.png"));
  ASSERT_TRUE(RunTool(Fill(kPngToPnm, kFixtures + "rgb.png", dir / "reference.pnm")));
  Plugins plugins;
  ExpectReferencePixels(Decode(path), ReadPnm(dir / "reference.pnm"));
  plugins.spis.MacBinary = false;
  EXPECT_THROW(Decode(path), EDibError);
}

TEST(BundledPlugins, FilesThatAreNoPluginAreSkipped) {
  TempDir dir;
  dir.Write("notes.spi", "not a library");
  std::filesystem::copy_file(std::string(LUMETTA_PLUGIN_DIR) + "/ifpng.spi", dir / "IFPNG.SPI");
  dir.Write("ifpng.spi.txt", "");
  TSPIs spis(platform::NativePluginLibrary());
  spis.SearchPlugins("*.spi", {dir.Path()});
  ASSERT_EQ(spis.Count(), 1);
  EXPECT_EQ(spis.Plugin(0).PluginPath(), dir / "IFPNG.SPI");
  EXPECT_EQ(spis.IndexOfPath(dir / "ifpng.spi"), 0);
}

// The test plug-in that hands over damaged blocks.
struct DamagedPlugin {
  DamagedPlugin() { spis.SearchPlugins("*.spi", {LUMETTA_TEST_PLUGIN_DIR}); }
  TSPIs spis{platform::NativePluginLibrary()};
};

class DamagedBlocksTest : public ::testing::TestWithParam<std::string> {};

TEST_P(DamagedBlocksTest, GiveTheReadErrorAndKeepThePicture) {
  TempDir dir;
  DamagedPlugin plugin;
  ASSERT_EQ(plugin.spis.Count(), 1);
  TSPIDibImage decoded;
  DecodePhoto(dir.Write("good.dmg", "DAMAGED:good"), decoded, {});
  ASSERT_EQ(decoded.Width(), 2);
  EXPECT_EQ(RgbOf(decoded, 0, 0), (std::array<std::uint8_t, 3>{255, 0, 0}));
  EXPECT_EQ(RgbOf(decoded, 1, 1), (std::array<std::uint8_t, 3>{0, 0, 255}));

  EXPECT_THROW(DecodePhoto(dir.Write("bad.dmg", "DAMAGED:" + GetParam()), decoded, {}), EDecodeError);
  EXPECT_EQ(decoded.Width(), 2);
  EXPECT_EQ(RgbOf(decoded, 0, 0), (std::array<std::uint8_t, 3>{255, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(BundledPlugins, DamagedBlocksTest,
                         ::testing::Values("short_header", "huge_dimensions", "table_past_block", "rows_past_block",
                                           "bad_bit_count", "negative_width", "one_block_twice", "no_pixels",
                                           "failure_with_blocks"));

}  // namespace
}  // namespace lumetta
