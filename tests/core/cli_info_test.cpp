// lumetta-cli info: the information panel's captions, one label a line, as
// the separate program it is.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_run.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::CliRun;
using testing_support::ExifBlock;
using testing_support::JfifSegment;
using testing_support::JpegWithExif;
using testing_support::Long;
using testing_support::Rational;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::Short;
using testing_support::SRational;
using testing_support::TempDir;
using testing_support::WithSegmentsFirst;

// lumetta-cli info with arguments.
CliRun Info(const std::string& arguments, const TempDir& dir) { return RunCli(dir, "info " + arguments); }

// A camera's Exif block, behind a JFIF segment: IFD0 with Make, Model,
// Orientation and Software (entries 0 to 3), then the Exif IFD.
ExifBlock CameraBlock() {
  return ExifBlock{false,
                   8,
                   {Ascii(0x010F, "OLYMPUS OPTICAL CO.,LTD"), Ascii(0x0110, "C8080WZ"), Short(0x0112, 1),
                    Ascii(0x0131, "Ver1.01")},
                   {Rational(0x829A, 10, 1250), Rational(0x829D, 28, 10), Short(0x8827, 50),
                    Ascii(0x9003, "2006:10:22 15:44:29"), SRational(0x9204, -1, 4), Short(0x9209, 0x0019),
                    Rational(0x920A, 158, 10), Long(0xA002, 640), Long(0xA003, 480), Short(0xA40A, 2)}};
}

std::string CameraJpeg() {
  std::string jpeg = WithSegmentsFirst(JpegWithExif(CameraBlock().Bytes(), "\xFF\xD9"), JfifSegment());
  jpeg.resize(2'730'500, '\0');
  return jpeg;
}

std::string ExpectedLines(const std::string& name, const std::string& extension) {
  const ExifBlock b = CameraBlock();
  const std::size_t app1 = 2 + 6 + b.Bytes().size();
  return "FileNameLbl\t" + name + "\nExtNameLbl\t" + extension +
         "\nFileSizeLbl\t[2731KB]\nHidukeLbl\t06/10/22\nTimeLbl\t15:44:29\nCameraLbl\tC8080WZ [v1.01]\n"
         "MakerLbl\t(OLYMPUS)\nSatsueiLbl\tF2.8 1/125 ISO50\nStrobeLbl\t★\nSatsueiLbl2\t(-0.3EV) 15.8mm Hard\n"
         "App1Length\t" +
         std::to_string(app1) + "\nOrientationEntryPos\t" + std::to_string(12 + b.Ifd0EntryAt(2) + 2) +
         "\nWidthEntryPos\t" + std::to_string(12 + b.ExifEntryAt(7) + 2) + "\nHeightEntryPos\t" +
         std::to_string(12 + b.ExifEntryAt(8) + 2) + "\n";
}

TEST(CliInfo, PrintsThePanelLabelByLabelWithTheirBlanks) {
  TempDir dir;
  const std::string photo = dir.Write("P1010001.JPG", CameraJpeg());
  const CliRun run = Info("'" + photo + "'", dir);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.out, ExpectedLines("P1010001", ".JPG"));
  EXPECT_EQ(ReadAll(photo), CameraJpeg());
}

TEST(CliInfo, AnEditedPhotoFileReadsItsSourcePhoto) {
  TempDir dir;
  dir.Write("P1010001.JPG", CameraJpeg());
  const std::string edited = dir.Write("P1010001_jpg-002.lum", "100\r\n");
  const CliRun run = Info("'" + edited + "'", dir);
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.out, ExpectedLines("P1010001", "jpg-002.lum"));

  const CliRun orphan = Info("'" + dir.Write("Gone_jpg.lum", "100\r\n") + "'", dir);
  EXPECT_EQ(orphan.status, 1);
  EXPECT_NE(orphan.errors.find("Gone.jpg"), std::string::npos) << orphan.errors;
}

TEST(CliInfo, ATruncatedPhotoExitsWithTheReadErrorMessage) {
  TempDir dir;
  const std::string jpeg = JpegWithExif(CameraBlock().Bytes());
  const std::string photo = dir.Write("cut.jpg", jpeg.substr(0, jpeg.size() - 30));
  const CliRun run = Info("'" + photo + "'", dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "画像ファイル cut.jpg\nは壊れているか、「Lumetta」で読み込めない形式です。\n");
  // What was read before the end stays; the segment is not kept.
  EXPECT_NE(run.out.find("MakerLbl\t(OLYMPUS)\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("App1Length\t0\n"), std::string::npos) << run.out;
}

TEST(CliInfo, AFileWithoutExifShowsItsNameAndSize) {
  TempDir dir;
  const CliRun run = Info("'" + dir.Write("scan.bmp", std::string(45'000, 'B')) + "'", dir);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "FileNameLbl\tscan\nExtNameLbl\t.bmp\nFileSizeLbl\t  [45KB]\nHidukeLbl\t\nTimeLbl\t\nCameraLbl\t\n"
            "MakerLbl\t\nSatsueiLbl\t\nStrobeLbl\t\nSatsueiLbl2\t\nApp1Length\t0\nOrientationEntryPos\t0\n"
            "WidthEntryPos\t0\nHeightEntryPos\t0\n");
}

TEST(CliInfo, WrongArgumentsExitWithTwoAndAMissingPhotoWithOne) {
  TempDir dir;
  EXPECT_EQ(Info("", dir).status, 2);
  EXPECT_EQ(Info("a.jpg b.jpg", dir).status, 2);
  EXPECT_EQ(Info("--fast a.jpg", dir).status, 2);
  EXPECT_EQ(Info("'" + (dir / "gone.jpg") + "'", dir).status, 1);
  EXPECT_EQ(Info("'" + dir.MakeDir("folder.jpg") + "'", dir).status, 1);
}

}  // namespace
}  // namespace lumetta
