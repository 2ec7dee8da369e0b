#include "core/library/slot_labels.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/state/app_state.h"
#include "support/fake_ui.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;

// The fake measures 6 pixels for a half-width and 12 for a full-width
// character; the folder panel is 211 pixels wide, so width 0 leaves 164
// pixels a line (27 half-width characters), and line 2 keeps 156 - 12 for
// the text after "…" (24 half-width characters).
struct LabelCase {
  const char* name;
  std::string path;
  int width;
  SlotLines expected;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name << ": \"" << c.path << "\" width " << c.width; }

class SlotDisplayNameTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(SlotDisplayNameTest, SplitsThePathOverTwoLines) {
  AppState state;
  state.folders.PicturesFolder = "/home/u/Pictures";
  state.folders.DocumentsFolder = "/home/u/Documents";
  state.folders.DesktopFolder = "/home/u/Desktop";
  FakeUi ui;
  EXPECT_EQ(SlotDisplayName(state, ui, GetParam().path, GetParam().width), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SlotDisplayNameTest,
    ::testing::Values(
        LabelCase{"unset slot", "", 0, {"（未設定）", " "}},
        LabelCase{"short path", "/data/photos", 0, {"/data/photos", " "}},
        LabelCase{"pictures folder", "/home/u/Pictures", 0, {"マイ ピクチャ", " "}},
        LabelCase{"below the pictures folder", "/home/u/Pictures/2004/Trip", 0, {"マイ ピクチャ/2004/Trip", " "}},
        LabelCase{"pictures folder in other case", "/home/u/pictures/2004", 0, {"マイ ピクチャ/2004", " "}},
        LabelCase{"documents folder", "/home/u/Documents/scans", 0, {"マイ ドキュメント/scans", " "}},
        LabelCase{"desktop", "/home/u/Desktop", 0, {"デスクトップ", " "}},
        LabelCase{"a longer name is no prefix", "/home/u/Pictures2/x", 0, {"/home/u/Pictures2/x", " "}},
        LabelCase{"rest fits on line 2",
                  "/srv/archive/photographs/2024/summer-holidays/kyoto",
                  0,
                  {"/srv/archive/photographs/20", "24/summer-holidays/kyoto"}},
        LabelCase{"middle dropped",
                  "/srv/archive/photographs/2024/summer-holidays/kyoto-nara",
                  0,
                  {"/srv/archive/photographs/20", "…mmer-holidays/kyoto-nara"}},
        LabelCase{"full-width names, middle dropped",
                  "/home/u/Pictures/家族旅行/京都と奈良の寺院めぐり/二日目の午後の写真",
                  0,
                  {"マイ ピクチャ/家族旅行/京都", "…ぐり/二日目の午後の写真"}},
        LabelCase{"given width halves", "/data/photos/2024-summer", 200, {"/data/photos/202", "4-summer"}},
        LabelCase{"given width, middle dropped",
                  "/data/photos/2024-summer/day-one",
                  200,
                  {"/data/photos/202", "…ummer/day-one"}}));

TEST(RefreshSlotLabels, ShowsEachSlotWithItsPathAsHintAndLowersOneLineSlots) {
  AppState state;
  state.settings.SlotFolder[1] = "/data/photos";
  state.settings.SlotFolder[2] = "/srv/archive/photographs/2024/summer-holidays/kyoto";
  FakeUi ui;
  RefreshSlotLabels(state, ui);

  EXPECT_EQ(ui.Text(Ctl::FolderLbl1), "/data/photos");
  EXPECT_EQ(ui.Text(Ctl::FolderLbl1B), " ");
  EXPECT_EQ(ui.hints[Ctl::FolderLbl1], "/data/photos");
  EXPECT_EQ(ui.hints[Ctl::FolderLbl1B], "/data/photos");
  EXPECT_EQ(ui.tops[Ctl::FolderLbl1], SlotLabelTop(1) + 1);

  EXPECT_EQ(ui.Text(Ctl::FolderLbl2), "/srv/archive/photographs/20");
  EXPECT_EQ(ui.Text(Ctl::FolderLbl2B), "24/summer-holidays/kyoto");
  EXPECT_EQ(ui.tops[Ctl::FolderLbl2], SlotLabelTop(2));

  EXPECT_EQ(ui.Text(Ctl::FolderLbl3), "（未設定）");
  EXPECT_EQ(ui.Text(Ctl::FolderLbl3B), " ");
  EXPECT_EQ(ui.hints[Ctl::FolderLbl3], "");
}

}  // namespace
}  // namespace lumetta
