// The BMP reader on every pixel format: the loaded store, the file row
// order kept for saving, a save and load, and files written by ImageMagick.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/support/bmp_bytes.h"
#include "core/support/bmp_test_data.h"
#include "core/imaging/bit_masks.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/rle_decode.h"

namespace lumetta {
namespace {

using namespace testing_support;  // the BMP tests' shared data and helpers

struct FormatCase {
  std::string name;
  std::function<BmpFile()> file;
  TDibPixelFormat loaded_format;
  Grid pixels;  // after conversion to 24 bits
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

std::vector<FormatCase> FormatCases() {
  const Rgb dark{0x11, 0x22, 0x33};
  const Rgb light{0xAA, 0xBB, 0xCC};
  std::vector<FormatCase> cases;
  cases.push_back({"1bit",
                   [=] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 1, .clr_used = 2, .colours = {dark, light}};
                     f.pixels = FileRows({{0b1010'0000}, {0b0110'0000}});
                     return f;
                   },
                   TDibPixelFormat::dpf1Bit,
                   {{PixelOf(light), PixelOf(dark), PixelOf(light)}, {PixelOf(dark), PixelOf(light), PixelOf(light)}}});
  cases.push_back({"4bit",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 4, .colours = kTable16};
                     f.pixels = FileRows({{0x12, 0xF0}, {0x0E, 0x70}});
                     return f;
                   },
                   TDibPixelFormat::dpf4Bit,
                   {{Entry(kTable16, 1), Entry(kTable16, 2), Entry(kTable16, 15)},
                    {Entry(kTable16, 0), Entry(kTable16, 14), Entry(kTable16, 7)}}});
  cases.push_back({"8bit",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 8, .colours = kTable256};
                     f.pixels = FileRows({{1, 128, 255}, {0, 3, 200}});
                     return f;
                   },
                   TDibPixelFormat::dpf8Bit,
                   {{Entry(kTable256, 1), Entry(kTable256, 128), Entry(kTable256, 255)},
                    {Entry(kTable256, 0), Entry(kTable256, 3), Entry(kTable256, 200)}}});
  cases.push_back({"8bit_top_down",
                   [] {
                     BmpFile f{.width = 3, .height = -2, .bit_count = 8, .colours = kTable256};
                     f.pixels = FileRows({{1, 128, 255}, {0, 3, 200}}, true);
                     return f;
                   },
                   TDibPixelFormat::dpf8Bit,
                   {{Entry(kTable256, 1), Entry(kTable256, 128), Entry(kTable256, 255)},
                    {Entry(kTable256, 0), Entry(kTable256, 3), Entry(kTable256, 200)}}});
  cases.push_back({"rle4",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 4, .compression = BI_RLE4, .colours = kTable16};
                     // Bottom row: a run alternating 0 and E; top row: a literal run.
                     f.pixels = {3, 0x0E, 0, 0, 0, 3, 0x12, 0xF0, 0, 0, 0, 1};
                     return f;
                   },
                   TDibPixelFormat::dpf4BitRLE,
                   {{Entry(kTable16, 1), Entry(kTable16, 2), Entry(kTable16, 15)},
                    {Entry(kTable16, 0), Entry(kTable16, 14), Entry(kTable16, 0)}}});
  cases.push_back({"rle8",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
                     f.pixels = {2, 5, 1, 9, 0, 0, 0, 3, 1, 128, 255, 0, 0, 0, 0, 1};
                     return f;
                   },
                   TDibPixelFormat::dpf8BitRLE,
                   {{Entry(kTable256, 1), Entry(kTable256, 128), Entry(kTable256, 255)},
                    {Entry(kTable256, 5), Entry(kTable256, 5), Entry(kTable256, 9)}}});
  cases.push_back({"rle8_delta",
                   [] {
                     BmpFile f{.width = 4, .height = 3, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
                     // One pixel at the bottom left, then a move two right and
                     // two up, one pixel there, end of bitmap.
                     f.pixels = {1, 7, 0, 2, 2, 2, 1, 9, 0, 1};
                     return f;
                   },
                   TDibPixelFormat::dpf8BitRLE,
                   {{Entry(kTable256, 0), Entry(kTable256, 0), Entry(kTable256, 0), Entry(kTable256, 9)},
                    {Entry(kTable256, 0), Entry(kTable256, 0), Entry(kTable256, 0), Entry(kTable256, 0)},
                    {Entry(kTable256, 7), Entry(kTable256, 0), Entry(kTable256, 0), Entry(kTable256, 0)}}});
  cases.push_back({"16bit_555",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 16};
                     const std::uint16_t t[] = {P555(31, 0, 0), P555(16, 16, 16), P555(0, 0, 31)};
                     const std::uint16_t b[] = {P555(1, 2, 3), P555(0, 31, 0), P555(31, 31, 31)};
                     f.pixels = FileRows({{Lo(t[0]), Hi(t[0]), Lo(t[1]), Hi(t[1]), Lo(t[2]), Hi(t[2])},
                                          {Lo(b[0]), Hi(b[0]), Lo(b[1]), Hi(b[1]), Lo(b[2]), Hi(b[2])}});
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   // A 5-bit channel v becomes v * 255 div 31: 31 -> 255, 16 -> 131.
                   {{Px(255, 0, 0), Px(131, 131, 131), Px(0, 0, 255)}, {Px(8, 16, 24), Px(0, 255, 0), Px(255, 255, 255)}}});
  cases.push_back({"16bit_565_bitfields",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 16, .compression = BI_BITFIELDS};
                     f.masks = {0xF800, 0x07E0, 0x001F};
                     const std::uint16_t t[] = {P565(31, 63, 31), P565(16, 32, 16), P565(0, 1, 0)};
                     const std::uint16_t b[] = {P565(1, 0, 0), P565(0, 62, 0), P565(0, 0, 2)};
                     f.pixels = FileRows({{Lo(t[0]), Hi(t[0]), Lo(t[1]), Hi(t[1]), Lo(t[2]), Hi(t[2])},
                                          {Lo(b[0]), Hi(b[0]), Lo(b[1]), Hi(b[1]), Lo(b[2]), Hi(b[2])}});
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   // Green 6-bit: (v << 2) * 255 div 252, so 32 -> 129, 1 -> 4, 62 -> 250.
                   {{Px(255, 255, 255), Px(131, 129, 131), Px(0, 4, 0)}, {Px(8, 0, 0), Px(0, 250, 0), Px(0, 0, 16)}}});
  cases.push_back({"24bit",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 24};
                     f.pixels = FileRows({{0x10, 0x20, 0x30, 1, 2, 3, 0xFF, 0xFE, 0xFD}, {4, 5, 6, 7, 8, 9, 0, 0, 0}});
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x30, 0x20, 0x10), Px(3, 2, 1), Px(0xFD, 0xFE, 0xFF)}, {Px(6, 5, 4), Px(9, 8, 7), Px(0, 0, 0)}}});
  cases.push_back({"24bit_top_down",
                   [] {
                     BmpFile f{.width = 3, .height = -2, .bit_count = 24};
                     f.pixels =
                         FileRows({{0x10, 0x20, 0x30, 1, 2, 3, 0xFF, 0xFE, 0xFD}, {4, 5, 6, 7, 8, 9, 0, 0, 0}}, true);
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x30, 0x20, 0x10), Px(3, 2, 1), Px(0xFD, 0xFE, 0xFF)}, {Px(6, 5, 4), Px(9, 8, 7), Px(0, 0, 0)}}});
  cases.push_back({"32bit",
                   [] {
                     BmpFile f{.width = 3, .height = 2, .bit_count = 32};
                     f.pixels = FileRows({{0x10, 0x20, 0x30, 0x99, 1, 2, 3, 0, 0xFF, 0xFE, 0xFD, 0xFF},
                                          {4, 5, 6, 0, 7, 8, 9, 0, 0, 0, 0, 0}});
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x30, 0x20, 0x10), Px(3, 2, 1), Px(0xFD, 0xFE, 0xFF)}, {Px(6, 5, 4), Px(9, 8, 7), Px(0, 0, 0)}}});
  cases.push_back({"32bit_bitfields_standard_masks",
                   [] {
                     BmpFile f{.width = 1, .height = 1, .bit_count = 32, .compression = BI_BITFIELDS};
                     f.masks = {0xFF0000, 0x00FF00, 0x0000FF};
                     f.pixels = {0x10, 0x20, 0x30, 0};
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x30, 0x20, 0x10)}}});
  cases.push_back({"32bit_bitfields_red_in_low_byte",
                   [] {
                     BmpFile f{.width = 2, .height = 1, .bit_count = 32, .compression = BI_BITFIELDS};
                     f.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
                     f.pixels = {0x10, 0x20, 0x30, 0, 0xFF, 0, 0, 0};
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x10, 0x20, 0x30), Px(0xFF, 0, 0)}}});
  cases.push_back({"os2_1bit",
                   [=] {
                     BmpFile f{.header_size = 12, .width = 3, .height = 2, .bit_count = 1, .colours = {dark, light}};
                     f.pixels = FileRows({{0b1010'0000}, {0b0110'0000}});
                     return f;
                   },
                   TDibPixelFormat::dpf1Bit,
                   {{PixelOf(light), PixelOf(dark), PixelOf(light)}, {PixelOf(dark), PixelOf(light), PixelOf(light)}}});
  cases.push_back({"os2_8bit",
                   [] {
                     BmpFile f{.header_size = 12, .width = 3, .height = 2, .bit_count = 8, .colours = kTable256};
                     f.pixels = FileRows({{1, 128, 255}, {0, 3, 200}});
                     return f;
                   },
                   TDibPixelFormat::dpf8Bit,
                   {{Entry(kTable256, 1), Entry(kTable256, 128), Entry(kTable256, 255)},
                    {Entry(kTable256, 0), Entry(kTable256, 3), Entry(kTable256, 200)}}});
  cases.push_back({"os2_24bit",
                   [] {
                     BmpFile f{.header_size = 12, .width = 3, .height = 2, .bit_count = 24};
                     f.pixels = FileRows({{0x10, 0x20, 0x30, 1, 2, 3, 0xFF, 0xFE, 0xFD}, {4, 5, 6, 7, 8, 9, 0, 0, 0}});
                     return f;
                   },
                   TDibPixelFormat::dpf24Bit,
                   {{Px(0x30, 0x20, 0x10), Px(3, 2, 1), Px(0xFD, 0xFE, 0xFF)}, {Px(6, 5, 4), Px(9, 8, 7), Px(0, 0, 0)}}});
  return cases;
}

class PixelFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(PixelFormats, LoadInTheirFormatAndConvertToTheKnownColours) {
  const FormatCase& c = GetParam();
  TDibImage image = Load(c.file().Bytes());
  EXPECT_EQ(image.PixelFormat(), c.loaded_format);
  EXPECT_EQ(image.Width(), static_cast<std::int32_t>(c.pixels[0].size()));
  EXPECT_EQ(image.Height(), static_cast<std::int32_t>(c.pixels.size()));
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.PixelFormat(), TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(image), c.pixels);
}

TEST_P(PixelFormats, KeepTheFileRowOrderForSaving) {
  const FormatCase& c = GetParam();
  const BmpFile file = c.file();
  TDibImage image = Load(file.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.Header().biHeight, file.height);
  EXPECT_EQ(image.TopDown(), file.height < 0);
}

TEST_P(PixelFormats, SurviveASaveAndLoad) {
  const FormatCase& c = GetParam();
  TDibImage image = Load(c.file().Bytes());
  TDibImage again = Load(Saved(image));
  EXPECT_EQ(again.PixelFormat(), c.loaded_format);
  again.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(again), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(BmpCodec, PixelFormats, ::testing::ValuesIn(FormatCases()),
                         [](const auto& info) { return info.param.name; });

TEST(BmpReading, EveryTruncationOfAFileFailsCleanly) {
  std::vector<Bytes> files = {Plain24(3, 2).Bytes()};
  for (const FormatCase& c : FormatCases()) {
    if (c.name == "8bit" || c.name == "16bit_555" || c.name == "os2_8bit") files.push_back(c.file().Bytes());
  }
  for (const Bytes& whole : files) {
    for (std::size_t size = 0; size < whole.size(); ++size) {
      TDibImage image;
      const Bytes part(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
      EXPECT_THROW(image.LoadFromMemory(part.data(), part.size()), EDibError) << size;
      EXPECT_EQ(image.Width(), 1);
    }
  }
}

// Files written by ImageMagick 6 and the pixels it decodes from them.
struct ForeignCase {
  std::string name;
  // ImageMagick rounds when it widens a 5- or 6-bit channel to 8 bits; the
  // program truncates (v * 255 div maximum), so its values are ImageMagick's
  // or one less.
  bool rounded_channels;
};

void PrintTo(const ForeignCase& c, std::ostream* os) { *os << c.name; }

class ImageMagickFiles : public ::testing::TestWithParam<ForeignCase> {};

TEST_P(ImageMagickFiles, DecodeToTheSamePixels) {
  const ForeignCase& c = GetParam();
  const auto folder = kBmpFixtures / "imagemagick";
  TDibImage image;
  image.LoadFromFile((folder / (c.name + ".bmp")).string());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  const Bytes expected = ReadFile(folder / (c.name + ".rgb"));
  ASSERT_EQ(image.Width(), 13);
  ASSERT_EQ(image.Height(), 7);
  ASSERT_EQ(expected.size(), 13u * 7 * 3);
  for (std::int32_t y = 0; y < 7; ++y) {
    for (std::int32_t x = 0; x < 13; ++x) {
      const std::uint32_t p = image.Pixels(x, y);
      const std::size_t at = static_cast<std::size_t>((y * 13 + x) * 3);
      const int got[3] = {static_cast<int>(p & 0xFF), static_cast<int>(p >> 8 & 0xFF), static_cast<int>(p >> 16)};
      for (int k = 0; k < 3; ++k) {
        const int want = expected[at + static_cast<std::size_t>(k)];
        if (c.rounded_channels) {
          EXPECT_TRUE(got[k] == want || got[k] == want - 1) << x << "," << y << " channel " << k;
        } else {
          EXPECT_EQ(got[k], want) << x << "," << y << " channel " << k;
        }
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(BmpCodec, ImageMagickFiles,
                         ::testing::Values(ForeignCase{"1bit", false}, ForeignCase{"4bit", false},
                                           ForeignCase{"8bit", false}, ForeignCase{"8bit_rle", false},
                                           ForeignCase{"16bit_555", true}, ForeignCase{"16bit_555_bitfields", true},
                                           ForeignCase{"16bit_565_bitfields", true}, ForeignCase{"24bit", false},
                                           ForeignCase{"32bit", false}, ForeignCase{"os2_8bit", false},
                                           ForeignCase{"os2_24bit", false}, ForeignCase{"v4_24bit", false},
                                           ForeignCase{"v5_24bit", false},
                                           ForeignCase{"v5_16bit_565_bitfields", true},
                                           ForeignCase{"v5_32bit_bitfields", false}),
                         [](const auto& info) { return "im_" + info.param.name; });

}  // namespace
}  // namespace lumetta
