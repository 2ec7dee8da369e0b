// lumetta-cli export: the export dialog's result from the command line, the
// view rendered as the render command renders it.
#include <gtest/gtest.h>

#include <string>

#include "core/export/export_exif.h"
#include "core/imaging/jpeg_encoder.h"
#include "core/records/exif_info.h"
#include "core/support/cli_run.h"
#include "core/support/exif_bytes.h"
#include "core/support/temp_dir.h"
#include "core/support/view_images.h"

namespace lumetta {
namespace {

using testing_support::Ascii;
using testing_support::ExifBlock;
using testing_support::JpegWithExif;
using testing_support::MakeImage;
using testing_support::PixelAt;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::SamePixels;
using testing_support::TempDir;

struct CliExportFixture {
  CliExportFixture() {
    const TDibImage gradient =
        MakeImage(64, 48, [](std::int32_t x, std::int32_t y) { return Rgb{2 * x, 3 * y, 200 - x}; });
    ExifBlock block{true, 8, {Ascii(0x0110, "Cam"), testing_support::Short(0x0112, 8)}, {Ascii(0x9003, "2008:05:30 15:56:01"), testing_support::Long(0xA002, 64), testing_support::Long(0xA003, 48)}};
    photo = dir.Write("IMG_0001.JPG", JpegWithExif(block.Bytes(), EncodeJpeg(gradient, 95).substr(2)));
    source = ReadAll(photo);
  }
  std::string Q(const std::string& path) const { return "\"" + path + "\" "; }

  TempDir dir;
  std::string photo;
  std::string source;
};

TEST(CliExport, BmpIsTheRenderOfTheSameOptions) {
  CliExportFixture f;
  const std::string options = "--view 80x60 --rotation 1 --brightness 20 --zoom 200 ";
  ASSERT_EQ(RunCli(f.dir, "render " + f.Q(f.photo) + options + "-o " + f.Q(f.dir / "r.bmp")).status, 0);
  const auto run = RunCli(f.dir, "export " + f.Q(f.photo) + options + "--format bmp -o " + f.Q(f.dir / "e.bmp"));
  ASSERT_EQ(run.status, 0) << run.errors;
  TDibImage rendered;
  rendered.LoadFromFile(f.dir / "r.bmp");
  TDibImage exported;
  exported.LoadFromFile(f.dir / "e.bmp");
  EXPECT_TRUE(SamePixels(rendered, exported));
  EXPECT_FALSE(exported.TopDown());
  EXPECT_EQ(ReadAll(f.photo), f.source);
}

TEST(CliExport, JpegCarriesTheExifOverAndEncodesTheRenderAtTheBarsQuality) {
  CliExportFixture f;
  ASSERT_EQ(RunCli(f.dir, "render " + f.Q(f.photo) + "--view 800x600 -o " + f.Q(f.dir / "r.bmp")).status, 0);
  TDibImage rendered;
  rendered.LoadFromFile(f.dir / "r.bmp");
  // 64 x 48 sits in the middle of the default 800 x 600 view.
  const TDibImage photo_part =
      MakeImage(64, 48, [&](std::int32_t x, std::int32_t y) { return PixelAt(rendered, 368 + x, 276 + y); });

  auto run = RunCli(f.dir, "export " + f.Q(f.photo) + "--cut --format jpeg --quality 1 --exif -o " + f.Q(f.dir / "e.jpg"));
  ASSERT_EQ(run.status, 0) << run.errors;
  const std::string bytes = ReadAll(f.dir / "e.jpg");
  const ExifInfo exif = ReadExifInfo(f.photo).Info;
  const std::string header = ExportJpegHeader(exif, 64, 48);
  EXPECT_EQ(bytes.substr(0, header.size()), header);
  EXPECT_EQ(bytes.substr(header.size()), EncodeJpeg(photo_part, 55).substr(2));

  run = RunCli(f.dir, "export " + f.Q(f.photo) + "--format jpeg -o " + f.Q(f.dir / "plain.jpg"));
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(ReadAll(f.dir / "plain.jpg"), std::string("\xFF\xD8", 2) + EncodeJpeg(rendered, 90).substr(2));
  EXPECT_EQ(ReadAll(f.photo), f.source);
}

TEST(CliExport, RefusesWrongArgumentsAndThePhotoItself) {
  CliExportFixture f;
  const std::string p = f.Q(f.photo);
  const std::string o = "-o " + f.Q(f.dir / "e.jpg");
  EXPECT_EQ(RunCli(f.dir, "export " + p + o).status, 2);  // no --format
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format png " + o).status, 2);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format jpeg --quality 11 " + o).status, 2);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format jpeg --mode best " + o).status, 2);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format jpeg").status, 2);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format jpeg -o " + f.Q(f.photo)).status, 2);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format jpeg -o " + f.Q(f.dir / "img_0001.jpg")).status, 2);
  EXPECT_EQ(ReadAll(f.photo), f.source);
  EXPECT_EQ(RunCli(f.dir, "export " + p + "--format bmp -o " + f.Q(f.dir / "missing/e.bmp")).status, 1);
}

}  // namespace
}  // namespace lumetta
