#include "core/library/date_keys.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>

#include "core/base/paths.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ExifJpeg;
using testing_support::ExifLayout;
using testing_support::ExifTiff;
using testing_support::JfifSegment;
using testing_support::ReadAll;
using testing_support::Segment;
using testing_support::WithSegmentsFirst;
using testing_support::TempDir;
using testing_support::WithoutApp0;

std::string Fixture(const std::string& name) { return ReadAll(std::string(LUMETTA_FIXTURES) + "/camera/" + name); }

TEST(FileDateKey, IsTheLastWriteTimeInLocalTime) {
  TempDir dir;
  const std::string path = dir.Write("a.jpg", "x");
  std::tm local{};
  local.tm_year = 2004 - 1900;
  local.tm_mon = 7;
  local.tm_mday = 27;
  local.tm_hour = 13;
  local.tm_min = 52;
  local.tm_sec = 5;
  local.tm_isdst = -1;
  const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local));
  std::filesystem::last_write_time(path, std::chrono::file_clock::from_sys(when));
  EXPECT_EQ(FileDateKey(path), "20040827135205");
}

TEST(FileDateKey, AFileThatIsNotThereHasNoDate) {
  TempDir dir;
  EXPECT_EQ(FileDateKey(dir / "gone.jpg"), NoFileDate);
  EXPECT_EQ(FileDateKey(""), NoFileDate);
}

struct ExifCase {
  std::string label;
  std::string file_name;
  std::string bytes;
  std::string key;
};

void PrintTo(const ExifCase& c, std::ostream* os) { *os << c.label; }

class ExifDateKeyTest : public testing::TestWithParam<ExifCase> {};

TEST_P(ExifDateKeyTest, FindsTheShootingDateTheQuickWay) {
  TempDir dir;
  const ExifCase& c = GetParam();
  EXPECT_EQ(ExifDateKey(dir.Write(c.file_name, c.bytes)), c.key);
  const auto* data = reinterpret_cast<const unsigned char*>(c.bytes.data());
  EXPECT_EQ(ExifDateKeyOfBytes(data, c.bytes.size(), CompareExtension(c.file_name)), c.key);
}

ExifLayout BigEndian() {
  ExifLayout l;
  l.little_endian = false;
  l.dates = {"2003:12:14 12:01:44"};
  return l;
}

ExifLayout NoPointer() {
  ExifLayout l;
  l.with_pointer = false;
  return l;
}

ExifLayout PointerCountTwo() {
  ExifLayout l;
  l.pointer_count = 2;
  return l;
}

ExifLayout TwoDates() {
  ExifLayout l;
  l.dates = {"2001:01:01 00:00:00", "2002:02:02 02:02:02"};
  return l;
}

ExifLayout IfdAfterFiller() {
  ExifLayout l;
  l.ifd0_at = 40;
  return l;
}

// An APP1 segment that is not Exif (XMP), a comment and an ICC profile
// segment before the Exif block, as editors write them.
std::string OtherSegments() {
  return JfifSegment() + Segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta/>") + Segment(0xFE, "made by hand") +
         Segment(0xE2, "ICC_PROFILE\0\x01\x01");
}

// A chain of APP0 segments whose last length runs past the end of the file.
std::string ChainPastTheEnd() {
  std::string out = "\xFF\xD8" + JfifSegment() + Segment(0xEC, "Ducky");
  return out + "\xFF\xE1\x7F\xFF" "Exif";
}

ExifLayout OddDate() {
  ExifLayout l;
  l.dates = {"1999-12-31T23.59.58"};
  return l;
}

std::string Cut(const std::string& bytes, std::size_t drop) { return bytes.substr(0, bytes.size() - drop); }

INSTANTIATE_TEST_SUITE_P(
    Files, ExifDateKeyTest,
    testing::Values(
        ExifCase{"JFIF APP0 first", "canon.jpg", Fixture("Canon_40D.jpg"), "20080530155601"},
        ExifCase{"JFIF then Exif, built", "a.jpg", WithSegmentsFirst(ExifJpeg({}), JfifSegment()), "20080530155601"},
        ExifCase{"XMP, comment and ICC before Exif", "a.jpg", WithSegmentsFirst(ExifJpeg({}), OtherSegments()),
                 "20080530155601"},
        ExifCase{"a table segment ends the search", "a.jpg",
                 WithSegmentsFirst(ExifJpeg({}), Segment(0xDB, std::string(65, '\x01'))), "99999999999999"},
        ExifCase{"an APPn length below 2 ends it", "a.jpg",
                 WithSegmentsFirst(ExifJpeg({}), std::string("\xFF\xE0\x00\x01", 4)), "99999999999999"},
        ExifCase{"APPn lengths running past the end", "a.jpg", ChainPastTheEnd(), "99999999999999"},
        ExifCase{"IFD0 where the header puts it", "a.tif", ExifTiff(IfdAfterFiller()), "20080530155601"},
        ExifCase{"IFD0 where the header puts it, JPEG", "a.jpg", ExifJpeg(IfdAfterFiller()), "20080530155601"},
        ExifCase{"Exif APP1 first", "canon.jpg", WithoutApp0(Fixture("Canon_40D.jpg")), "20080530155601"},
        ExifCase{"Nikon, Exif first", "nikon.JPG", WithoutApp0(Fixture("Nikon_D70.jpg")), "20080315095201"},
        ExifCase{"Nikon, JFIF first", "nikon.JPG", Fixture("Nikon_D70.jpg"), "20080315095201"},
        ExifCase{"jpegx counts as jpeg", "x.jpegx", ExifJpeg({}), "20080530155601"},
        ExifCase{"little-endian TIFF", "a.tif", ExifTiff({}), "20080530155601"},
        ExifCase{"big-endian JPEG", "a.jpe", ExifJpeg(BigEndian()), "20031214120144"},
        ExifCase{"big-endian TIFF", "a.TIFF", ExifTiff(BigEndian()), "20031214120144"},
        ExifCase{"no Exif pointer", "a.jpg", ExifJpeg(NoPointer()), "99999999999999"},
        ExifCase{"pointer count not 1", "a.jpg", ExifJpeg(PointerCountTwo()), "99999999999999"},
        ExifCase{"a later date wins", "a.jpg", ExifJpeg(TwoDates()), "20020202020202"},
        ExifCase{"characters taken as they are", "a.jpg", ExifJpeg(OddDate()), "19991231235958"},
        ExifCase{"date cut short", "a.jpg", Cut(ExifJpeg({}), 2), "99999999999999"},
        ExifCase{"cut inside the Exif IFD", "a.jpg", ExifJpeg({}).substr(0, 12 + 50), "99999999999999"},
        ExifCase{"cut inside IFD0", "a.jpg", ExifJpeg({}).substr(0, 12 + 15), "99999999999999"},
        ExifCase{"only a start marker", "a.jpg", std::string("\xFF\xD8", 2), "99999999999999"},
        ExifCase{"empty file", "a.tif", "", "99999999999999"},
        ExifCase{"other extension", "a.png", ExifJpeg({}), "99999999999999"}));

TEST(ExifDateKey, AnIfdCountRunningPastTheFileLosesTheDate) {
  // IFD0 claims more entries than the file holds; the pointer is read
  // before the end, but the walk reads past it.
  std::string tiff = ExifTiff({});
  tiff[8] = 60;
  TempDir dir;
  EXPECT_EQ(ExifDateKey(dir.Write("a.tif", tiff)), NoExifDate);
}

TEST(ExifDateKey, AnEditedPhotoIsKeyedByItsSourcePhoto) {
  TempDir dir;
  dir.Write("IMG_0001.JPG", ExifJpeg({}));
  EXPECT_EQ(ExifDateKey(dir.Write("IMG_0001_jpg-002.lum", "100\r\n")), "20080530155601");
  EXPECT_EQ(ExifDateKey(dir / "IMG_0001_JPG.lum"), "20080530155601");
  EXPECT_EQ(ExifDateKey(dir / "nounderscore.lum"), NoExifDate);
  EXPECT_EQ(ExifDateKey(dir / "gone_jpg.lum"), NoExifDate);
}

TEST(ExifDateKey, AFileThatCannotBeOpenedHasNoDate) {
  TempDir dir;
  EXPECT_EQ(ExifDateKey(dir / "gone.jpg"), NoExifDate);
  EXPECT_EQ(ExifDateKey(dir.MakeDir("folder.jpg")), NoExifDate);
}

}  // namespace
}  // namespace lumetta
