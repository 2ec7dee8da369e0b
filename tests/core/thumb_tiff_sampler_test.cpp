#include "core/imaging/thumb_tiff_sampler.h"

#include <gtest/gtest.h>

#include "core/imaging/thumbnail_fill.h"
#include "support/thumb_photos.h"
#include "support/tiff_bytes.h"

namespace lumetta {
namespace {

using testing_support::At;
using testing_support::Bgr;
using testing_support::MakePicture;
using testing_support::TiffFile;

SampledTiff Read(const TiffFile& file) {
  const std::string bytes = file.Bytes();
  return ReadSampledTiffMemory(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

// Red tells the column, green the row (both modulo 256).
std::uint32_t Coordinate(std::uint32_t x, std::uint32_t y) { return (x % 256) << 16 | (y % 256) << 8 | 0x07; }

Bgr PixelOf(const SampledTiff& tiff, int x, int y) {
  const std::uint8_t* p = tiff.Pixel(x, y);
  if (p == nullptr) return {-1, -1, -1};
  return {p[0], p[1], p[2]};
}

TEST(SampledTiff, ASmallPictureIsReadWhole) {
  TiffFile file;
  file.width = 100;
  file.height = 50;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(tiff.Step(), 1);
  EXPECT_EQ(PixelOf(tiff, 0, 0), (Bgr{7, 0, 0}));
  EXPECT_EQ(PixelOf(tiff, 99, 49), (Bgr{7, 49, 99}));
}

TEST(SampledTiff, ALargerPictureIsReadInBlocks) {
  // 320 x 160: every second pixel of every second row.
  TiffFile file;
  file.width = 320;
  file.height = 160;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(tiff.Step(), 2);
  EXPECT_EQ(PixelOf(tiff, 3, 5), (Bgr{7, 4, 2}));
  EXPECT_EQ(PixelOf(tiff, 319, 159), (Bgr{7, 158, 318 % 256}));
}

TEST(SampledTiff, TheStepIsTheSmallerOfWidthDiv160AndHeightDiv80) {
  TiffFile file;
  file.width = 1600;
  file.height = 240;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(tiff.Step(), 3);
  EXPECT_EQ(tiff.Width(), 1600);
  EXPECT_EQ(tiff.Height(), 240);
}

TEST(SampledTiff, EachStripStartsItsOwnBlocks) {
  // Four strips of 40 rows (a LONG table), sampled every second row from
  // each strip's first.
  TiffFile file;
  file.width = 320;
  file.height = 160;
  file.strips = 4;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(PixelOf(tiff, 5, 41), (Bgr{7, 40, 4}));
  EXPECT_EQ(PixelOf(tiff, 5, 119), (Bgr{7, 118, 4}));
}

TEST(SampledTiff, RowsBelowTheLastWholeStripAreBlack) {
  TiffFile file;
  file.width = 320;
  file.height = 163;
  file.strips = 4;  // 40 rows each: rows 160 to 162 have no strip
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(PixelOf(tiff, 0, 159), (Bgr{7, 158, 0}));
  EXPECT_EQ(tiff.Pixel(0, 160), nullptr);
}

TEST(SampledTiff, RowsPerStripPlacesAShortLastStrip) {
  // 20 rows in strips of 7, 7 and 6 rows.
  TiffFile file;
  file.width = 20;
  file.height = 20;
  file.strips = 3;
  file.rows_per_strip = 7;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  for (int y = 0; y < 20; ++y) {
    for (int x : {0, 19}) {
      ASSERT_EQ(PixelOf(tiff, x, y), (Bgr{7, y, x})) << x << "," << y;
    }
  }
}

TEST(SampledTiff, SamplesAShortLastStripInBlocks) {
  // 320 x 170, step 2, strips of 60 rows: the last holds 50.
  TiffFile file;
  file.width = 320;
  file.height = 170;
  file.strips = 3;
  file.rows_per_strip = 60;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(tiff.Step(), 2);
  EXPECT_EQ(PixelOf(tiff, 5, 61), (Bgr{7, 60, 4}));
  EXPECT_EQ(PixelOf(tiff, 5, 169), (Bgr{7, 168, 4}));
}

TEST(SampledTiff, ReadsTheDirectoryWhereTheHeaderPutsIt) {
  TiffFile file;
  file.width = 20;
  file.height = 10;
  file.strips = 2;
  file.directory_last = true;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(PixelOf(tiff, 19, 9), (Bgr{7, 9, 19}));
}

TEST(SampledTiff, ImageMagicksFilesGiveTheFullReadersPixels) {
  // Small enough to be read whole (step 1): every pixel is the full
  // reader's.
  const std::string folder = std::string(LUMETTA_FIXTURES) + "/tiff/";
  for (const char* name :
       {"imagemagick_rows_per_strip_7.tif", "imagemagick_rows_per_strip_7_msb.tif", "ifd_after_data.tif"}) {
    const SampledTiff tiff = ReadSampledTiffFile(folder + name);
    const auto full = ReadTiffFile(folder + name);
    ASSERT_EQ(tiff.Step(), 1);
    ASSERT_EQ(tiff.Width(), full->width);
    ASSERT_EQ(tiff.Height(), full->height);
    for (int y = 0; y < tiff.Height(); ++y) {
      for (int x = 0; x < tiff.Width(); ++x) {
        const std::uint8_t* p = full->bits.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(full->Stride()) +
                                static_cast<std::size_t>(x) * 3;
        ASSERT_EQ(PixelOf(tiff, x, y), (Bgr{p[0], p[1], p[2]})) << name << " at " << x << "," << y;
      }
    }
  }
}

TEST(SampledTiff, ReadsShortOffsetsInTheEntryAndBigEndianFiles) {
  TiffFile file;
  file.width = 20;
  file.height = 10;
  file.strips = 2;
  file.short_offsets = true;
  file.big_endian = true;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  EXPECT_EQ(PixelOf(tiff, 19, 9), (Bgr{7, 9, 19}));
  EXPECT_EQ(PixelOf(tiff, 3, 5), (Bgr{7, 5, 3}));
}

struct BadTiff {
  const char* name;
  TiffFile file;
};

void PrintTo(const BadTiff& c, std::ostream* out) { *out << c.name; }

class SampledTiffRefuses : public ::testing::TestWithParam<BadTiff> {};

TEST_P(SampledTiffRefuses, WithATiffError) { EXPECT_THROW(Read(GetParam().file), ETiffError); }

TiffFile Sized(std::uint32_t width, std::uint32_t height) {
  TiffFile file;
  file.width = width;
  file.height = height;
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, SampledTiffRefuses,
    ::testing::Values(
        BadTiff{"compressed", [] {
                  TiffFile f = Sized(20, 10);
                  f.compression = 5;
                  return f;
                }()},
        BadTiff{"last sample beyond the end", [] {
                  TiffFile f = Sized(20, 10);
                  f.cut = 1;
                  return f;
                }()},
        BadTiff{"offset table beyond the end", [] {
                  TiffFile f = Sized(20, 10);
                  f.strips = 5;
                  f.cut = 600 + 20;
                  return f;
                }()},
        BadTiff{"size changed after the strips", [] {
                  TiffFile f = Sized(20, 10);
                  f.width_after_strips = true;
                  return f;
                }()},
        BadTiff{"directory past the end", [] {
                  TiffFile f = Sized(20, 10);
                  f.directory_last = true;
                  f.cut = 20;
                  return f;
                }()},
        BadTiff{"more strips than rows", [] {
                  TiffFile f = Sized(4, 2);
                  f.strips = 3;
                  return f;
                }()},
        BadTiff{"no rows", Sized(4, 0)}, BadTiff{"header only", [] {
                  TiffFile f = Sized(20, 10);
                  f.cut = 600 + 4 + 48 + 2;
                  return f;
                }()}));

TEST(SampledTiff, FillsAThumbnailLikeTheSamePicture) {
  TiffFile file;
  file.width = 160;
  file.height = 120;
  file.rgb = Coordinate;
  const SampledTiff tiff = Read(file);
  const TDibImage picture = MakePicture(160, 120, [](int x, int y) { return Bgr{7, y, x}; });
  TDibImage from_tiff = BlackThumbnail();
  TDibImage from_picture = BlackThumbnail();
  FillPlainFit(ThumbSource(tiff), 1, {}, from_tiff);
  FillPlainFit(ThumbSource(picture), 1, {}, from_picture);
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(At(from_tiff, x, y), At(from_picture, x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace lumetta
