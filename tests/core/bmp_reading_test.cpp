// The BMP reader: colour tables, resolution, the header's size fields, RLE
// stores, streams that cannot seek, and every way a damaged file fails.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
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

// A 2 x 1 32-bit file with a 124-byte header holding its masks, blue in
// the top byte: pixels (red 0x10, green 0x20, blue 0x30) and white.
BmpFile V5Bitfields32() {
  BmpFile f{.header_size = 124, .width = 2, .height = 1, .bit_count = 32, .compression = BI_BITFIELDS};
  f.header_masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
  f.pixels = {0x00, 0x10, 0x20, 0x30, 0x00, 0xFF, 0xFF, 0xFF};
  return f;
}

// Longer info headers: the first 40 bytes read as the 40-byte header, the
// masks of BI_BITFIELDS taken from the header, the colour table after the
// whole header.
struct LongHeaderCase {
  std::string name;
  BmpFile file;
  Grid pixels;
};

void PrintTo(const LongHeaderCase& c, std::ostream* os) { *os << c.name; }

class LongInfoHeaders : public ::testing::TestWithParam<LongHeaderCase> {};

TEST_P(LongInfoHeaders, ReadTheFortyBytePartAndTheMasksTheyHold) {
  const LongHeaderCase& c = GetParam();
  TDibImage image = Load(c.file.Bytes());
  image.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  EXPECT_EQ(PixelsOf(image), c.pixels);
  // The program keeps and writes the plain 40-byte form.
  EXPECT_EQ(image.Header().biSize, 40u);
  const Bytes saved = Saved(image);
  EXPECT_EQ(U32At(saved, 14), 40u);
  EXPECT_EQ(PixelsOf(Load(saved)), c.pixels);
}

std::vector<LongHeaderCase> LongHeaderCases() {
  const Rgb dark{0x10, 0x20, 0x30};
  std::vector<LongHeaderCase> cases;
  for (std::uint32_t size : {108u, 124u}) {
    // 24 bits: the pixels right after the header.
    BmpFile f{.header_size = size, .width = 2, .height = 2, .bit_count = 24};
    f.header_masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    f.pixels = FileRows({{0x30, 0x20, 0x10, 0xFF, 0xFF, 0xFF}, {0, 0, 0, 0x01, 0x02, 0x03}});
    cases.push_back({"v" + std::string(size == 108 ? "4" : "5") + "_24bit", f,
                     Grid{{PixelOf(dark), 0xFFFFFF}, {0, PixelOf(Rgb{3, 2, 1})}}});
  }
  for (std::uint32_t size : {52u, 56u, 108u, 124u}) {
    // 16 bits 5-6-5 with the masks in the header, and a two-entry colour
    // table after it that is kept, not taken for masks.
    BmpFile f{.header_size = size, .width = 2, .height = 1, .bit_count = 16, .compression = BI_BITFIELDS,
              .clr_used = 2};
    f.header_masks = {0xF800, 0x07E0, 0x001F};
    f.colours = {Rgb{1, 2, 3}, Rgb{4, 5, 6}};
    f.pixels = {0x1F, 0x00, 0x00, 0xF8};  // blue 31, red 31
    cases.push_back({"bitfields_565_header_" + std::to_string(size), f, Grid{{PixelOf(Rgb{0, 0, 255}), 0x0000FF}}});
  }
  // 32 bits with masks that no plain layout has.
  cases.push_back({"v5_32bit_odd_masks", V5Bitfields32(), Grid{{PixelOf(Rgb{0x10, 0x20, 0x30}), 0xFFFFFF}}});
  {
    // 8 bits: the colour table follows the 124-byte header.
    BmpFile f{.header_size = 124, .width = 2, .height = 1, .bit_count = 8, .clr_used = 2};
    f.colours = {Rgb{9, 8, 7}, Rgb{1, 2, 3}};
    f.pixels = {1, 0, 0, 0};
    cases.push_back({"v5_8bit_palette", f, Grid{{PixelOf(Rgb{1, 2, 3}), PixelOf(Rgb{9, 8, 7})}}});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(BmpCodec, LongInfoHeaders, ::testing::ValuesIn(LongHeaderCases()),
                         [](const auto& info) { return info.param.name; });

TEST(BmpReading, AColourTableAfterALongHeaderKeepsItsEntries) {
  BmpFile f{.header_size = 56, .width = 1, .height = 1, .bit_count = 16, .compression = BI_BITFIELDS, .clr_used = 2};
  f.header_masks = {0x7C00, 0x03E0, 0x001F, 0};
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
      {"header_size_64",
       [] {
         Bytes b = Plain24(1, 1).Bytes();
         b[14] = 64;
         return b;
       },
       invalid, "TDibData.LoadFromStream: Invalid Bitmap Header Size"},
      {"v5_header_cut", [] { return Truncated(V5Bitfields32().Bytes(), 14 + 100); }, file_error, truncated},
      {"offset_inside_v5_header",
       [] {
         BmpFile f = V5Bitfields32();
         f.off_bits = 14 + 100;
         return f.Bytes();
       },
       invalid, off_bits},
      {"v5_bitfields_zero_mask",
       [] {
         BmpFile f = V5Bitfields32();
         f.header_masks = {0xFF0000, 0, 0xFF};
         return f.Bytes();
       },
       invalid, "TDibData.LoadFromStream: Invalid Masks"},
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


}  // namespace
}  // namespace lumetta
