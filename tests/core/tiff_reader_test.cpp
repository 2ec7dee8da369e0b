#include "core/imaging/tiff_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ByteWriter;
using testing_support::TempDir;

// The pixel a test TIFF holds at (x, y) of its file rows.
std::uint32_t FilePixel(std::uint32_t x, std::uint32_t y) {
  const std::uint32_t red = (x * 10 + y) & 0xFF, green = (100 + y) & 0xFF, blue = (200 + x) & 0xFF;
  return red | green << 8 | blue << 16;
}

struct TiffLayout {
  bool little = true;
  std::uint32_t width = 4;
  std::uint32_t height = 4;
  std::uint32_t strips = 1;
  std::uint32_t rows_per_strip = 0;  // 0: height / strips, rounded up
  std::uint16_t offset_type = 4;
  std::uint16_t size_type = 4;
  std::uint16_t compression = 1;
  bool rows_per_strip_tag = true;  // write RowsPerStrip
  bool directory_last = false;     // the directory after the pixels, as libtiff and ImageMagick put it
  std::uint32_t byte_count_cut = 0;  // StripByteCounts gives each strip this many bytes fewer
};

// An uncompressed RGB TIFF as a camera or an editor writes it: IFD0 with the
// usual tags, the offsets and byte-count arrays (when they do not fit their
// entries), then the strips, each holding rows_per_strip file rows (the last
// one fewer); or, with directory_last, the arrays and strips first and the
// directory at the end.
std::string BuildTiff(const TiffLayout& s) {
  const std::uint32_t rps = s.rows_per_strip != 0 ? s.rows_per_strip : (s.height + s.strips - 1) / s.strips;
  const std::uint32_t entries = s.rows_per_strip_tag ? 9 : 8;
  const std::uint32_t directory_size = 2 + 12 * entries + 4;
  const bool inline_offsets = s.offset_type == 3 ? s.strips <= 2 : s.strips == 1;
  const std::uint32_t element = s.offset_type == 3 ? 2 : 4;
  const std::uint32_t offsets_size = inline_offsets ? 0 : element * s.strips;
  const std::uint32_t counts_size = s.strips == 1 ? 0 : 4 * s.strips;
  const std::uint32_t directory = s.directory_last ? 0 : 8;  // set below when last
  const std::uint32_t offsets_array = s.directory_last ? 8 : 8 + directory_size;
  const std::uint32_t counts_array = offsets_array + offsets_size;
  const std::uint32_t data = counts_array + counts_size;
  const std::uint32_t row_bytes = s.width * 3;
  std::vector<std::uint32_t> offsets;
  std::vector<std::uint32_t> counts;
  for (std::uint32_t k = 0; k < s.strips; ++k) {
    offsets.push_back(data + k * rps * row_bytes);
    const std::uint32_t first = k * rps;
    const std::uint32_t rows = first < s.height ? std::min(rps, s.height - first) : 0;
    counts.push_back(rows * row_bytes - std::min(s.byte_count_cut, rows * row_bytes));
  }
  const std::uint32_t directory_at = s.directory_last ? data + s.height * row_bytes : directory;

  ByteWriter w(s.little);
  auto write_directory = [&] {
    w.U16(entries);
    auto size_entry = [&](std::uint16_t tag, std::uint32_t value) {
      if (s.size_type == 3) {
        w.ShortEntry(tag, 1, static_cast<std::uint16_t>(value));
      } else {
        w.Entry(tag, 4, 1, value);
      }
    };
    size_entry(256, s.width);
    size_entry(257, s.height);
    w.ShortEntry(258, 1, 8);
    w.ShortEntry(259, 1, s.compression);
    w.ShortEntry(262, 1, 2);
    if (inline_offsets && s.offset_type == 3) {
      w.ShortEntry(273, s.strips, static_cast<std::uint16_t>(offsets[0]),
                   static_cast<std::uint16_t>(s.strips == 2 ? offsets[1] : 0));
    } else {
      w.Entry(273, s.offset_type, s.strips, inline_offsets ? offsets[0] : offsets_array);
    }
    w.ShortEntry(277, 1, 3);
    if (s.rows_per_strip_tag) w.Entry(278, 4, 1, rps);
    w.Entry(279, 4, s.strips, s.strips == 1 ? counts[0] : counts_array);
    w.U32(0);
  };
  w.Text(s.little ? "II" : "MM");
  w.U16(42);
  w.U32(directory_at);
  if (!s.directory_last) write_directory();
  if (!inline_offsets) {
    for (std::uint32_t offset : offsets) element == 2 ? w.U16(offset) : w.U32(offset);
  }
  if (s.strips != 1) {
    for (std::uint32_t count : counts) w.U32(count);
  }
  for (std::uint32_t y = 0; y < s.height; ++y) {
    for (std::uint32_t x = 0; x < s.width; ++x) {
      const std::uint32_t p = FilePixel(x, y);
      w.Byte(p);
      w.Byte(p >> 8);
      w.Byte(p >> 16);
    }
  }
  if (s.directory_last) write_directory();
  return w.bytes;
}

std::uint32_t PixelAt(const TDibData& store, std::int32_t x, std::int32_t y) {
  const std::uint8_t* p = store.bits.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(store.Stride()) +
                          static_cast<std::size_t>(x) * 3;
  return std::uint32_t{p[2]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[0]} << 16;
}

std::unique_ptr<TDibData> Read(const std::string& bytes) {
  TempDir dir;
  auto from_file = ReadTiffFile(dir.Write("photo.tif", bytes));
  auto from_memory = ReadTiffMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  EXPECT_TRUE(std::equal(from_file->bits.get(), from_file->bits.get() + from_file->image_size,
                         from_memory->bits.get()));
  return from_file;
}

struct LayoutCase {
  std::string label;
  TiffLayout layout;
};

void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.label; }

class TiffLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(TiffLayoutTest, ReadsEveryPixelAsRedGreenBlue) {
  const TiffLayout& layout = GetParam().layout;
  const auto image = Read(BuildTiff(layout));
  ASSERT_EQ(image->width, static_cast<std::int32_t>(layout.width));
  ASSERT_EQ(image->height, static_cast<std::int32_t>(layout.height));
  EXPECT_EQ(image->header.biBitCount, 24);
  for (std::uint32_t y = 0; y < layout.height; ++y) {
    for (std::uint32_t x = 0; x < layout.width; ++x) {
      ASSERT_EQ(PixelAt(*image, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)), FilePixel(x, y))
          << "at " << x << "," << y;
    }
  }
}

TiffLayout Layout(bool little, std::uint32_t strips, std::uint16_t offset_type, std::uint16_t size_type = 4,
              std::uint32_t width = 5, std::uint32_t height = 6) {
  TiffLayout s;
  s.little = little;
  s.strips = strips;
  s.offset_type = offset_type;
  s.size_type = size_type;
  s.width = width;
  s.height = height;
  return s;
}

TiffLayout Last(TiffLayout s) {
  s.directory_last = true;
  return s;
}

TiffLayout RowsPerStrip(TiffLayout s, std::uint32_t rows) {
  s.rows_per_strip = rows;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, TiffLayoutTest,
    testing::Values(LayoutCase{"II, one LONG strip in the entry", Layout(true, 1, 4)},
                    LayoutCase{"MM, one LONG strip in the entry", Layout(false, 1, 4)},
                    LayoutCase{"II, one SHORT strip in the entry", Layout(true, 1, 3, 3)},
                    LayoutCase{"MM, two SHORT strips in the entry", Layout(false, 2, 3, 3)},
                    LayoutCase{"II, three SHORT strips in an array", Layout(true, 3, 3)},
                    LayoutCase{"MM, LONG strips in an array", Layout(false, 6, 4)},
                    LayoutCase{"II, two LONG strips in an array", Layout(true, 2, 4)},
                    LayoutCase{"MM, width and height as SHORT", Layout(false, 3, 4, 3, 7, 3)},
                    LayoutCase{"odd width, rows padded in memory", Layout(true, 1, 4, 4, 3, 2)},
                    LayoutCase{"II, directory after the pixels", Last(Layout(true, 3, 4))},
                    LayoutCase{"MM, directory after the pixels, SHORT strips", Last(Layout(false, 2, 3, 3))},
                    LayoutCase{"a short last strip", Layout(true, 2, 4, 4, 3, 5)},
                    LayoutCase{"RowsPerStrip 7 in 20 rows", RowsPerStrip(Layout(false, 3, 4, 4, 4, 20), 7)},
                    LayoutCase{"more strips than rows", RowsPerStrip(Layout(true, 3, 4, 4, 2, 2), 1)},
                    LayoutCase{"one strip, RowsPerStrip 2^32 - 1", RowsPerStrip(Layout(true, 1, 4), 0xFFFFFFFF)}));

TEST(TiffReader, WithoutRowsPerStripEachStripHoldsHeightDivStripsRows) {
  // 5 rows in 2 strips of 3 file rows and no RowsPerStrip: each strip gives
  // 5 div 2 = 2 rows, so image rows 0, 1 are file rows 0, 1; rows 2, 3 are
  // file rows 3, 4 (the second strip's start); row 4 stays black.
  TiffLayout s = Layout(true, 2, 4, 4, 3, 5);
  s.rows_per_strip_tag = false;
  const auto image = Read(BuildTiff(s));
  for (std::int32_t x = 0; x < 3; ++x) {
    const auto ux = static_cast<std::uint32_t>(x);
    EXPECT_EQ(PixelAt(*image, x, 0), FilePixel(ux, 0));
    EXPECT_EQ(PixelAt(*image, x, 1), FilePixel(ux, 1));
    EXPECT_EQ(PixelAt(*image, x, 2), FilePixel(ux, 3));
    EXPECT_EQ(PixelAt(*image, x, 3), FilePixel(ux, 4));
    EXPECT_EQ(PixelAt(*image, x, 4), 0u);
  }
}

TEST(TiffReader, WithoutRowsPerStripMoreStripsThanRowsGiveABlackImage) {
  TiffLayout s = RowsPerStrip(Layout(true, 3, 4, 4, 2, 2), 1);
  s.rows_per_strip_tag = false;
  const auto image = Read(BuildTiff(s));
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(PixelAt(*image, 1, 1), 0u);
  EXPECT_EQ(PixelAt(*image, 0, 0), 0u);
}

TEST(TiffReader, NothingIsReadPastAStripsByteCount) {
  // Two strips of 3 and 2 rows of 4 pixels (12 bytes a row); each byte
  // count is 13 bytes short, so the strips end after 23 and 11 bytes: rows 1
  // and 3 keep their first three pixels (9 of 11 bytes are whole pixels),
  // rows 2 and 4 stay black.
  TiffLayout s = Layout(true, 2, 4, 4, 4, 5);
  s.byte_count_cut = 13;
  const auto image = Read(BuildTiff(s));
  for (std::int32_t y = 0; y < 5; ++y) {
    for (std::int32_t x = 0; x < 4; ++x) {
      const bool cut = y == 2 || y == 4 || ((y == 1 || y == 3) && x == 3);
      EXPECT_EQ(PixelAt(*image, x, y), cut ? 0u : FilePixel(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)))
          << x << "," << y;
    }
  }
}

TEST(TiffReader, AByteCountLetsAFileEndAtItsLastStripsData) {
  // The last strip's byte count stops short of the rows it would hold, and
  // the file ends there: the strip is read as far as it goes.
  TiffLayout s = Layout(true, 1, 4, 4, 2, 3);
  s.byte_count_cut = 6;
  std::string bytes = BuildTiff(s);
  bytes.resize(bytes.size() - 6);
  const auto image = Read(bytes);
  EXPECT_EQ(PixelAt(*image, 1, 1), FilePixel(1, 1));
  EXPECT_EQ(PixelAt(*image, 0, 2), 0u);
}

TEST(TiffReader, UnsoundByteCountsAreIgnored) {
  // A count of 0, and one that runs past the end of the file: the strips are
  // read by their rows, as files with such counts always were.
  for (const std::uint32_t bad : {0u, 0x10000u}) {
    std::string bytes = BuildTiff(Layout(true, 1, 4));
    bytes[114] = static_cast<char>(bad & 0xFF);
    bytes[115] = static_cast<char>(bad >> 8 & 0xFF);
    bytes[116] = static_cast<char>(bad >> 16 & 0xFF);
    const auto image = Read(bytes);
    EXPECT_EQ(PixelAt(*image, 4, 5), FilePixel(4, 5)) << bad;
  }
}

TEST(TiffReader, AHeaderOffsetBelowEightReadsTheDirectoryAtEight) {
  std::string bytes = BuildTiff(Layout(false, 2, 4));
  bytes[4] = bytes[5] = bytes[6] = bytes[7] = 0;
  const auto image = Read(bytes);
  EXPECT_EQ(PixelAt(*image, 4, 5), FilePixel(4, 5));
}

// Patches bytes of a built TIFF.
std::string Patched(std::string bytes, std::size_t at, std::initializer_list<int> values) {
  for (int v : values) bytes[at++] = static_cast<char>(v);
  return bytes;
}

// Entries of Layout(true, 1, 4): 256 at 10, 257 at 22, 258 at 34, 259 at 46,
// 262 at 58, 273 at 70, 277 at 82, 278 at 94, 279 at 106.
struct BadCase {
  std::string label;
  std::string bytes;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.label; }

class TiffBadFileTest : public testing::TestWithParam<BadCase> {};

TEST_P(TiffBadFileTest, GivesTheReadErrorWithoutReadingOutsideTheFile) {
  TempDir dir;
  const std::string& bytes = GetParam().bytes;
  EXPECT_THROW(ReadTiffFile(dir.Write("bad.tif", bytes)), ETiffError);
  EXPECT_THROW(ReadTiffMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), ETiffError);
}

TiffLayout Compressed(std::uint16_t compression) {
  TiffLayout s = Layout(true, 1, 4);
  s.compression = compression;
  return s;
}

const std::string kGood = BuildTiff(Layout(true, 1, 4));

INSTANTIATE_TEST_SUITE_P(
    Files, TiffBadFileTest,
    testing::Values(
        BadCase{"LZW", BuildTiff(Compressed(5))}, BadCase{"JPEG-compressed", BuildTiff(Compressed(7))},
        BadCase{"empty", ""}, BadCase{"header only", kGood.substr(0, 9)},
        BadCase{"directory runs past the end", kGood.substr(0, 60)},
        BadCase{"entry count runs past the end", Patched(kGood, 8, {200, 0})},
        BadCase{"strip past the end", Patched(kGood, 78, {0xF0, 0xFF, 0, 0})},
        BadCase{"strip data cut short", kGood.substr(0, kGood.size() - 1)},
        BadCase{"offsets array past the end", Patched(Patched(kGood, 74, {50, 0, 0, 0}), 78, {0, 0, 1, 0})},
        BadCase{"no strips", Patched(kGood, 74, {0, 0, 0, 0})},
        BadCase{"directory offset past the end", Patched(kGood, 4, {0, 0, 1, 0})},
        BadCase{"directory offset at the last byte", Patched(kGood, 4, {static_cast<int>(kGood.size() - 1), 0, 0, 0})},
        BadCase{"a large byte count does not excuse a strip past the end",
                Patched(Patched(kGood, 114, {0xFF, 0xFF, 0, 0}), 78, {static_cast<int>(kGood.size() - 10), 0, 0, 0})},
        BadCase{"no StripOffsets entry", Patched(kGood, 70, {0x14, 0x01})},
        BadCase{"zero width", Patched(kGood, 18, {0, 0, 0, 0})},
        BadCase{"width x height beyond any bitmap", Patched(Patched(kGood, 18, {0x70, 0x11, 1, 0}), 30, {0x70, 0x11, 1, 0})},
        BadCase{"negative width", Patched(kGood, 18, {0, 0, 0, 0x80})},
        BadCase{"compression after the strips", Patched(Patched(kGood, 46, {0x15, 0x01}), 82, {0x03, 0x01, 3, 0, 1, 0, 0, 0, 5})}));

TEST(TiffReader, ANewSizeAfterTheStripsGivesABlackImageOfThatSize) {
  // Tags out of order: ImageWidth again after StripOffsets, with 3.
  std::string bytes = Patched(kGood, 82, {0x00, 0x01, 4, 0, 1, 0, 0, 0, 3, 0, 0, 0});
  const auto image = Read(bytes);
  EXPECT_EQ(image->width, 3);
  EXPECT_EQ(PixelAt(*image, 0, 0), 0u);
  EXPECT_EQ(PixelAt(*image, 2, 3), 0u);
}

std::string RgbAt(const TDibData& image, std::int32_t x, std::int32_t y) {
  const std::uint32_t p = PixelAt(image, x, y);
  return {static_cast<char>(p & 0xFF), static_cast<char>(p >> 8 & 0xFF), static_cast<char>(p >> 16 & 0xFF)};
}

const std::string kTiffFixtures = std::string(LUMETTA_FIXTURES) + "/tiff/";

TEST(TiffReader, ReadsAFileWrittenWithTheDirectoryAtOffsetEight) {
  const std::string rgb = testing_support::ReadAll(kTiffFixtures + "imagemagick.rgb");
  const auto image = ReadTiffFile(kTiffFixtures + "rgb_le_one_strip.tif");
  ASSERT_EQ(image->width, 23);
  ASSERT_EQ(image->height, 15);
  for (std::int32_t y = 0; y < 15; ++y) {
    for (std::int32_t x = 0; x < 23; ++x) {
      ASSERT_EQ(RgbAt(*image, x, y), rgb.substr(static_cast<std::size_t>((y * 23 + x) * 3), 3)) << x << "," << y;
    }
  }
}

// Compares a decoded fixture with ImageMagick's pixels of it.
void ExpectImageMagickPixels(const std::string& tif, const std::string& rgb_name, std::int32_t width,
                             std::int32_t height) {
  const std::string rgb = testing_support::ReadAll(kTiffFixtures + rgb_name);
  const auto image = ReadTiffFile(kTiffFixtures + tif);
  ASSERT_EQ(image->width, width);
  ASSERT_EQ(image->height, height);
  ASSERT_EQ(rgb.size(), static_cast<std::size_t>(width * height * 3));
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      ASSERT_EQ(RgbAt(*image, x, y), rgb.substr(static_cast<std::size_t>((y * width + x) * 3), 3))
          << tif << " at " << x << "," << y;
    }
  }
}

TEST(TiffReader, StripsOfFourRowsInFifteenFillEveryRow) {
  // RowsPerStrip 4: strips of 4, 4, 4 and 3 rows.
  ExpectImageMagickPixels("rgb_be_short_strips.tif", "imagemagick.rgb", 23, 15);
}

TEST(TiffReader, ReadsTheDirectoryWhereTheHeaderPutsIt) {
  ExpectImageMagickPixels("ifd_after_data.tif", "imagemagick.rgb", 23, 15);
}

TEST(TiffReader, ReadsImageMagicksStripsOfSevenRowsWithAShortLastStrip) {
  ExpectImageMagickPixels("imagemagick_rows_per_strip_7.tif", "imagemagick_23x20.rgb", 23, 20);
  ExpectImageMagickPixels("imagemagick_rows_per_strip_7_msb.tif", "imagemagick_23x20.rgb", 23, 20);
}

TEST(TiffReader, AStripCountBeyondTheFileIsRefusedBeforeAnyTableIsHeld) {
  // Found by fuzzing: a count of about four billion strips once made the
  // reader reserve their offsets before checking the table.
  EXPECT_THROW(ReadTiffFile(kTiffFixtures + "huge_strip_count.tif"), ETiffError);
}

TEST(TiffReader, TheSharedLzwSamplesAreRefused) {
  const std::filesystem::path folder = std::filesystem::path(LUMETTA_SHARED_SAMPLES) / "tiff-lzw";
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << "the shared samples are missing: " << folder;
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_THROW(ReadTiffFile(entry.path().string()), ETiffError) << entry.path();
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST(TiffReader, AFileThatCannotBeOpenedIsATiffError) {
  TempDir dir;
  EXPECT_THROW(ReadTiffFile(dir / "gone.tif"), ETiffError);
  EXPECT_THROW(ReadTiffFile(dir.MakeDir("folder.tif")), ETiffError);
}

}  // namespace
}  // namespace lumetta
