// lumetta-cli decode: pixels out as a 24-bit BMP, exit status and message for
// files it cannot read and for wrong arguments.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/imaging/dib_image.h"
#include "core/support/cli_run.h"
#include "core/support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::CliRun;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::TempDir;

const std::filesystem::path kBmpFixtures = std::filesystem::path(LUMETTA_FIXTURES) / "bmp";

std::string Quoted(const std::filesystem::path& p) { return "\"" + p.string() + "\""; }

TEST(DecodeCommand, WritesTheDecodedPixelsAsA24BitBmp) {
  TempDir dir;
  for (const char* name : {"8bit_rle", "4bit", "32bit", "os2_8bit"}) {
    const auto photo = kBmpFixtures / "imagemagick" / (std::string(name) + ".bmp");
    const std::string before = ReadAll(photo.string());
    const std::string out = dir / (std::string(name) + "_out.bmp");
    const CliRun run = RunCli(dir, "decode " + Quoted(photo) + " -o \"" + out + "\"");
    ASSERT_EQ(run.status, 0) << name << ": " << run.errors;
    EXPECT_EQ(ReadAll(photo.string()), before) << "the photo was written";

    TDibImage expected;
    expected.LoadFromFile(photo.string());
    expected.SetPixelFormat(TDibPixelFormat::dpf24Bit);
    TDibImage written;
    written.LoadFromFile(out);
    EXPECT_EQ(written.PixelFormat(), TDibPixelFormat::dpf24Bit) << name;
    ASSERT_EQ(written.Width(), expected.Width());
    ASSERT_EQ(written.Height(), expected.Height());
    for (std::int32_t y = 0; y < written.Height(); ++y) {
      for (std::int32_t x = 0; x < written.Width(); ++x) {
        ASSERT_EQ(written.Pixels(x, y), expected.Pixels(x, y)) << name << " at " << x << "," << y;
      }
    }
  }
}

TEST(DecodeCommand, FailsWithStatus1AndAMessageForFilesItCannotRead) {
  TempDir dir;
  const std::string damaged = (kBmpFixtures / "truncated_rows.bmp").string();
  const std::string missing = dir / "missing.bmp";
  const std::string not_a_bmp = dir.Write("photo.bmp", "\x89PNG\r\n\x1a\n0000000000000000");
  struct Row {
    std::string photo;
    std::string message;
  };
  for (const Row& r : {Row{damaged, "TDibData.LoadFromStream: File is truncated"}, Row{missing, "missing.bmp"},
                       Row{not_a_bmp, "TDibData.LoadFromFile: File type is invalid"}}) {
    const std::string out = dir / "out.bmp";
    const CliRun run = RunCli(dir, "decode \"" + r.photo + "\" -o \"" + out + "\"");
    EXPECT_EQ(run.status, 1) << r.photo;
    EXPECT_NE(run.errors.find(r.message), std::string::npos) << run.errors;
    EXPECT_FALSE(std::filesystem::exists(out)) << r.photo;
  }
}

TEST(DecodeCommand, FailsWithStatus2ForWrongArguments) {
  TempDir dir;
  const std::string photo = Quoted(kBmpFixtures / "imagemagick" / "24bit.bmp");
  for (const std::string& arguments :
       {std::string("decode"), "decode " + photo, "decode -o \"" + (dir / "o.bmp") + "\"",
        "decode " + photo + " " + photo + " -o \"" + (dir / "o.bmp") + "\"",
        "decode " + photo + " -o \"" + (dir / "o.bmp") + "\" --fast", "decode " + photo + " -o " + photo}) {
    const CliRun run = RunCli(dir, arguments);
    EXPECT_EQ(run.status, 2) << arguments;
    EXPECT_FALSE(run.errors.empty()) << arguments;
  }
}

}  // namespace
}  // namespace lumetta
