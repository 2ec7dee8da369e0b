// lumetta-cli list and decode, run as the separate program they are.
#include <gtest/gtest.h>

#include <string>

#include "support/cli_run.h"
#include "support/exif_bytes.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::ExifJpeg;
using testing_support::ExifLayout;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::TempDir;

TEST(CliList, PrintsThePhotoListAsTheStripShowsIt) {
  TempDir dir;
  const std::string folder = dir.MakeDir("photos");
  for (const char* name : {"img_9.jpg", "IMG_10.jpg", "b.JPG", "b_jpg.lum", "notes.txt", "c.tif"}) {
    dir.Write(std::string("photos/") + name, "x");
  }
  EXPECT_EQ(RunCli(dir, "list '" + folder + "'").out, "b_jpg.lum\nc.tif\nIMG_10.jpg\nimg_9.jpg\n");
  EXPECT_EQ(RunCli(dir, "list '" + folder + "' --sort name --desc").out, "img_9.jpg\nIMG_10.jpg\nc.tif\nb_jpg.lum\n");
}

TEST(CliList, SortsByExifDate) {
  TempDir dir;
  const std::string folder = dir.MakeDir("photos");
  ExifLayout early;
  early.dates = {"2001:01:01 00:00:00"};
  ExifLayout late;
  late.dates = {"2009:01:01 00:00:00"};
  dir.Write("photos/a.jpg", ExifJpeg(late));
  dir.Write("photos/b.jpg", ExifJpeg(early));
  dir.Write("photos/c.jpg", "no exif");
  EXPECT_EQ(RunCli(dir, "list '" + folder + "' --sort exif").out, "b.jpg\na.jpg\nc.jpg\n");
  EXPECT_EQ(RunCli(dir, "list '" + folder + "' --sort exif --desc").out, "c.jpg\na.jpg\nb.jpg\n");
}

TEST(CliList, WrongArgumentsExitWithTwoAndAMissingFolderWithOne) {
  TempDir dir;
  EXPECT_EQ(RunCli(dir, "list").status, 2);
  EXPECT_EQ(RunCli(dir, "list '" + dir.Path() + "' --sort size").status, 2);
  EXPECT_EQ(RunCli(dir, "list '" + (dir / "gone") + "'").status, 1);
}

TEST(CliDecode, DecodesJpegAndTiffAndRefusesLzw) {
  TempDir dir;
  const std::string jpeg = std::string(LUMETTA_FIXTURES) + "/camera/Canon_40D.jpg";
  EXPECT_EQ(RunCli(dir, "decode '" + jpeg + "' -o '" + (dir / "out.bmp") + "'").status, 0);
  const std::string bmp = ReadAll(dir / "out.bmp");
  ASSERT_GT(bmp.size(), 54u);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bmp[18]), 100);
  EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);

  std::string tiff("MM\0*\0\0\0\x08\0\x03", 10);
  auto entry = [&](int tag, int type, int value) {
    const char e[12] = {static_cast<char>(tag >> 8), static_cast<char>(tag), 0, static_cast<char>(type), 0, 0, 0, 1,
                        0, 0, 0, static_cast<char>(value)};
    tiff.append(e, 12);
  };
  entry(256, 4, 2);
  entry(257, 4, 1);
  entry(273, 4, 50);
  tiff.append(4, '\0');
  tiff += "\x01\x02\x03\x04\x05\x06";
  const std::string tif = dir.Write("a.tif", tiff);
  EXPECT_EQ(RunCli(dir, "decode '" + tif + "' -o '" + (dir / "t.bmp") + "'").status, 0);
  const std::string tbmp = ReadAll(dir / "t.bmp");
  ASSERT_EQ(tbmp.size(), 54u + 8u);
  EXPECT_EQ(tbmp.substr(54, 6), "\x03\x02\x01\x06\x05\x04");

  // The first entry becomes Compression 5 (LZW).
  tiff[11] = 3;
  tiff[21] = 5;
  EXPECT_EQ(RunCli(dir, "decode '" + dir.Write("lzw.tif", tiff) + "' -o '" + (dir / "l.bmp") + "'").status, 1);
}

}  // namespace
}  // namespace lumetta
