#include "core/export/export_exif.h"

#include <gtest/gtest.h>

#include "core/base/binary_file.h"
#include "core/records/exif_info.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::ExifBlock;
using testing_support::JfifSegment;
using testing_support::JpegWithExif;
using testing_support::Long;
using testing_support::Rational;
using testing_support::ReadAll;
using testing_support::Short;
using testing_support::TempDir;
using testing_support::WithSegmentsFirst;

constexpr std::uint16_t kModel = 0x0110, kOrientation = 0x0112, kExposureTime = 0x829A, kDateTimeOriginal = 0x9003,
                        kPixelX = 0xA002, kPixelY = 0xA003;

// A camera's JPEG start: Exif with a model, the orientation "turned" (6), a
// date and the camera's pixel size (the height as a SHORT, as some cameras
// write it).
std::string CameraJpeg(bool little, const std::string& date = "2008:05:30 15:56:01") {
  ExifBlock block{little,
                  8,
                  {Ascii(kModel, "DC290 Zoom"), Short(kOrientation, 6)},
                  {Rational(kExposureTime, 1, 125), Ascii(kDateTimeOriginal, date), Long(kPixelX, 1600),
                   Short(kPixelY, 1200)}};
  return JpegWithExif(block.Bytes(), "\xFF\xD9");
}

ExifReading Read(const std::string& bytes) {
  return ReadExifInfoOfBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), ".jpg");
}

std::uint32_t ValueAt(const std::string& bytes, std::int64_t type_pos, bool little, bool as_long) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data()) + type_pos + 6;
  const ByteOrder order = little ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
  return as_long ? GetU32(p, order) : GetU16(p, order);
}

std::uint16_t U16At(const std::string& bytes, std::int64_t pos, bool little) {
  return GetU16(reinterpret_cast<const std::uint8_t*>(bytes.data()) + pos,
                little ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
}

std::uint32_t U32At(const std::string& bytes, std::int64_t pos, bool little) {
  return GetU32(reinterpret_cast<const std::uint8_t*>(bytes.data()) + pos,
                little ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
}

TEST(ExportExif, HeaderIsTheSegmentWithOrientationUprightAndTheExportSize) {
  for (const bool little : {true, false}) {
    for (const bool jfif_first : {false, true}) {
      const std::string photo = jfif_first ? WithSegmentsFirst(CameraJpeg(little), JfifSegment()) : CameraJpeg(little);
      const ExifInfo info = Read(photo).Info;
      ASSERT_NE(info.App1Length, 0);
      const std::string header = ExportJpegHeader(info, 640, 480);
      const std::string kept(info.App1Bytes.begin(), info.App1Bytes.end());
      ASSERT_EQ(header.size(), kept.size());
      EXPECT_EQ(header.substr(0, 4), "\xFF\xD8\xFF\xE1");

      // Read back by the panel's own reader: the same shooting data, the
      // three entries at the same places with their new types and values.
      const ExifReading back = Read(header + "\xFF\xD9");
      EXPECT_EQ(back.Info.ModelText, info.ModelText);
      EXPECT_EQ(back.Info.ShotDate, "08/05/30");
      EXPECT_EQ(back.Info.OrientationEntryPos, info.OrientationEntryPos);
      EXPECT_EQ(back.Info.WidthEntryPos, info.WidthEntryPos);
      EXPECT_EQ(back.Info.HeightEntryPos, info.HeightEntryPos);
      EXPECT_EQ(U16At(header, info.OrientationEntryPos, little), 3);
      EXPECT_EQ(U32At(header, info.OrientationEntryPos + 2, little), 1u);
      EXPECT_EQ(ValueAt(header, info.OrientationEntryPos, little, false), 1u);
      EXPECT_EQ(U16At(header, info.OrientationEntryPos + 8, little), 0);
      EXPECT_EQ(U16At(header, info.WidthEntryPos, little), 4);
      EXPECT_EQ(U32At(header, info.WidthEntryPos + 2, little), 1u);
      EXPECT_EQ(ValueAt(header, info.WidthEntryPos, little, true), 640u);
      EXPECT_EQ(U16At(header, info.HeightEntryPos, little), 4);
      EXPECT_EQ(ValueAt(header, info.HeightEntryPos, little, true), 480u);

      // Nothing else changed.
      std::string unpatched = header;
      for (const std::int64_t pos : {info.OrientationEntryPos, info.WidthEntryPos, info.HeightEntryPos}) {
        unpatched.replace(static_cast<std::size_t>(pos), 10, kept.substr(static_cast<std::size_t>(pos), 10));
      }
      EXPECT_EQ(unpatched, kept);
    }
  }
}

TEST(ExportExif, AWidthBeyondSixteenBitsIsWrittenWhole) {
  for (const bool little : {true, false}) {
    const ExifInfo info = Read(CameraJpeg(little)).Info;
    const std::string header = ExportJpegHeader(info, 70000, 0x12345678);
    EXPECT_EQ(ValueAt(header, info.WidthEntryPos, little, true), 70000u);
    EXPECT_EQ(ValueAt(header, info.HeightEntryPos, little, true), 0x12345678u);
  }
}

TEST(ExportExif, WithoutACompleteSegmentTheHeaderIsTheStartMarkerAlone) {
  ExifInfo none;
  EXPECT_EQ(ExportJpegHeader(none, 10, 10), std::string("\xFF\xD8", 2));

  ExifInfo cut = Read(CameraJpeg(true)).Info;
  cut.App1Bytes.pop_back();
  EXPECT_EQ(ExportJpegHeader(cut, 10, 10), std::string("\xFF\xD8", 2));

  ExifInfo not_read = Read(CameraJpeg(true)).Info;
  not_read.App1Length = 0;
  EXPECT_EQ(ExportJpegHeader(not_read, 10, 10), std::string("\xFF\xD8", 2));
}

TEST(ExportExif, AnEntryPositionOutsideTheSegmentDropsTheExifData) {
  const ExifInfo good = Read(CameraJpeg(true)).Info;
  const auto size = static_cast<std::int64_t>(good.App1Bytes.size());
  for (const std::int64_t bad : {size - 9, size, size + 100, std::int64_t{3}}) {
    for (int which = 0; which < 3; ++which) {
      ExifInfo info = good;
      (which == 0 ? info.OrientationEntryPos : which == 1 ? info.WidthEntryPos : info.HeightEntryPos) = bad;
      EXPECT_EQ(ExportJpegHeader(info, 10, 10), std::string("\xFF\xD8", 2)) << bad << " " << which;
    }
  }
  // The last place a patch fits.
  ExifInfo edge = good;
  edge.HeightEntryPos = size - 10;
  EXPECT_EQ(ExportJpegHeader(edge, 10, 10).size(), good.App1Bytes.size());
}

TEST(ExportExif, EntriesNotMetAreLeftAlone) {
  ExifBlock block{true, 8, {Ascii(kModel, "Cam")}, {Rational(kExposureTime, 1, 60)}};
  const std::string photo = JpegWithExif(block.Bytes(), "\xFF\xD9");
  const ExifInfo info = Read(photo).Info;
  ASSERT_EQ(info.OrientationEntryPos, 0);
  EXPECT_EQ(ExportJpegHeader(info, 10, 10), std::string(info.App1Bytes.begin(), info.App1Bytes.end()));
}

TEST(ExportExif, TheKeptSegmentBelongsOnlyToTheFileItWasReadFrom) {
  TempDir dir;
  const std::string photo = dir.Write("a.jpg", CameraJpeg(true));
  const std::string other = dir.Write("b.jpg", CameraJpeg(true, "2010:01:02 03:04:05"));
  const std::string jfif = dir.Write("c.jpg", WithSegmentsFirst(CameraJpeg(true), JfifSegment()));
  const ExifInfo info = Read(ReadAll(photo)).Info;
  EXPECT_TRUE(ExifBelongsTo(info, photo));
  EXPECT_TRUE(ExifBelongsTo(info, jfif));  // the same segment, after a JFIF segment
  EXPECT_FALSE(ExifBelongsTo(info, other));
  EXPECT_FALSE(ExifBelongsTo(info, dir / "missing.jpg"));
  EXPECT_FALSE(ExifBelongsTo(ExifInfo{}, photo));
  const std::string cut = dir.Write("cut.jpg", ReadAll(photo).substr(0, 40));
  EXPECT_FALSE(ExifBelongsTo(info, cut));
}

}  // namespace
}  // namespace lumetta
