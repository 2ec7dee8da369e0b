#include "core/library/sort_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/library/photo_extensions.h"
#include "core/library/photo_sort.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;

struct Commands {
  Commands() {
    state.folders.AppFolder = app.Path();
    state.PhotoExtensions = BuildPhotoExtensions({});
    state.CurrentFolder = photos.Path();
    state.settings.SlotFolder[1] = photos.Path();
    state.SlotIndex = 1;
    state.hooks.PaintStrip = [this](std::int32_t order, bool keep_hover) {
      paints.push_back(std::to_string(order) + (keep_hover ? " keep" : " drop"));
    };
    state.hooks.StopSlideShow = [this] { ++slide_stops; };
    for (const char* name : {"b.jpg", "a.jpg", "c.jpg"}) photos.Write(name);
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= state.photos.PhotoCount; ++i) names.push_back(state.photos[i].Name);
    return names;
  }
  Settings Stored() const { return LoadSettings(state.folders.SettingsFile()); }

  TempDir app;
  TempDir photos;
  AppState state;
  FakeUi ui;
  std::vector<std::string> paints;
  int slide_stops = 0;
};

struct ModeCase {
  std::string label;
  std::function<void(AppState&, UserInterface&)> click;
  SortKey mode;
  Ctl checked;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.label; }

class SortModeMenuTest : public testing::TestWithParam<ModeCase> {};

TEST_P(SortModeMenuTest, ChecksTheItemStoresTheModeAndRescans) {
  Commands c;
  c.state.settings.SortMode = static_cast<SortKey>(9);
  GetParam().click(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortMode, GetParam().mode);
  EXPECT_EQ(c.Stored().SortMode, GetParam().mode);
  for (Ctl item : {Ctl::FNameMenu, Ctl::TimeMenu, Ctl::ExifMenu}) {
    EXPECT_EQ(c.ui.checked[item], item == GetParam().checked);
  }
  EXPECT_EQ(c.state.photos.PhotoCount, 3);
  EXPECT_EQ(c.state.SlotStripPos[1], c.state.StripPos);
  EXPECT_EQ(c.paints, (std::vector<std::string>{"1 keep"}));
}

INSTANTIATE_TEST_SUITE_P(Items, SortModeMenuTest,
                         testing::Values(ModeCase{"ファイル名順", FNameMenuClick, SortKey::Name, Ctl::FNameMenu},
                                         ModeCase{"日付時間順", TimeMenuClick, SortKey::FileTime, Ctl::TimeMenu},
                                         ModeCase{"Exif日時順", ExifMenuClick, SortKey::ExifDate, Ctl::ExifMenu}));

TEST(SortCommands, FromTheRightReordersAndShowsR) {
  Commands c;
  NarabiRightMenuClick(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromRight);
  EXPECT_EQ(c.Stored().SortDirection, SortOrder::FromRight);
  EXPECT_TRUE(c.ui.checked[Ctl::NarabiRightMenu]);
  EXPECT_FALSE(c.ui.checked[Ctl::NarabiLeftMenu]);
  EXPECT_EQ(c.ui.Text(Ctl::NarabikaeLbl), "Ｒ");
  EXPECT_EQ(c.Names(), (std::vector<std::string>{"c.jpg", "b.jpg", "a.jpg"}));
  EXPECT_EQ(c.state.StripPos, 3);
  EXPECT_EQ(c.state.SlotStripPos[1], 3);
  EXPECT_EQ(c.paints.size(), 1u);
}

TEST(SortCommands, FromTheLeftReordersAndShowsL) {
  Commands c;
  c.state.settings.SortDirection = SortOrder::FromRight;
  NarabiLeftMenuClick(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromLeft);
  EXPECT_TRUE(c.ui.checked[Ctl::NarabiLeftMenu]);
  EXPECT_FALSE(c.ui.checked[Ctl::NarabiRightMenu]);
  EXPECT_EQ(c.ui.Text(Ctl::NarabikaeLbl), "Ｌ");
  EXPECT_EQ(c.ui.hints[Ctl::NarabikaeLbl],
            "現在の並び換えモードです。ここをクリック、もしくは画面上部の「並び換え」メニューで、切り替えることができます。");
  EXPECT_EQ(c.Names(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
  EXPECT_EQ(c.state.StripPos, 1);
}

TEST(SortCommands, TheLabelFlipsTheDirection) {
  Commands c;
  NarabikaeLblMouseDown(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromRight);
  NarabikaeLblMouseDown(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromLeft);
  EXPECT_EQ(c.paints.size(), 2u);
}

TEST(SortCommands, DuringASlideShowTheLabelOnlyStopsIt) {
  Commands c;
  c.state.SlideShowActive = true;
  NarabikaeLblMouseDown(c.state, c.ui);
  EXPECT_EQ(c.slide_stops, 1);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromLeft);
  EXPECT_TRUE(c.paints.empty());
}

TEST(SortCommands, NothingHappensWhileAnOperationRuns) {
  Commands c;
  c.state.UiReady = false;
  FNameMenuClick(c.state, c.ui);
  ExifMenuClick(c.state, c.ui);
  NarabiRightMenuClick(c.state, c.ui);
  NarabikaeLblMouseDown(c.state, c.ui);
  EXPECT_EQ(c.state.settings.SortDirection, SortOrder::FromLeft);
  EXPECT_EQ(c.state.settings.SortMode, SortKey::Name);
  EXPECT_TRUE(c.ui.checked.empty());
  EXPECT_TRUE(c.paints.empty());
  EXPECT_FALSE(IsRegularFile(c.state.folders.SettingsFile()));
}

TEST(SortCommands, WithoutASlotTheStripPositionIsNotStored) {
  Commands c;
  c.state.SlotIndex = 0;
  c.state.SlotStripPos = {1, 1, 1};
  NarabiRightMenuClick(c.state, c.ui);
  EXPECT_EQ(c.state.StripPos, 3);
  EXPECT_EQ(c.state.SlotStripPos, (PerSlot<std::int32_t>{1, 1, 1}));
}

TEST(SortCommands, TheStoredSettingsSetTheMenusAtStartUp) {
  Commands c;
  c.state.settings.SortMode = SortKey::ExifDate;
  c.state.settings.SortDirection = SortOrder::FromRight;
  ShowSortMode(c.state, c.ui);
  ShowSortDirection(c.state, c.ui);
  EXPECT_TRUE(c.ui.checked[Ctl::ExifMenu]);
  EXPECT_FALSE(c.ui.checked[Ctl::FNameMenu]);
  EXPECT_EQ(c.ui.Text(Ctl::NarabikaeLbl), "Ｒ");
  EXPECT_TRUE(c.paints.empty()) << "showing the settings does not rescan";
  EXPECT_EQ(c.state.photos.PhotoCount, 0);
}

}  // namespace
}  // namespace lumetta
