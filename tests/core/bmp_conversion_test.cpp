// Converting loaded BMP stores to 24 bits: combinations of bit count and
// compression that cannot be converted, and damaged RLE data.
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

}  // namespace
}  // namespace lumetta
