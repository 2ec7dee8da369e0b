#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "core/records/exif_info.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::ExifBlock;
using testing_support::ExifValue;
using testing_support::JfifSegment;
using testing_support::JpegWithExif;
using testing_support::Long;
using testing_support::Rational;
using testing_support::ReadAll;
using testing_support::Short;
using testing_support::SRational;
using testing_support::TempDir;
using testing_support::WithSegmentsFirst;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110, kOrientation = 0x0112, kSoftware = 0x0131;
constexpr std::uint16_t kExposureTime = 0x829A, kFNumber = 0x829D, kIso = 0x8827, kDate = 0x9003;
constexpr std::uint16_t kShutter = 0x9201, kBias = 0x9204, kFlash = 0x9209, kFocal = 0x920A;
constexpr std::uint16_t kPixelX = 0xA002, kPixelY = 0xA003, kSharpness = 0xA40A;

ExifReading ReadBytes(const std::string& bytes, const std::string& extension) {
  return ReadExifInfoOfBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), extension);
}

// The panel's captions other than the size, in one string for comparing.
std::string Captions(const InfoPanelTexts& p) {
  return "Hiduke[" + p.HidukeLbl + "] Time[" + p.TimeLbl + "] Camera[" + p.CameraLbl + "] Maker[" + p.MakerLbl +
         "] Satsuei[" + p.SatsueiLbl + "] Strobe[" + p.StrobeLbl + "] Satsuei2[" + p.SatsueiLbl2 + "]";
}

struct PanelCase {
  std::string label;
  std::vector<ExifValue> ifd0;
  std::vector<ExifValue> exif;
  InfoPanelTexts expected;  // FileSizeLbl not compared
};

void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.label; }

class PanelTexts : public ::testing::TestWithParam<PanelCase> {};

// Every case is read from the same values little- and big-endian, as a TIFF
// file, as a JPEG whose Exif block follows the start marker and as one with
// a JFIF segment before it: all give the same captions.
TEST_P(PanelTexts, AreTheSameInEveryByteOrderAndContainer) {
  const PanelCase& c = GetParam();
  const std::string expected = Captions(c.expected);
  for (const bool little : {true, false}) {
    ExifBlock block{little, 8, c.ifd0, c.exif};
    const std::string tiff = block.Bytes();
    const std::string jpeg = JpegWithExif(tiff, "\xFF\xD9");
    const std::string order = little ? "II " : "MM ";
    for (const auto& [what, bytes, extension] :
         {std::tuple{"TIFF", tiff, ".tif"}, std::tuple{"JPEG", jpeg, ".jpg"},
          std::tuple{"JFIF, then Exif", WithSegmentsFirst(jpeg, JfifSegment()), ".jpeg"}}) {
      const ExifReading r = ReadBytes(bytes, extension);
      EXPECT_FALSE(r.Truncated) << order << what;
      EXPECT_EQ(Captions(r.Panel), expected) << order << what;
      EXPECT_EQ(r.Info.IntelByteOrder, little) << order << what;
    }
  }
}

InfoPanelTexts Satsuei(const std::string& satsuei, const std::string& satsuei2 = "") {
  InfoPanelTexts p;
  p.SatsueiLbl = satsuei;
  p.SatsueiLbl2 = satsuei2;
  return p;
}

InfoPanelTexts Camera(const std::string& camera, const std::string& maker = "") {
  InfoPanelTexts p;
  p.CameraLbl = camera;
  p.MakerLbl = maker;
  return p;
}

// A string entry whose count leaves out the closing zero byte, as Kodak
// writes its 32-character models.
ExifValue Unterminated(std::uint16_t tag, const std::string& text) {
  ExifValue v = Ascii(tag, text);
  v.count = static_cast<std::uint32_t>(text.size());
  return v;
}

std::vector<PanelCase> PanelCases() {
  InfoPanelTexts full;
  full.HidukeLbl = "01/06/28";
  full.TimeLbl = "14:03:59";
  full.CameraLbl = "DC290 Z [v1.01]";
  full.MakerLbl = "(KODAK)";
  full.SatsueiLbl = "F9.5 1/1000 ISO200";
  full.StrobeLbl = "★";
  full.SatsueiLbl2 = "(+0.3EV) 5.6mm Soft";
  InfoPanelTexts dated;
  dated.HidukeLbl = "08/05/30";
  dated.TimeLbl = "15:56:01";
  return {
      {"everything a camera writes",
       {Ascii(kMake, "EASTMAN KODAK COMPANY"), Ascii(kModel, "KODAK DC290 ZOOM DIGITAL CAMERA"),
        Short(kOrientation, 1), Ascii(kSoftware, "Ver1.01")},
       {Rational(kExposureTime, 1, 1000), Rational(kFNumber, 95, 10), Short(kIso, 200),
        Ascii(kDate, "2001:06:28 14:03:59"), SRational(kShutter, 99658, 10000), SRational(kBias, 1, 3),
        Short(kFlash, 0x0019), Rational(kFocal, 56, 10), Long(kPixelX, 640), Long(kPixelY, 480),
        Short(kSharpness, 1)},
       full},
      {"exposure 10/1250", {}, {Rational(kExposureTime, 10, 1250)}, Satsuei("1/125 ")},
      {"exposure 1/60", {}, {Rational(kExposureTime, 1, 60)}, Satsuei("1/60 ")},
      {"exposure 2/1", {}, {Rational(kExposureTime, 2, 1)}, Satsuei("2 ")},
      {"exposure 15/10", {}, {Rational(kExposureTime, 15, 10)}, Satsuei("2 ")},
      {"exposure 0/10 shows nothing", {}, {Rational(kExposureTime, 0, 10)}, Satsuei("")},
      {"exposure 1/0 shows nothing", {}, {Rational(kExposureTime, 1, 0)}, Satsuei("")},
      {"shutter speed 6.9", {}, {SRational(kShutter, 69, 10)}, Satsuei("1/119 ")},
      {"shutter speed -1", {}, {SRational(kShutter, -1, 1)}, Satsuei("2 ")},
      {"shutter speed 1000 shows nothing", {}, {SRational(kShutter, 1000, 1)}, Satsuei("")},
      {"shutter speed over 0 shows nothing", {}, {SRational(kShutter, 69, 0)}, Satsuei("")},
      {"exposure time wins over shutter speed", {},
       {Rational(kExposureTime, 1, 60), SRational(kShutter, 69, 10)}, Satsuei("1/60 ")},
      {"shutter speed stands in for an exposure of 0", {},
       {Rational(kExposureTime, 0, 1), SRational(kShutter, 69, 10)}, Satsuei("1/119 ")},
      {"aperture and ISO", {}, {Rational(kFNumber, 28, 10), Short(kIso, 100)}, Satsuei("F2.8 ISO100")},
      {"aperture 0/0", {}, {Rational(kFNumber, 0, 0)}, Satsuei("F0.0 ")},
      {"ISO 0 shows nothing", {}, {Short(kIso, 0)}, Satsuei("")},
      {"bias -1/4", {}, {SRational(kBias, -1, 4)}, Satsuei("", "(-0.3EV) ")},
      {"bias 1/4", {}, {SRational(kBias, 1, 4)}, Satsuei("", "(+0.3EV) ")},
      {"bias -2/3", {}, {SRational(kBias, -2, 3)}, Satsuei("", "(-0.7EV) ")},
      {"bias -1/100 is no -0.0", {}, {SRational(kBias, -1, 100)}, Satsuei("", "(0.0EV) ")},
      {"bias 0/0", {}, {SRational(kBias, 0, 0)}, Satsuei("", "(0.0EV) ")},
      {"focal length and hard", {}, {Rational(kFocal, 1350, 10), Short(kSharpness, 2)},
       Satsuei("", "135.0mm Hard")},
      {"focal length 0/0", {}, {Rational(kFocal, 3, 0)}, Satsuei("", "0.0mm ")},
      {"flash fired, auto", {}, {Short(kFlash, 0x0019)}, [] {
         InfoPanelTexts p;
         p.StrobeLbl = "★";
         return p;
       }()},
      {"flash not fired", {}, {Short(kFlash, 0x0010)}, Satsuei("")},
      {"date", {}, {Ascii(kDate, "2008:05:30 15:56:01")}, dated},
      {"a later date wins", {}, {Ascii(kDate, "1999:01:01 00:00:00"), Ascii(kDate, "2008:05:30 15:56:01")}, dated},
      {"Canon", {Ascii(kMake, "Canon"), Ascii(kModel, "Canon PowerShot S10")}, {},
       Camera("PowerShot S10", "(Canon)")},
      {"a model of four bytes lies in its entry", {Ascii(kModel, "S10")}, {}, Camera("S10")},
      {"Kodak's model without its zero byte", {Unterminated(kModel, "KODAK CX7530 ZOOM DIGITAL CAMERA")}, {},
       Camera("CX7530 Z")},
      {"firmware version", {Ascii(kSoftware, "Camera Firmware Ver1.00")}, {}, Camera(" [v1.00]")},
      {"software without Ver", {Ascii(kSoftware, "Photo Editor 7.0")}, {}, Camera(" [vPhoto Editor 7.0]")},
      {"blank software", {Ascii(kSoftware, "    ")}, {}, Camera("")},
      {"Olympus", {Ascii(kMake, "OLYMPUS OPTICAL CO.,LTD")}, {}, Camera("", "(OLYMPUS)")},
      {"a maker in code page 932", {Ascii(kMake, "\x83\x4A\x83\x81\x83\x89")}, {}, Camera("", "(カメラ)")},
      {"a model of 300 bytes shows 255", {Ascii(kModel, std::string(300, 'M'))}, {}, Camera(std::string(255, 'M'))},
      // The block's own pointer (count 1) comes after it and is followed.
      {"an Exif pointer of count 2 is passed over", {ExifValue{0x8769, 4, "", {8}, 2, {}}},
       {Rational(kExposureTime, 1, 60)}, Satsuei("1/60 ")},
  };
}

INSTANTIATE_TEST_SUITE_P(ExifReader, PanelTexts, ::testing::ValuesIn(PanelCases()),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

// The positions of the three entries the export patches: offsets in
// App1Bytes of their type fields, which for a JPEG whose Exif block follows
// the start marker are the file offsets as well.
TEST(ExifReader, KeepsTheApp1SegmentAndWhereTheExportPatchesIt) {
  for (const bool little : {true, false}) {
    ExifBlock block{little, 8, {Ascii(kMake, "Cam"), Short(kOrientation, 6)},
                    {Rational(kExposureTime, 1, 60), Long(kPixelX, 640), Long(kPixelY, 480)}};
    const std::string tiff = block.Bytes();
    const std::string jpeg = JpegWithExif(tiff, "\xFF\xD9");
    const std::uint32_t length = static_cast<std::uint32_t>(2 + 6 + tiff.size());
    const std::int64_t orientation = 12 + block.Ifd0EntryAt(1) + 2;
    const std::int64_t width = 12 + block.ExifEntryAt(1) + 2;
    const std::int64_t height = 12 + block.ExifEntryAt(2) + 2;
    for (const std::string& bytes : {jpeg, WithSegmentsFirst(jpeg, JfifSegment())}) {
      const ExifReading r = ReadBytes(bytes, ".jpg");
      EXPECT_EQ(r.Info.App1Length, static_cast<std::int32_t>(length));
      EXPECT_EQ(r.Info.OrientationEntryPos, orientation);
      EXPECT_EQ(r.Info.WidthEntryPos, width);
      EXPECT_EQ(r.Info.HeightEntryPos, height);
      // SOI and the whole APP1 segment, as an exported file begins.
      const std::string kept(r.Info.App1Bytes.begin(), r.Info.App1Bytes.end());
      EXPECT_EQ(kept, jpeg.substr(0, length + 4));
      // Each position is the type field of its entry (the tag before it).
      const std::string type_short = little ? std::string("\x03\x00", 2) : std::string("\x00\x03", 2);
      const std::string type_long = little ? std::string("\x04\x00", 2) : std::string("\x00\x04", 2);
      EXPECT_EQ(kept.substr(static_cast<std::size_t>(orientation), 2), type_short);
      EXPECT_EQ(kept.substr(static_cast<std::size_t>(width), 2), type_long);
      EXPECT_EQ(kept.substr(static_cast<std::size_t>(height), 2), type_long);
      if (bytes == jpeg) {
        EXPECT_EQ(bytes.substr(static_cast<std::size_t>(orientation), 2), type_short);
      }
    }
  }
}

TEST(ExifReader, ATiffFileHasNoApp1Segment) {
  ExifBlock block{true, 8, {Short(kOrientation, 1)}, {Rational(kExposureTime, 1, 60)}};
  const ExifReading r = ReadBytes(block.Bytes(), ".tiff");
  EXPECT_EQ(r.Info.App1Length, 0);
  EXPECT_TRUE(r.Info.App1Bytes.empty());
  EXPECT_EQ(r.Panel.SatsueiLbl, "1/60 ");
}

TEST(ExifReader, ReadsIfd0WhereTheHeaderPutsIt) {
  ExifBlock block{false, 64, {Ascii(kModel, "Canon PowerShot S10"), Short(kOrientation, 1)},
                  {Rational(kExposureTime, 1, 60)}};
  for (const auto& [bytes, extension] :
       {std::pair{block.Bytes(), ".tif"}, std::pair{JpegWithExif(block.Bytes()), ".jpg"}}) {
    const ExifReading r = ReadBytes(bytes, extension);
    EXPECT_EQ(r.Panel.CameraLbl, "PowerShot S10");
    EXPECT_EQ(r.Panel.SatsueiLbl, "1/60 ");
    EXPECT_EQ(r.Info.OrientationEntryPos, 12 + 64 + 2 + 12 + 2);
  }
}

TEST(ExifReader, FilesWithoutExifShowOnlyTheirSize) {
  const std::string no_app1 = "\xFF\xD8" + JfifSegment() + "\xFF\xDB" + std::string(900, '\x01');
  for (const auto& [bytes, extension] : {std::pair{no_app1, ".jpg"}, std::pair{std::string(999, 'x'), ".png"},
                                          std::pair{JpegWithExif(ExifBlock{}.Bytes()), ".bmp"},
                                          std::pair{std::string(), ".jpg"}, std::pair{std::string("II"), ".tif"}}) {
    const ExifReading r = ReadBytes(bytes, extension);
    EXPECT_EQ(Captions(r.Panel), Captions(InfoPanelTexts{})) << extension;
    EXPECT_EQ(r.Info.App1Length, 0);
    EXPECT_EQ(r.Panel.FileSizeLbl, bytes.size() >= 500 ? "   [1KB]" : "   [0KB]");
    // A TIFF too short for its header is a truncated file; the others are not.
    EXPECT_EQ(r.Truncated, extension == std::string(".tif")) << extension;
  }
}

TEST(ExifReader, AStringNeverReadsPastTheExifSegment) {
  // The model's offset lies after the segment, in the file's image data:
  // no text, and no error.
  ExifBlock block{true, 8, {Ascii(kModel, "Canon PowerShot S10")}, {}};
  std::string tiff = block.Bytes();
  const std::string jpeg = JpegWithExif(tiff, "\xFF\xDB" + std::string(400, 'Z'));
  ExifBlock far = block;
  far.ifd0[0].offset = static_cast<std::uint32_t>(tiff.size() + 100);
  const ExifReading r = ReadBytes(JpegWithExif(far.Bytes(), "\xFF\xDB" + std::string(400, 'Z')), ".jpg");
  EXPECT_FALSE(r.Truncated);
  EXPECT_EQ(r.Panel.CameraLbl, "");
  // A model of 20 bytes whose last 6 lie in the segment: the text stops
  // at the segment's end.
  ExifBlock cut = block;
  cut.ifd0[0].offset = 0;
  std::string cut_tiff = cut.Bytes();
  cut.ifd0[0].offset = static_cast<std::uint32_t>(cut_tiff.size() + 2);
  cut_tiff = cut.Bytes() + "ABCDEFGH";
  EXPECT_EQ(ReadBytes(JpegWithExif(cut_tiff, "\xFF\xDB" + std::string(400, 'Z')), ".jpg").Panel.CameraLbl,
            "CDEFGH");
  EXPECT_EQ(ReadBytes(jpeg, ".jpg").Panel.CameraLbl, "PowerShot S10");
}

// A file cut anywhere: the walk stops at the first read past its end, with
// the labels filled so far; nothing is read outside the bytes.
TEST(ExifReader, ATruncatedFileKeepsWhatWasReadAndDropsTheSegment) {
  ExifBlock block{true, 8, {Ascii(kMake, "Canon"), Ascii(kModel, "Canon PowerShot S10")},
                  {Ascii(kDate, "2008:05:30 15:56:01"), Rational(kExposureTime, 1, 60)}};
  const std::string jpeg = JpegWithExif(block.Bytes());
  for (std::size_t size = 0; size < jpeg.size(); ++size) {
    const ExifReading r = ReadBytes(jpeg.substr(0, size), ".jpg");
    if (!r.Truncated) {
      // Too short to hold the Exif signature: no Exif data at all.
      EXPECT_LT(size, 12u);
      EXPECT_EQ(r.Info.App1Length, 0);
      continue;
    }
    EXPECT_EQ(r.Info.App1Length, 0) << size;
    EXPECT_TRUE(r.Info.App1Bytes.empty()) << size;
    EXPECT_EQ(r.Panel.CameraLbl, "") << size;    // filled only at the end
    EXPECT_EQ(r.Panel.SatsueiLbl, "") << size;
    if (!r.Panel.HidukeLbl.empty()) {
      EXPECT_EQ(r.Panel.MakerLbl, "(Canon)") << size;
    }
  }
  // Cut in the exposure value, after the date: maker and date stay.
  const ExifReading r = ReadBytes(jpeg.substr(0, jpeg.size() - 1), ".jpg");
  EXPECT_TRUE(r.Truncated);
  EXPECT_EQ(r.Panel.MakerLbl, "(Canon)");
  EXPECT_EQ(r.Panel.HidukeLbl, "08/05/30");
  EXPECT_EQ(r.Panel.TimeLbl, "15:56:01");
}

TEST(ExifReader, OffsetsBeyondFourGigabytesAreReadErrorsNotWrappedOffsets) {
  ExifBlock block{true, 8, {Ascii(kModel, "Canon PowerShot S10")}, {Rational(kExposureTime, 1, 60)}};
  block.ifd0[0].offset = 0xFFFFFFF0;
  const ExifReading r = ReadBytes(JpegWithExif(block.Bytes()), ".jpg");
  // Past the segment: no text, as above; in a TIFF the same offset is a
  // read past the end of the file.
  EXPECT_FALSE(r.Truncated);
  EXPECT_TRUE(ReadBytes(block.Bytes(), ".tif").Truncated);
  // IFD0 at 0xFFFFFFF8, seen from a base of 12.
  std::string jpeg = JpegWithExif(ExifBlock{}.Bytes());
  jpeg[12 + 4] = '\xF8';
  jpeg[12 + 5] = jpeg[12 + 6] = jpeg[12 + 7] = '\xFF';
  EXPECT_TRUE(ReadBytes(jpeg, ".jpg").Truncated);
}

TEST(ExifReader, LoopingDirectoriesEndTheWalk) {
  // The Exif pointer points back at IFD0, whose entries are then read as
  // Exif entries once; IFD0's own pointer is not followed again.
  ExifBlock block{true, 8, {Ascii(kModel, "Canon PowerShot S10")}, {}};
  block.ifd0.push_back(ExifValue{0x8769, 4, "", {8}, {}, {}});
  const ExifReading looped = ReadBytes(JpegWithExif(block.Bytes()), ".jpg");
  EXPECT_FALSE(looped.Truncated);
  EXPECT_EQ(looped.Panel.CameraLbl, "PowerShot S10");

  // Thousands of pointers to a directory of thousands of entries: the Exif
  // directory is read once, not once per pointer.
  ExifBlock many{true, 8, {}, {}};
  for (int i = 0; i < 4000; ++i) many.exif.push_back(Short(kIso, 100));
  many.ifd0.assign(4000, Long(0x8769, 0));
  for (ExifValue& pointer : many.ifd0) pointer.numbers = {many.ExifIfdAt()};
  const ExifReading r = ReadBytes(many.Bytes(), ".tif");
  EXPECT_EQ(r.Panel.SatsueiLbl, "ISO100");
}

TEST(ExifReader, AFileThatCannotBeOpenedIsAnError) {
  TempDir dir;
  EXPECT_THROW(ReadExifInfo(dir / "gone.jpg"), EExifRead);
  EXPECT_THROW(ReadExifInfo(dir.MakeDir("folder.jpg")), EExifRead);
}

TEST(ExifReader, ReadsTheFileAndShowsItsSize) {
  TempDir dir;
  ExifBlock block{true, 8, {Ascii(kMake, "Canon")}, {Rational(kExposureTime, 1, 60)}};
  std::string jpeg = JpegWithExif(block.Bytes(), "\xFF\xD9");
  jpeg.resize(45'000, '\0');
  const ExifReading r = ReadExifInfo(dir.Write("photo.JPG", jpeg));
  EXPECT_EQ(r.Panel.FileSizeLbl, "  [45KB]");
  EXPECT_EQ(r.Panel.MakerLbl, "(Canon)");
  EXPECT_EQ(r.Panel.SatsueiLbl, "1/60 ");
}

// The shared camera photos, with the texts worked out from their values as
// exiftool reads them.
struct SampleCase {
  std::string file;
  std::string size, date, time, camera, maker, satsuei, strobe, satsuei2;
  std::int32_t app1_length;
  std::int64_t orientation, width, height;
};

void PrintTo(const SampleCase& c, std::ostream* os) { *os << c.file; }

class CameraSamples : public ::testing::TestWithParam<SampleCase> {};

TEST_P(CameraSamples, ShowTheirShootingInformation) {
  const SampleCase& c = GetParam();
  const std::filesystem::path path = std::filesystem::path(LUMETTA_SHARED_SAMPLES) / "camera" / c.file;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no shared samples";
  const std::string before = ReadAll(path.string());
  const ExifReading r = ReadExifInfo(path.string());
  EXPECT_FALSE(r.Truncated);
  EXPECT_EQ(r.Panel.FileSizeLbl, c.size);
  EXPECT_EQ(r.Panel.HidukeLbl, c.date);
  EXPECT_EQ(r.Panel.TimeLbl, c.time);
  EXPECT_EQ(r.Panel.CameraLbl, c.camera);
  EXPECT_EQ(r.Panel.MakerLbl, c.maker);
  EXPECT_EQ(r.Panel.SatsueiLbl, c.satsuei);
  EXPECT_EQ(r.Panel.StrobeLbl, c.strobe);
  EXPECT_EQ(r.Panel.SatsueiLbl2, c.satsuei2);
  EXPECT_EQ(r.Info.App1Length, c.app1_length);
  EXPECT_EQ(r.Info.OrientationEntryPos, c.orientation);
  EXPECT_EQ(r.Info.WidthEntryPos, c.width);
  EXPECT_EQ(r.Info.HeightEntryPos, c.height);
  ASSERT_EQ(r.Info.App1Bytes.size(), static_cast<std::size_t>(c.app1_length) + 4);
  // The kept segment is the file's, and the positions are its entries'.
  const auto& kept = r.Info.App1Bytes;
  const std::size_t start = before.find("\xFF\xE1");
  EXPECT_EQ(std::string(kept.begin() + 2, kept.end()), before.substr(start, kept.size() - 2));
  auto tag_at = [&](std::int64_t pos) {
    const auto p = static_cast<std::size_t>(pos);
    return r.Info.IntelByteOrder ? kept[p - 2] | kept[p - 1] << 8 : kept[p - 2] << 8 | kept[p - 1];
  };
  if (c.orientation != 0) {
    EXPECT_EQ(tag_at(c.orientation), kOrientation);
  }
  if (c.width != 0) {
    EXPECT_EQ(tag_at(c.width), kPixelX);
  }
  if (c.height != 0) {
    EXPECT_EQ(tag_at(c.height), kPixelY);
  }
  EXPECT_EQ(ReadAll(path.string()), before);
}

INSTANTIATE_TEST_SUITE_P(
    ExifReader, CameraSamples,
    ::testing::Values(
        SampleCase{"Canon_40D.jpg", "   [8KB]", "08/05/30", "15:56:01", "EOS 40D [vGIMP 2.4.5]", "(Canon)",
                   "F7.1 1/160 ISO100", "★", "(0.0EV) 135.0mm ", 2476, 48, 470, 482},
        SampleCase{"Canon_DIGITAL_IXUS_400.jpg", "   [9KB]", "04/08/27", "13:52:55", "DIGITAL IXUS 400 [vGIMP 2.4.5]",
                   "(Canon)", "F10.0 1/200 ", "", "(0.0EV) 15.4mm ", 3245, 0, 420, 432},
        SampleCase{"Canon_PowerShot_S40.jpg", "  [33KB]", "03/12/14", "12:01:44", "PowerShot S40", "(Canon)",
                   "F4.9 1/500 ", "", "(0.0EV) 21.3mm ", 7678, 48, 428, 440},
        SampleCase{"Fujifilm_FinePix_E500.jpg", "   [2KB]", "06/08/17", "09:24:48", "FinePix E500 [vGIMP 2.4.5]",
                   "(FUJIFILM)", "F2.9 1/80 ISO100", "", "(0.0EV) 4.7mm ", 1156, 48, 534, 546},
        SampleCase{"Kodak_CX7530.jpg", "   [6KB]", "05/08/13", "09:47:23", "CX7530 Z [vGIMP 2.4.5]", "(KODAK)",
                   "F4.6 1/250 ", "", "(0.0EV) 16.8mm ", 2898, 48, 468, 480},
        SampleCase{"Nikon_D70.jpg", "  [14KB]", "08/03/15", "09:52:01", "NIKON D70 [vGIMP 2.4.5]", "(NIKON)",
                   "F9.0 1/200 ISO200", "", "(-1.0EV) 100.0mm ", 2274, 48, 370, 382},
        SampleCase{"Olympus_C8080WZ.jpg", "   [3KB]", "06/10/22", "15:44:29", "C8080WZ [vGIMP 2.4.5]", "(OLYMPUS)",
                   "F2.8 1/160 ISO50", "★", "(0.0EV) 15.8mm ", 2021, 48, 466, 478},
        SampleCase{"Panasonic_DMC-FZ30.jpg", "  [11KB]", "08/07/16", "11:33:20", "DMC-FZ30 [vGIMP 2.4.5]",
                   "(Panasonic)", "F3.2 1/30 ISO100", "★", "(0.0EV) 14.1mm ", 8417, 48, 654, 666},
        SampleCase{"Pentax_K10D.jpg", "  [12KB]", "08/05/04", "16:47:24", "K10D [vGIMP 2.4.5]", "(PENTAX Corporation)",
                   "F11.0 1/180 ISO200", "", "(0.0EV) 90.0mm ", 2129, 48, 580, 592},
        SampleCase{"Reconyx_HC500_Hyperfire.jpg", " [426KB]", "", "", "", "", "1/55 ISO100", "", "", 933, 0, 154,
                   166},
        SampleCase{"Sony_HDR-HC3.jpg", "   [4KB]", "07/06/15", "04:42:32", "HDR-HC3", "(SONY)", "F4.0 1/60 ", "★",
                   "(0.0EV) 5.1mm ", 1992, 48, 380, 392},
        SampleCase{"corrupted.jpg", "[1961KB]", "15/09/08", "11:02:17", "u1020,S1020 [vsion 1.0]", "(OLYMPUS)",
                   "F3.5 1/250 ISO80", "", "(0.0EV) 6.6mm ", 16382, 60, 390, 402},
        SampleCase{"landscape_1.jpg", " [139KB]", "", "", "", "", "", "", "", 98, 24, 0, 0},
        SampleCase{"landscape_6.jpg", " [138KB]", "", "", "", "", "", "", "", 128, 24, 106, 118},
        SampleCase{"portrait_8.jpg", " [133KB]", "", "", "", "", "", "", "", 128, 24, 106, 118}),
    [](const auto& info) {
      std::string name = info.param.file.substr(0, info.param.file.find('.'));
      for (char& ch : name) {
        if (ch == '-') ch = '_';
      }
      return name;
    });

}  // namespace
}  // namespace lumetta
