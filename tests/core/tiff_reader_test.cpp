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
};

// An uncompressed RGB TIFF as a camera or an editor writes it: IFD0 at 8 with
// the usual tags, the offsets array (when it does not fit the entry), then
// the strips, each holding rows_per_strip file rows (the last one fewer).
std::string BuildTiff(const TiffLayout& s) {
  const std::uint32_t rps = s.rows_per_strip != 0 ? s.rows_per_strip : (s.height + s.strips - 1) / s.strips;
  const std::uint32_t entries = 9;
  const std::uint32_t directory_end = 8 + 2 + 12 * entries + 4;
  const bool inline_offsets = s.offset_type == 3 ? s.strips <= 2 : s.strips == 1;
  const std::uint32_t element = s.offset_type == 3 ? 2 : 4;
  const std::uint32_t array = directory_end;
  std::uint32_t data = inline_offsets ? directory_end : directory_end + element * s.strips;
  std::vector<std::uint32_t> offsets;
  for (std::uint32_t k = 0; k < s.strips; ++k) offsets.push_back(data + k * rps * s.width * 3);

  ByteWriter w(s.little);
  w.Text(s.little ? "II" : "MM");
  w.U16(42);
  w.U32(8);
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
    w.Entry(273, s.offset_type, s.strips, inline_offsets ? offsets[0] : array);
  }
  w.ShortEntry(277, 1, 3);
  w.Entry(278, 4, 1, rps);
  w.Entry(279, 4, 1, rps * s.width * 3);
  w.U32(0);
  if (!inline_offsets) {
    for (std::uint32_t offset : offsets) element == 2 ? w.U16(offset) : w.U32(offset);
  }
  for (std::uint32_t y = 0; y < s.height; ++y) {
    for (std::uint32_t x = 0; x < s.width; ++x) {
      const std::uint32_t p = FilePixel(x, y);
      w.Byte(p);
      w.Byte(p >> 8);
      w.Byte(p >> 16);
    }
  }
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
                    LayoutCase{"odd width, rows padded in memory", Layout(true, 1, 4, 4, 3, 2)}));

TEST(TiffReader, RowsAfterTheLastFullStripStayBlack) {
  // 5 rows in 2 strips of 3 file rows: each strip gives 5 div 2 = 2 rows, so
  // image rows 0, 1 are file rows 0, 1; rows 2, 3 are file rows 3, 4 (the
  // second strip's start); row 4 stays black.
  TiffLayout s = Layout(true, 2, 4, 4, 3, 5);
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

TEST(TiffReader, MoreStripsThanRowsGiveABlackImage) {
  TiffLayout s = Layout(true, 3, 4, 4, 2, 2);
  s.rows_per_strip = 1;
  const auto image = Read(BuildTiff(s));
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(PixelAt(*image, 1, 1), 0u);
  EXPECT_EQ(PixelAt(*image, 0, 0), 0u);
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

TEST(TiffReader, StripsOfFourRowsInFifteenGiveThreeRowsEach) {
  const std::string rgb = testing_support::ReadAll(kTiffFixtures + "imagemagick.rgb");
  const auto image = ReadTiffFile(kTiffFixtures + "rgb_be_short_strips.tif");
  for (std::int32_t y = 0; y < 15; ++y) {
    // Strip s starts at file row 4 s and fills image rows 3 s .. 3 s + 2.
    const std::int32_t file_row = y < 12 ? (y / 3) * 4 + y % 3 : -1;
    for (std::int32_t x = 0; x < 23; ++x) {
      const std::string expected =
          file_row < 0 ? std::string(3, '\0') : rgb.substr(static_cast<std::size_t>((file_row * 23 + x) * 3), 3);
      ASSERT_EQ(RgbAt(*image, x, y), expected) << x << "," << y;
    }
  }
}

TEST(TiffReader, ADirectoryAfterThePixelsIsNotLookedFor) {
  EXPECT_THROW(ReadTiffFile(kTiffFixtures + "ifd_after_data.tif"), ETiffError);
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
