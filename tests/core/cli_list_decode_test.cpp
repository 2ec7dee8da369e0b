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

TEST(CliList, SortsJfifFirstCameraPhotosByTheirShootingDate) {
  // All three start with a JFIF APP0 segment before their Exif block; by
  // name they would be Canon, Fujifilm, Nikon.
  TempDir dir;
  const std::string folder = dir.MakeDir("photos");
  for (const char* name : {"Canon_40D.jpg", "Fujifilm_FinePix_E500.jpg", "Nikon_D70.jpg"}) {
    dir.Write(std::string("photos/") + name, ReadAll(std::string(LUMETTA_FIXTURES) + "/camera/" + name));
  }
  EXPECT_EQ(RunCli(dir, "list '" + folder + "' --sort exif").out,
            "Fujifilm_FinePix_E500.jpg\nNikon_D70.jpg\nCanon_40D.jpg\n");
}

TEST(CliList, WrongArgumentsExitWithTwoAndAMissingFolderWithOne) {
  TempDir dir;
  EXPECT_EQ(RunCli(dir, "list").status, 2);
  EXPECT_EQ(RunCli(dir, "list '" + dir.Path() + "' --sort size").status, 2);
  EXPECT_EQ(RunCli(dir, "list '" + (dir / "gone") + "'").status, 1);
}

// The program's own decoders (--no-plugins: no TIFF plug-in takes the TIFFs
// over).
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
  EXPECT_EQ(RunCli(dir, "decode '" + tif + "' -o '" + (dir / "t.bmp") + "' --no-plugins").status, 0);
  const std::string tbmp = ReadAll(dir / "t.bmp");
  ASSERT_EQ(tbmp.size(), 54u + 8u);
  EXPECT_EQ(tbmp.substr(54, 6), "\x03\x02\x01\x06\x05\x04");

  // An uncompressed TIFF as ImageMagick writes it: strips of 7 rows (the
  // last of 6), the directory after them. The BMP holds ImageMagick's pixels.
  const std::string im = std::string(LUMETTA_FIXTURES) + "/tiff/imagemagick_rows_per_strip_7.tif";
  EXPECT_EQ(RunCli(dir, "decode '" + im + "' -o '" + (dir / "im.bmp") + "' --no-plugins").status, 0);
  const std::string imbmp = ReadAll(dir / "im.bmp");
  const std::string rgb = ReadAll(std::string(LUMETTA_FIXTURES) + "/tiff/imagemagick_23x20.rgb");
  ASSERT_EQ(imbmp.size(), 54u + 72u * 20u);
  for (std::size_t y = 0; y < 20; ++y) {
    for (std::size_t x = 0; x < 23; ++x) {
      const std::size_t at = 54 + (19 - y) * 72 + x * 3;  // bottom-up rows of 23 pixels + 3 bytes
      const std::string bgr{imbmp[at + 2], imbmp[at + 1], imbmp[at]};
      ASSERT_EQ(bgr, rgb.substr((y * 23 + x) * 3, 3)) << x << "," << y;
    }
  }

  // The first entry becomes Compression 5 (LZW).
  tiff[11] = 3;
  tiff[21] = 5;
  EXPECT_EQ(RunCli(dir, "decode '" + dir.Write("lzw.tif", tiff) + "' -o '" + (dir / "l.bmp") + "' --no-plugins").status,
            1);
}

// With the plug-ins built beside it, lumetta-cli reads what they read: every
// TIFF goes to the TIFF plug-in, the other formats by their extension.
TEST(CliDecode, ReadsThePluginFormats) {
  TempDir dir;
  const std::string fixtures = std::string(LUMETTA_FIXTURES) + "/plugins/";
  for (const char* name : {"lzw.tif", "rgb.png", "lossy.webp", "photo.heic", "photo.avif"}) {
    SCOPED_TRACE(name);
    const std::string out = dir / (std::string(name) + ".bmp");
    EXPECT_EQ(RunCli(dir, "decode '" + fixtures + name + "' -o '" + out + "'").status, 0);
    const std::string bmp = ReadAll(out);
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);
  }
  EXPECT_EQ(RunCli(dir, "decode '" + fixtures + "rgb.png' -o '" + (dir / "none.bmp") + "' --no-plugins").status, 1);
}

}  // namespace
}  // namespace lumetta
