// The BMP codec: reading every pixel format, writing, RLE decompression and
// conversion to 24 bits, and the failures of damaged files.
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
#include "core/imaging/bit_masks.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/rle_decode.h"

namespace lumetta {
namespace {

using testing_support::BmpFile;
using testing_support::DistinctColours;
using testing_support::FileRows;
using testing_support::PixelOf;
using testing_support::Rgb;
using Bytes = std::vector<std::uint8_t>;
using Grid = std::vector<std::vector<std::uint32_t>>;  // Pixels values, top row first

TDibImage Load(const Bytes& bytes) {
  TDibImage image;
  image.LoadFromMemory(bytes.data(), bytes.size());
  return image;
}

Grid PixelsOf(const TDibImage& image) {
  Grid grid(static_cast<std::size_t>(image.Height()));
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) grid[y].push_back(image.Pixels(x, y));
  }
  return grid;
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

Bytes Saved(const TDibImage& image) {
  std::ostringstream out(std::ios::binary);
  image.SaveToStream(out);
  const std::string s = out.str();
  return Bytes(s.begin(), s.end());
}

std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

const std::filesystem::path kBmpFixtures = std::filesystem::path(LUMETTA_FIXTURES) / "bmp";

// Colours of the hand-made fixtures.
const std::vector<Rgb> kTable16 = DistinctColours(16);
const std::vector<Rgb> kTable256 = DistinctColours(256);
std::uint32_t Entry(const std::vector<Rgb>& table, int i) { return PixelOf(table[static_cast<std::size_t>(i)]); }
std::uint8_t Lo(std::uint16_t v) { return static_cast<std::uint8_t>(v); }
std::uint8_t Hi(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
std::uint16_t P555(int r, int g, int b) { return static_cast<std::uint16_t>(r << 10 | g << 5 | b); }
std::uint16_t P565(int r, int g, int b) { return static_cast<std::uint16_t>(r << 11 | g << 5 | b); }
std::uint32_t Px(int r, int g, int b) { return PixelOf(Rgb{Lo(r), Lo(g), Lo(b)}); }

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

TEST(BitMasks, ShiftEachMaskIntoTheTopHalfOfAByte) {
  struct Row {
    std::uint32_t mask;
    int shift;
    std::uint32_t maximum;
  };
  for (const Row& r : {Row{0x7C00, 7, 248}, Row{0x03E0, 2, 248}, Row{0x001F, -3, 248}, Row{0xF800, 8, 248},
                       Row{0x07E0, 3, 252}, Row{0xFF0000, 16, 255}, Row{0x0000FF, 0, 255}, Row{0x1, -7, 128},
                       Row{0xFFFFFFFF, 24, 255}, Row{0x80, 0, 128}}) {
    const ChannelMask m = MakeChannelMask(r.mask);
    EXPECT_EQ(m.shift, r.shift) << std::hex << r.mask;
    EXPECT_EQ(m.maximum, r.maximum) << std::hex << r.mask;
  }
}

TEST(BitMasks, FiveBitChannelsScale31To255And16To131) {
  const ChannelMask red = MakeChannelMask(0x7C00);
  EXPECT_EQ(red.Channel(31u << 10), 255);
  EXPECT_EQ(red.Channel(16u << 10), 131);
  EXPECT_EQ(red.Channel(0x03FF), 0);
}

TEST(BmpReading, EightBitsWithoutAColourCountGet256Entries) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 8, .colours = kTable256};
  f.pixels = FileRows({{255}});
  const TDibImage image = Load(f.Bytes());
  EXPECT_EQ(image.Header().biClrUsed, 256u);
  EXPECT_EQ(image.Data().colours[255].rgbRed, kTable256[255].r);
}

TEST(BmpReading, AColourTableOver256EntriesKeepsTheFirst256) {
  BmpFile f{.width = 2, .height = 1, .bit_count = 8, .clr_used = 300, .colours = DistinctColours(300)};
  f.pixels = FileRows({{255, 7}});
  TDibImage image = Load(f.Bytes());
  EXPECT_EQ(image.Header().biClrUsed, 256u);
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.Pixels(0, 0), Entry(kTable256, 255));
  EXPECT_EQ(image.Pixels(1, 0), Entry(kTable256, 7));
}

TEST(BmpReading, ConversionKeepsTheColourTableInTheHeader) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 4, .clr_used = 16, .colours = kTable16};
  f.pixels = FileRows({{0x30}});
  TDibImage image = Load(f.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.BitCount(), 24);
  EXPECT_EQ(image.Header().biClrUsed, 16u);
  EXPECT_EQ(image.Header().biCompression, BI_RGB);
  EXPECT_EQ(image.Header().biSizeImage, 0u);
  EXPECT_EQ(image.Data().colours[3].rgbGreen, kTable16[3].g);
}

TEST(BmpReading, SixteenBitBitfieldsMoveTheColourTableDownPastTheMasks) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 16, .compression = BI_BITFIELDS, .clr_used = 2};
  f.masks = {0x7C00, 0x03E0, 0x001F};
  f.colours = {Rgb{1, 2, 3}, Rgb{4, 5, 6}};
  f.pixels = {0, 0, 0, 0};
  const TDibImage image = Load(f.Bytes());
  EXPECT_EQ(image.Header().biClrUsed, 2u);
  EXPECT_EQ(image.Data().colours[0].rgbRed, 1);
  EXPECT_EQ(image.Data().colours[1].rgbBlue, 6);
}

TEST(BmpReading, ZeroResolutionReadsAs3780AndOthersAreKept) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 24, .pels_per_meter = 0, .pixels = {0, 0, 0, 0}};
  EXPECT_EQ(Load(f.Bytes()).Header().biXPelsPerMeter, 3780);
  EXPECT_EQ(Load(f.Bytes()).Header().biYPelsPerMeter, 3780);
  f.pels_per_meter = 2835;
  EXPECT_EQ(Load(f.Bytes()).Header().biXPelsPerMeter, 2835);
}

TEST(BmpReading, PixelsFollowBfOffBitsPastAGap) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 24, .pixels = {1, 2, 3, 0}, .gap = 10};
  EXPECT_EQ(Load(f.Bytes()).Pixels(0, 0), Px(3, 2, 1));
}

// The file header's size fields are not trusted: the pixel block is always
// the rows the image needs.
TEST(BmpReading, ASmallBfSizeStillReadsEveryRow) {
  BmpFile f{.width = 2, .height = 2, .bit_count = 24, .file_size = 54 + 4};
  f.pixels = FileRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  const TDibImage image = Load(f.Bytes());
  EXPECT_EQ(image.Data().image_size, 16u);
  EXPECT_EQ(image.Pixels(1, 0), Px(6, 5, 4));
  EXPECT_EQ(image.Pixels(1, 1), Px(12, 11, 10));
}

TEST(BmpReading, ALargeBfSizeIsIgnored) {
  BmpFile f{.width = 1, .height = 1, .bit_count = 24, .pixels = {1, 2, 3, 0}, .file_size = 1u << 30};
  EXPECT_EQ(Load(f.Bytes()).Pixels(0, 0), Px(3, 2, 1));
}

TEST(BmpReading, RleDataIsKeptCompressedUntilConversion) {
  BmpFile f{.width = 3, .height = 1, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  f.pixels = {3, 4, 0, 1};
  TDibImage image = Load(f.Bytes());
  EXPECT_EQ(image.PixelFormat(), TDibPixelFormat::dpf8BitRLE);
  EXPECT_EQ(image.Data().image_size, 4u);
  try {
    image.Pixels(0, 0);
    FAIL();
  } catch (const EDibBadDIBType& e) {
    EXPECT_STREQ(e.what(), "TDibImage.GetPixels: Bad DIB Type");
  }
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.Pixels(2, 0), Entry(kTable256, 4));
}

TEST(BmpReading, RleRunsPastTheRightEdgeStopThere) {
  // A 3-pixel row encoded with its padding as a fourth pixel, as ImageMagick
  // writes it, and a literal run of 5 on the row above.
  BmpFile f{.width = 3, .height = 2, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  f.pixels = {2, 1, 2, 2, 0, 0, 0, 5, 7, 8, 9, 10, 11, 0, 0, 1};
  TDibImage image = Load(f.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(image), (Grid{{Entry(kTable256, 7), Entry(kTable256, 8), Entry(kTable256, 9)},
                                  {Entry(kTable256, 1), Entry(kTable256, 1), Entry(kTable256, 2)}}));
}

TEST(BmpReading, Rle4OddWidthTakesTheHighNibbleOfTheLastByte) {
  BmpFile f{.width = 3, .height = 1, .bit_count = 4, .compression = BI_RLE4, .colours = kTable16};
  f.pixels = {4, 0x5A, 0, 1};
  TDibImage image = Load(f.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(image), (Grid{{Entry(kTable16, 5), Entry(kTable16, 10), Entry(kTable16, 5)}}));
}

TEST(BmpReading, TopDownRleStartsAtTheTopRow) {
  BmpFile f{.width = 1, .height = -2, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  f.pixels = {1, 3, 0, 0, 1, 4, 0, 1};
  TDibImage image = Load(f.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(image), (Grid{{Entry(kTable256, 3)}, {Entry(kTable256, 4)}}));
}

// A stream that cannot seek, so that the reader cannot ask how much is left.
class ForwardOnlyBuffer : public std::streambuf {
 public:
  explicit ForwardOnlyBuffer(Bytes bytes) : bytes_(std::move(bytes)) {
    char* p = reinterpret_cast<char*>(bytes_.data());
    setg(p, p, p + bytes_.size());
  }

 private:
  Bytes bytes_;
};

TEST(BmpReading, WorksOnStreamsThatCannotSeek) {
  BmpFile rows{.width = 2, .height = 2, .bit_count = 24};
  rows.pixels = FileRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
  ForwardOnlyBuffer rows_buffer(rows.Bytes());
  std::istream rows_stream(&rows_buffer);
  TDibImage image;
  image.LoadFromStream(rows_stream);
  EXPECT_EQ(image.Pixels(1, 1), Px(12, 11, 10));

  BmpFile rle{.width = 2, .height = 1, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  rle.pixels = {2, 9, 0, 1};
  ForwardOnlyBuffer rle_buffer(rle.Bytes());
  std::istream rle_stream(&rle_buffer);
  image.LoadFromStream(rle_stream);
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(image.Pixels(1, 0), Entry(kTable256, 9));

  rows.pixels.resize(rows.pixels.size() - 1);
  ForwardOnlyBuffer short_buffer(rows.Bytes());
  std::istream short_stream(&short_buffer);
  EXPECT_THROW(image.LoadFromStream(short_stream), EDibInvalidDIBFile);
}

// Every way a load can fail, with the class and message it fails with.
struct FailureCase {
  std::string name;
  std::function<Bytes()> bytes;
  const std::type_info* type;
  std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

Bytes Truncated(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

BmpFile Plain24(std::int32_t width, std::int32_t height) {
  BmpFile f{.width = width, .height = height, .bit_count = 24};
  f.pixels.assign(static_cast<std::size_t>(((width * 3 + 3) / 4) * 4 * (height < 0 ? -height : height)), 0x55);
  return f;
}

std::vector<FailureCase> FailureCases() {
  const auto* file_error = &typeid(EDibInvalidDIBFile);
  const auto* invalid = &typeid(EDibInvalidDIB);
  const auto* para = &typeid(EDibInvalidDIBPara);
  const std::string type_message = "TDibData.LoadFromFile: File type is invalid";
  const std::string truncated = "TDibData.LoadFromStream: File is truncated";
  const std::string off_bits = "TDibData.LoadFromFile: bfOffBits is too small";
  const std::string size = "TDibData.LoadFromStream: Invalid Width or Height";
  const std::string masks = "TDibData.LoadFromStream: Invalid Masks";
  const std::string huge = "TDibData.CreateDIB: Invalid Parameters";
  std::vector<FailureCase> cases = {
      {"png_signature", [] { return Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13, 'I', 'H'}; }, file_error,
       type_message},
      {"empty", [] { return Bytes{}; }, file_error, type_message},
      {"one_byte", [] { return Bytes{'B'}; }, file_error, type_message},
      {"file_header_cut", [] { return Bytes{'B', 'M', 0, 0}; }, file_error, truncated},
      {"info_header_cut", [] { return Truncated(Plain24(1, 1).Bytes(), 30); }, file_error, truncated},
      {"colour_table_cut",
       [] {
         BmpFile f{.width = 1, .height = 1, .bit_count = 8, .colours = kTable256, .pixels = {0, 0, 0, 0}};
         return Truncated(f.Bytes(), 54 + 500);
       },
       file_error, truncated},
      {"last_row_cut", [] { return Truncated(Plain24(3, 3).Bytes(), 54 + 12 * 3 - 1); }, file_error, truncated},
      {"no_pixels", [] { return Truncated(Plain24(3, 3).Bytes(), 54); }, file_error, truncated},
      {"sixteen_bit_rows_cut",
       [] {
         BmpFile f{.width = 2, .height = 2, .bit_count = 16, .pixels = Bytes(7, 0)};
         return f.Bytes();
       },
       file_error, truncated},
      {"pixels_beyond_the_end",
       [] {
         BmpFile f = Plain24(1, 1);
         f.off_bits = 1000;
         return f.Bytes();
       },
       file_error, truncated},
      {"bit_count_7",
       [] {
         BmpFile f = Plain24(1, 1);
         f.bit_count = 7;
         return f.Bytes();
       },
       invalid, "TDibData.LoadFromStream: Invalid BitCout"},
      {"bit_count_0",
       [] {
         BmpFile f = Plain24(1, 1);
         f.bit_count = 0;
         return f.Bytes();
       },
       invalid, "TDibData.LoadFromStream: Invalid BitCout"},
      {"os2_bit_count_16",
       [] {
         BmpFile f{.header_size = 12, .width = 1, .height = 1, .bit_count = 16, .pixels = {0, 0, 0, 0}};
         return f.Bytes();
       },
       invalid, "TDibData.LoadFromStream: Invalid BitCount"},
      {"v5_header",
       [] {
         Bytes b = Plain24(1, 1).Bytes();
         b[14] = 124;
         return b;
       },
       invalid, "TDibData.LoadFromStream: Invalid Bitmap Header Size"},
      {"header_size_0",
       [] {
         Bytes b = Plain24(1, 1).Bytes();
         b[14] = 0;
         return b;
       },
       invalid, "TDibData.LoadFromStream: Invalid Bitmap Header Size"},
      {"offset_inside_header",
       [] {
         BmpFile f = Plain24(1, 1);
         f.off_bits = 50;
         return f.Bytes();
       },
       invalid, off_bits},
      {"offset_inside_colour_table",
       [] {
         BmpFile f{.width = 1, .height = 1, .bit_count = 8, .colours = kTable256, .pixels = {0, 0, 0, 0}};
         f.off_bits = 54 + 1020;
         return f.Bytes();
       },
       invalid, off_bits},
      {"bitfields_without_room_for_masks",
       [] {
         // What ImageMagick 6's BMP3 writer makes of 16-bit pixels.
         BmpFile f{.width = 2, .height = 4, .bit_count = 16, .compression = BI_BITFIELDS, .pixels = Bytes(16, 0x7F)};
         f.off_bits = 54;
         return f.Bytes();
       },
       invalid, off_bits},
      {"oversized_colour_count",
       [] {
         BmpFile f{.width = 1, .height = 1, .bit_count = 8, .clr_used = 0x40000000, .colours = kTable256};
         f.pixels = {0, 0, 0, 0};
         return f.Bytes();
       },
       invalid, off_bits},
      {"os2_offset_inside_colour_table",
       [] {
         BmpFile f{.header_size = 12, .width = 1, .height = 1, .bit_count = 8, .colours = kTable256};
         f.pixels = {0, 0, 0, 0};
         f.off_bits = 26 + 765;
         return f.Bytes();
       },
       invalid, off_bits},
      {"width_0", [] { return Plain24(0, 1).Bytes(); }, invalid, size},
      {"width_negative",
       [] {
         BmpFile f = Plain24(1, 1);
         f.width = -5;
         return f.Bytes();
       },
       invalid, size},
      {"height_0", [] { return Plain24(1, 0).Bytes(); }, invalid, size},
      {"os2_width_0",
       [] {
         BmpFile f{.header_size = 12, .width = 0, .height = 1, .bit_count = 24, .pixels = {0, 0, 0, 0}};
         return f.Bytes();
       },
       invalid, size},
      {"zero_green_mask",
       [] {
         BmpFile f{.width = 1, .height = 1, .bit_count = 16, .compression = BI_BITFIELDS, .pixels = {0, 0, 0, 0}};
         f.masks = {0x7C00, 0, 0x1F};
         return f.Bytes();
       },
       invalid, masks},
      {"sixteen_bit_rle_has_no_masks",
       [] {
         BmpFile f{.width = 1, .height = 1, .bit_count = 16, .compression = BI_RLE8, .pixels = {0, 0, 0, 0}};
         return f.Bytes();
       },
       invalid, masks},
      {"width_times_height_over_2_to_28",
       [] {
         BmpFile f = Plain24(1, 1);
         f.width = 1 << 15;
         f.height = (1 << 13) + 1;
         return f.Bytes();
       },
       para, huge},
      {"largest_width_and_height",
       [] {
         BmpFile f = Plain24(1, 1);
         f.width = 0x7FFFFFFF;
         f.height = static_cast<std::int32_t>(0x80000000u);
         return f.Bytes();
       },
       para, huge},
      {"huge_dimensions_fixture", [] { return ReadFile(kBmpFixtures / "huge_dimensions.bmp"); }, para, huge},
      {"truncated_rows_fixture", [] { return ReadFile(kBmpFixtures / "truncated_rows.bmp"); }, file_error, truncated},
  };
  return cases;
}

class LoadFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LoadFailures, RaiseTheirErrorAndKeepThePreviousImage) {
  const FailureCase& c = GetParam();
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(2, 2);
  image.SetPixels(1, 1, 0x123456);
  const TDibImage before(image);
  const Bytes bytes = c.bytes();
  try {
    image.LoadFromMemory(bytes.data(), bytes.size());
    ADD_FAILURE() << "no exception";
  } catch (const EDibError& e) {
    EXPECT_TRUE(typeid(e) == *c.type) << typeid(e).name() << ": " << e.what();
    EXPECT_EQ(std::string(e.what()), c.message);
  }
  EXPECT_TRUE(image.SharesStoreWith(before));
  EXPECT_EQ(image.Pixels(1, 1), 0x123456u);
}

INSTANTIATE_TEST_SUITE_P(BmpCodec, LoadFailures, ::testing::ValuesIn(FailureCases()),
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

// Stores that load but whose bit count and compression do not go together:
// the conversion names the combination.
struct PixelFormatCase {
  std::string name;
  std::uint16_t bit_count;
  std::uint32_t compression;
  std::string message;
};

void PrintTo(const PixelFormatCase& c, std::ostream* os) { *os << c.name; }

class InvalidCombinations : public ::testing::TestWithParam<PixelFormatCase> {};

TEST_P(InvalidCombinations, LoadButFailToConvert) {
  const PixelFormatCase& c = GetParam();
  BmpFile f{.width = 1, .height = 1, .bit_count = c.bit_count, .compression = c.compression};
  if (c.bit_count <= 8) f.colours = DistinctColours(1 << c.bit_count);
  if (c.compression == BI_BITFIELDS) f.masks = {0xE0, 0x1C, 0x03};
  f.pixels = {0, 1, 0, 0};
  TDibImage image = Load(f.Bytes());
  try {
    image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
    ADD_FAILURE() << "no exception";
  } catch (const EDibInvalidDIB& e) {
    EXPECT_STREQ(e.what(), c.message.c_str());
  }
  EXPECT_EQ(image.BitCount(), c.bit_count);
}

INSTANTIATE_TEST_SUITE_P(
    BmpCodec, InvalidCombinations,
    ::testing::Values(PixelFormatCase{"one_bit_rle8", 1, BI_RLE8, "TDibData.GetPixelFormat: Invalid DIB(1Bit)"},
                      PixelFormatCase{"four_bit_rle8", 4, BI_RLE8, "TDibData.GetPixelFormat: Invalid DIB(4Bit)"},
                      PixelFormatCase{"eight_bit_rle4", 8, BI_RLE4, "TDibData.GetPixelFormat: Invalid DIB(8Bit)"},
                      PixelFormatCase{"eight_bit_bitfields", 8, BI_BITFIELDS,
                                      "TDibData.GetPixelFormat: Invalid DIB(8Bit)"},
                      PixelFormatCase{"24_bit_rle8", 24, BI_RLE8, "TDibData.GetPixelFormat: Invalid DIB(24Bit)"},
                      PixelFormatCase{"24_bit_jpeg", 24, 4, "TDibData.GetPixelFormat: Invalid DIB(24Bit)"}),
    [](const auto& info) { return info.param.name; });

// Damaged RLE data, with the message each decoder gives for it.
struct RleCase {
  std::string name;
  std::uint16_t bit_count;
  Bytes data;  // for a 4 x 2 image
  std::string message;
};

void PrintTo(const RleCase& c, std::ostream* os) { *os << c.name; }

class BadRleData : public ::testing::TestWithParam<RleCase> {};

TEST_P(BadRleData, FailsTheConversionAndKeepsTheStore) {
  const RleCase& c = GetParam();
  BmpFile f{.width = 4, .height = 2, .bit_count = c.bit_count, .compression = c.bit_count == 8 ? BI_RLE8 : BI_RLE4};
  f.colours = DistinctColours(1 << c.bit_count);
  f.pixels = c.data;
  TDibImage image = Load(f.Bytes());
  const TDibPixelFormat format = image.PixelFormat();
  try {
    image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
    ADD_FAILURE() << "no exception";
  } catch (const EDibInvalidDIB& e) {
    EXPECT_STREQ(e.what(), c.message.c_str());
  }
  EXPECT_EQ(image.PixelFormat(), format);
}

INSTANTIATE_TEST_SUITE_P(
    BmpCodec, BadRleData,
    ::testing::Values(
        RleCase{"rle8_row_end_past_last_row", 8, {0, 0, 0, 0, 0, 0, 0, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        RleCase{"rle8_no_end_of_bitmap", 8, {4, 1, 0, 0}, "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        RleCase{"rle8_empty", 8, {}, "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        RleCase{"rle8_odd_byte_at_end", 8, {4}, "Convert8BitRLETo8BitRGB: Bad RLE Data 1"},
        RleCase{"rle8_delta_past_last_row", 8, {0, 2, 0, 3, 0, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        RleCase{"rle8_delta_cut", 8, {0, 2, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 2"},
        RleCase{"rle8_literal_cut", 8, {0, 4, 1, 2, 3}, "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        RleCase{"rle8_literal_below_image", 8, {0, 2, 0, 2, 0, 3, 1, 2, 3, 0, 0, 1},
                "Convert8BitRLETo8BitRGB: Bad RLE Data 3"},
        RleCase{"rle8_run_below_image", 8, {0, 0, 0, 0, 2, 9, 0, 1}, "Convert8BitRLETo8BitRGB: Bad RLE Data 4"},
        RleCase{"rle4_row_end_past_last_row", 4, {0, 0, 0, 0, 0, 0, 0, 1}, "Convert4BitRLETo4BitRGB: Bad RLE Data 5"},
        RleCase{"rle4_no_end_of_bitmap", 4, {4, 0x12}, "Convert4BitRLETo4BitRGB: Bad RLE Data 5"},
        RleCase{"rle4_delta_past_last_row", 4, {0, 2, 1, 3, 0, 1}, "Convert4BitRLETo4BitRGB: Bad RLE Data 6"},
        RleCase{"rle4_literal_cut", 4, {0, 5, 0x12, 0x34}, "Convert4BitRLETo4BitRGB: Bad RLE Data 7"},
        RleCase{"rle4_literal_below_image", 4, {0, 2, 0, 2, 0, 3, 0x12, 0x30, 0, 1},
                "Convert4BitRLETo4BitRGB: Bad RLE Data 7"},
        RleCase{"rle4_run_below_image", 4, {0, 2, 0, 2, 2, 0x11, 0, 1}, "Convert4BitRLETo4BitRGB: Bad RLE Data 8"}),
    [](const auto& info) { return info.param.name; });

TEST(RleDecoding, RefusesStoresOfAnotherKind) {
  auto plain = TDibData::Create(2, 2, 256, 8);
  try {
    Convert8BitRLETo8BitRGB(*plain);
    ADD_FAILURE();
  } catch (const EDibBadDIBType& e) {
    EXPECT_STREQ(e.what(), "Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination");
  }
  plain->header.biCompression = BI_RLE4;  // 8 bits with RLE4
  try {
    Convert4BitRLETo4BitRGB(*plain);
    ADD_FAILURE();
  } catch (const EDibBadDIBType& e) {
    EXPECT_STREQ(e.what(), "Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination");
  }
}

TEST(BmpWriting, WritesTheOrdinaryBottomUpFile) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(2, 3);
  image.SetPixels(0, 0, Px(1, 2, 3));  // top left
  image.SetPixels(1, 2, Px(4, 5, 6));  // bottom right
  const Bytes b = Saved(image);
  ASSERT_EQ(b.size(), 54u + 8 * 3);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(U32At(b, 2), 54u + 24);  // bfSize
  EXPECT_EQ(U32At(b, 10), 54u);      // bfOffBits
  EXPECT_EQ(U32At(b, 14), 40u);
  EXPECT_EQ(U32At(b, 22), 3u);  // positive height
  // The first stored row is the bottom one.
  EXPECT_EQ((Bytes(b.begin() + 54, b.begin() + 62)), (Bytes{0, 0, 0, 6, 5, 4, 0, 0}));
  EXPECT_EQ((Bytes(b.begin() + 70, b.begin() + 78)), (Bytes{3, 2, 1, 0, 0, 0, 0, 0}));
}

TEST(BmpWriting, WritesTopDownStoresTopRowFirst) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(1, -2);
  image.SetPixels(0, 0, Px(1, 2, 3));
  const Bytes b = Saved(image);
  EXPECT_EQ(static_cast<std::int32_t>(U32At(b, 22)), -2);
  EXPECT_EQ((Bytes(b.begin() + 54, b.begin() + 58)), (Bytes{3, 2, 1, 0}));
}

TEST(BmpWriting, CountsTheColourTableInTheOffsets) {
  const TDibImage image;  // 1 x 1, 8 bits, 256 entries
  const Bytes b = Saved(image);
  EXPECT_EQ(U32At(b, 10), 54u + 1024);
  EXPECT_EQ(U32At(b, 2), 54u + 1024 + 4);
  EXPECT_EQ(U32At(b, 46), 256u);
  EXPECT_EQ(b.size(), 54u + 1024 + 4);
}

TEST(BmpWriting, SaveAndLoadKeepHeaderAndPixels) {
  auto store = TDibData::Create(5, 3, 0, 24);
  store->header.biXPelsPerMeter = 0;
  store->header.biYPelsPerMeter = 1234;
  for (std::size_t i = 0; i < store->image_size; ++i) store->bits[i] = static_cast<std::uint8_t>(i * 7);
  TDibImage image;
  image.TakeStore(std::move(store));
  const TDibImage again = Load(Saved(image));
  const TBitmapInfoHeader& a = image.Header();
  const TBitmapInfoHeader& b = again.Header();
  EXPECT_EQ(b.biSize, a.biSize);
  EXPECT_EQ(b.biWidth, a.biWidth);
  EXPECT_EQ(b.biHeight, a.biHeight);
  EXPECT_EQ(b.biPlanes, a.biPlanes);
  EXPECT_EQ(b.biBitCount, a.biBitCount);
  EXPECT_EQ(b.biCompression, a.biCompression);
  EXPECT_EQ(b.biSizeImage, a.biSizeImage);
  EXPECT_EQ(b.biXPelsPerMeter, 3780);
  EXPECT_EQ(b.biYPelsPerMeter, 1234);
  EXPECT_EQ(b.biClrUsed, a.biClrUsed);
  EXPECT_EQ(b.biClrImportant, a.biClrImportant);
  EXPECT_EQ(PixelsOf(again), PixelsOf(image));
}

TEST(BmpWriting, CompressedDataIsWrittenAsHeld) {
  BmpFile f{.width = 3, .height = 1, .bit_count = 8, .compression = BI_RLE8, .colours = kTable256};
  f.pixels = {3, 4, 0, 1};
  const TDibImage image = Load(f.Bytes());
  const Bytes b = Saved(image);
  EXPECT_EQ((Bytes(b.end() - 4, b.end())), f.pixels);
  EXPECT_EQ(Load(b).PixelFormat(), TDibPixelFormat::dpf8BitRLE);
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
                                           ForeignCase{"os2_24bit", false}),
                         [](const auto& info) { return "im_" + info.param.name; });

}  // namespace
}  // namespace lumetta
