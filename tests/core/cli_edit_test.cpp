#include <gtest/gtest.h>

#include <string>

#include "core/variants/lum_forms.h"
#include "support/cli_run.h"
#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::ShowFixture;

const std::string kBrightened =
    "100\r\n\r\n0\r\n0\r\n 5.00000000000000E-0001\r\n-1\r\n-1\r\n40\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";

std::string Q(const std::string& path) { return "\"" + path + "\""; }

TEST(CliEdit, WritesTheBytesTheSaveDialogWritesForTheSameState) {
  ShowFixture f;
  const std::string photo = f.WritePhoto("cli/p.bmp", Rgb{10, 20, 30});
  f.WritePhoto("dialog/p.bmp", Rgb{10, 20, 30});
  const std::string bytes = ReadAll(photo);

  const auto run = RunCli(f.dir, "edit " + Q(photo) + " --brightness 40 --comment \"夕焼け\" --view 80x60");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.out, f.dir / "cli/p_bmp.lum" + "\n");

  f.Open("dialog");
  ShowPhoto(f.state, f.ui, 1, 1);
  f.state.current.Edits.Brightness = 40;
  {
    LumSaveModel model(f.state, f.ui);
    ASSERT_TRUE(model.SaveToRow(0, "夕焼け", false));
  }
  EXPECT_EQ(ReadAll(f.dir / "cli/p_bmp.lum"), ReadAll(f.dir / "dialog/p_bmp.lum"));
  EXPECT_EQ(ReadAll(photo), bytes);
}

TEST(CliEdit, NumbersVariantsAndStartsFromAnEditedFile) {
  ShowFixture f;
  const std::string photo = f.WritePhoto("p.bmp", Rgb{10, 20, 30});
  const std::string bytes = ReadAll(photo);
  ASSERT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --brightness 40 --view 80x60").status, 0);
  EXPECT_EQ(ReadAll(f.dir / "p_bmp.lum"), kBrightened);

  // The default variant is the start; without a number it is overwritten.
  auto run = RunCli(f.dir, "edit " + Q(f.dir / "p_bmp.lum") + " --rotation 2 --view 80x60");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.out, f.dir / "p_bmp.lum" + "\n");
  EXPECT_EQ(ReadAll(f.dir / "p_bmp.lum"),
            "100\r\n\r\n2\r\n0\r\n 5.00000000000000E-0001\r\n-1\r\n-1\r\n40\r\n256\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");

  run = RunCli(f.dir, "edit " + Q(photo) + " --add --view 80x60");
  EXPECT_EQ(run.out, f.dir / "p_bmp-001.lum" + "\n");
  run = RunCli(f.dir, "edit " + Q(f.dir / "p_bmp.lum") + " --add --upper-case-ext --view 80x60");
  EXPECT_EQ(run.out, f.dir / "p_bmp-002.LUM" + "\n");
  run = RunCli(f.dir, "edit " + Q(photo) + " --variant 5 --comment-fix -1 --view 80x60");
  EXPECT_EQ(run.out, f.dir / "p_bmp-005.lum" + "\n");
  EXPECT_NE(ReadAll(f.dir / "p_bmp-005.lum").find("\r\n-1\r\n0\r\n0\r\n"), std::string::npos);
  EXPECT_EQ(ReadAll(photo), bytes);
}

TEST(CliEdit, RefusesWrongArgumentsAndMalformedFiles) {
  ShowFixture f;
  const std::string photo = f.WritePhoto("p.bmp", Rgb{10, 20, 30});
  EXPECT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --add --variant 2").status, 2);
  EXPECT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --contrast 0").status, 2);
  EXPECT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --rotation 3").status, 2);
  EXPECT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --centre 1,1").status, 2);
  // Line 9 empty: the file cannot be shown, and nothing is written.
  const std::string bad = f.dir.Write("p_bmp-003.lum", "100\r\n\r\n0\r\n0\r\n0\r\n-1\r\n-1\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
  const auto run = RunCli(f.dir, "edit " + Q(bad) + " --brightness 5");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("not an edited-photo file"), std::string::npos) << run.errors;
  EXPECT_EQ(ReadAll(bad), "100\r\n\r\n0\r\n0\r\n0\r\n-1\r\n-1\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
}

TEST(CliRender, AnEditedFileIsDrawnWithItsSavedState) {
  ShowFixture f;
  const std::string photo = f.WritePhoto("p.bmp", Rgb{10, 20, 30});
  ASSERT_EQ(RunCli(f.dir, "edit " + Q(photo) + " --brightness 40 --rotation 1 --view 80x60").status, 0);
  ASSERT_EQ(RunCli(f.dir, "render " + Q(f.dir / "p_bmp.lum") + " --view 80x60 -o " + Q(f.dir / "a.bmp")).status, 0);
  ASSERT_EQ(RunCli(f.dir, "render " + Q(photo) + " --view 80x60 --brightness 40 --rotation 1 -o " +
                              Q(f.dir / "b.bmp"))
                .status,
            0);
  EXPECT_EQ(ReadAll(f.dir / "a.bmp"), ReadAll(f.dir / "b.bmp"));
  ASSERT_EQ(RunCli(f.dir, "render " + Q(photo) + " --view 80x60 -o " + Q(f.dir / "c.bmp")).status, 0);
  EXPECT_NE(ReadAll(f.dir / "a.bmp"), ReadAll(f.dir / "c.bmp"));
}

}  // namespace
}  // namespace lumetta
