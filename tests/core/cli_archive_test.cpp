// lumetta-cli list, decode, render, info and thumbs on paths that run into
// archives, run as the separate program they are.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/archive_builder.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"
#include "support/thumb_photos.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::ArchiveFormat;
using testing_support::FileItem;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::TempDir;
using testing_support::WriteArchive;

struct CliArchives {
  CliArchives() {
    photo = testing_support::BmpBytes(testing_support::Uniform(120, 90, {10, 20, 230}));
    dir.Write("build/d.bmp", photo);
    WriteArchive(dir / "build/inner.zip", ArchiveFormat::Zip, {FileItem("d.bmp", photo)});
    WriteArchive(dir / "p/outer.zip", ArchiveFormat::Zip,
                 {FileItem("inner.zip", ReadAll(dir / "build/inner.zip")), FileItem("day1/b.bmp", photo),
                  FileItem("day1/c.bmp", photo)});
    dir.Write("p/broken.zip", "PK\x03\x04");
    dir.MakeDir("app");
  }
  std::string Quoted(const std::string& relative) const { return "'" + dir / relative + "'"; }
  TempDir dir;
  std::string photo;
};

TEST(CliArchives, ListFoldersInsideArchivesNestedOrNot) {
  CliArchives f;
  EXPECT_EQ(RunCli(f.dir, "list " + f.Quoted("p/outer.zip/day1")).out, "b.bmp\nc.bmp\n");
  EXPECT_EQ(RunCli(f.dir, "list " + f.Quoted("p/outer.zip/inner.zip")).out, "d.bmp\n");
  const auto broken = RunCli(f.dir, "list " + f.Quoted("p/broken.zip"));
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.errors.find("」は、ZIP圧縮ファイルではないようです。"), std::string::npos) << broken.errors;
  EXPECT_EQ(RunCli(f.dir, "list " + f.Quoted("p/nothing.zip/day1")).status, 1);
}

TEST(CliArchives, DecodeAndRenderPhotosInsideArchivesAsOnDisk) {
  CliArchives f;
  ASSERT_EQ(RunCli(f.dir, "decode " + f.Quoted("build/d.bmp") + " -o " + f.Quoted("disk.bmp")).status, 0);
  ASSERT_EQ(RunCli(f.dir, "decode " + f.Quoted("p/outer.zip/inner.zip/d.bmp") + " -o " + f.Quoted("zip.bmp")).status, 0);
  EXPECT_EQ(ReadAll(f.dir / "zip.bmp"), ReadAll(f.dir / "disk.bmp"));
  ASSERT_EQ(RunCli(f.dir, "render " + f.Quoted("p/outer.zip/day1/b.bmp") + " --view 40x30 -o " + f.Quoted("r.bmp")).status,
            0);
  EXPECT_TRUE(fs::exists(f.dir / "r.bmp"));
  const auto missing = RunCli(f.dir, "decode " + f.Quoted("p/outer.zip/day1/gone.bmp") + " -o " + f.Quoted("x.bmp"));
  EXPECT_EQ(missing.status, 1);
  EXPECT_FALSE(fs::exists(f.dir / "x.bmp"));
}

TEST(CliArchives, InfoAndThumbnailsOfZippedPhotos) {
  CliArchives f;
  const auto info = RunCli(f.dir, "info " + f.Quoted("p/outer.zip/day1/b.bmp"));
  EXPECT_EQ(info.status, 0) << info.errors;
  EXPECT_NE(info.out.find("FileNameLbl\tb"), std::string::npos) << info.out;
  const auto thumbs =
      RunCli(f.dir, "thumbs " + f.Quoted("p/outer.zip/day1") + " -o " + f.Quoted("thumbs") + " --app-folder " +
                        f.Quoted("app"));
  EXPECT_EQ(thumbs.status, 0) << thumbs.errors;
  EXPECT_TRUE(fs::exists(f.dir / "thumbs/b_bmp.bmp"));
  EXPECT_TRUE(fs::exists(f.dir / "thumbs/c_bmp.bmp"));
  EXPECT_TRUE(fs::is_empty(f.dir / "app/Temp")) << "nothing left behind";
}

}  // namespace
}  // namespace lumetta
