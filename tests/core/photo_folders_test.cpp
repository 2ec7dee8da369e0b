#include "core/library/photo_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing_support::FolderFixture;

struct SlotFixture : FolderFixture {
  SlotFixture() {
    one = dir.MakeDir("one");
    dir.Write("one/a.jpg");
    dir.Write("one/sub/b.jpg");
    dir.Write("one/sub/c.jpg");
    two = dir.MakeDir("two");
    state.settings.SlotFolder[1] = one;
    state.SlotLastFolder[1] = one;
  }
  Settings Saved() const { return LoadSettings(state.folders.SettingsFile()); }
  std::string one;
  std::string two;
};

TEST(SelectSlot, OpensTheSlotsLastFolderAndItsStripPosition) {
  SlotFixture f;
  f.state.SlotLastFolder[1] = f.dir / "one/sub";
  f.state.SlotStripPos[1] = 2;
  SelectSlot(f.state, f.ui, 1);
  EXPECT_EQ(f.state.SlotIndex, 1);
  EXPECT_EQ(f.state.CurrentFolder, f.dir / "one/sub");
  EXPECT_EQ(f.state.photos.PhotoCount, 2);
  EXPECT_EQ(f.state.StripPos, 2);
  EXPECT_EQ(f.Tree(), (Lines{"one +", "  sub + <"}));
  EXPECT_EQ(f.calls, (Lines{"radio 1", "strip 1 hover"}));
  EXPECT_EQ(f.ui.focus_moves, (std::vector<Ctl>{Ctl::DummyBtn}));
  EXPECT_EQ(f.watched, f.one);
}

TEST(SelectSlot, KeepsTheStripPositionWithinTheList) {
  SlotFixture f;
  f.state.SlotStripPos[1] = 7;
  SelectSlot(f.state, f.ui, 1);
  EXPECT_EQ(f.state.StripPos, 1);
  EXPECT_EQ(f.state.SlotStripPos[1], 1);
}

TEST(SelectSlot, AVanishedRootIsReportedAndClearedUntilTheNextSave) {
  SlotFixture f;
  SaveSettings(f.state.folders.SettingsFile(), f.state.settings);
  fs::remove_all(f.one);
  SelectSlot(f.state, f.ui, 1);
  EXPECT_EQ(f.ui.LastLines(), (Lines{"設定されているフォルダが見つかりませんでした。", "このフォルダの設定を解除しました。"}));
  EXPECT_EQ(f.state.settings.SlotFolder[1], "");
  EXPECT_EQ(f.Saved().SlotFolder[1], f.one);
  EXPECT_EQ(f.ui.Text(Ctl::FolderLbl1), "（未設定）");
  EXPECT_TRUE(f.state.tree.Empty());
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
  EXPECT_EQ(f.calls.back(), "strip 1 hover");
}

TEST(SelectSlot, AnUnsetSlotShowsNothing) {
  SlotFixture f;
  SelectSlot(f.state, f.ui, 3);
  EXPECT_EQ(f.state.SlotIndex, 3);
  EXPECT_EQ(f.state.CurrentFolder, "");
  EXPECT_TRUE(f.state.tree.Empty());
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(f.state.StripPos, 0);
}

TEST(FolderBtnClick, ChoosingAFolderSetsTheSlotAndSelectsIt) {
  SlotFixture f;
  f.state.current.Slot = 2;
  f.ui.chosen_folders.push_back(f.two + "/");
  FolderBtnClick(f.state, f.ui, 2);
  ASSERT_EQ(f.ui.folder_choices.size(), 1u);
  EXPECT_EQ(f.ui.folder_choices[0].title, "「写真のあるフォルダ(2)」を設定");
  EXPECT_EQ(f.ui.folder_choices[0].preselected, "");
  EXPECT_EQ(f.state.settings.SlotFolder[2], f.two);
  EXPECT_EQ(f.Saved().SlotFolder[2], f.two);
  EXPECT_EQ(f.Saved().SlotFolder[1], f.one);
  EXPECT_EQ(f.state.current.Slot, 0);
  EXPECT_EQ(f.state.SlotIndex, 2);
  EXPECT_EQ(f.state.CurrentFolder, f.two);
  EXPECT_EQ(f.ui.Text(Ctl::FolderLbl2), f.two.size() <= 27 ? f.two : f.two.substr(0, 27));
  EXPECT_EQ(f.Tree(), (Lines{"two + <"}));
  EXPECT_EQ(f.ui.focus_moves.back(), Ctl::DummyBtn);
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(FolderBtnClick, PreselectsTheSlotsFolderButNotTheDesktop) {
  SlotFixture f;
  FolderBtnClick(f.state, f.ui, 1);
  f.state.settings.SlotFolder[3] = f.state.folders.DesktopFolder;
  FolderBtnClick(f.state, f.ui, 3);
  ASSERT_EQ(f.ui.folder_choices.size(), 2u);
  EXPECT_EQ(f.ui.folder_choices[0].title, "「写真のあるフォルダ(1)」を設定");
  EXPECT_EQ(f.ui.folder_choices[0].preselected, f.one);
  EXPECT_EQ(f.ui.folder_choices[1].preselected, "");
}

TEST(FolderBtnClick, CancellingOnAnUnsetSlotAsksNothing) {
  SlotFixture f;
  FolderBtnClick(f.state, f.ui, 2);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_FALSE(PathExists(f.state.folders.SettingsFile()));
}

TEST(FolderBtnClick, CancellingOnASetSlotAsksBeforeClearingIt) {
  SlotFixture f;
  f.ui.answers = {2};
  FolderBtnClick(f.state, f.ui, 1);
  EXPECT_EQ(f.ui.LastLines(), (Lines{"「写真のあるフォルダ(1)」の設定を解除しますか？", "（サムネイル画像のキャッシュもクリアされます）"}));
  EXPECT_EQ(f.state.settings.SlotFolder[1], f.one);
  EXPECT_FALSE(PathExists(f.state.folders.SettingsFile()));
}

TEST(FolderBtnClick, ClearingTheSelectedSlotWritesTheSettingsAndEmptiesIt) {
  SlotFixture f;
  SelectSlot(f.state, f.ui, 1);
  f.state.current.Slot = 1;
  f.state.SlotStripPos[1] = 4;
  f.calls.clear();
  f.ui.answers = {1};
  FolderBtnClick(f.state, f.ui, 1);
  EXPECT_EQ(f.state.settings.SlotFolder[1], "");
  EXPECT_EQ(f.Saved().SlotFolder[1], "");
  EXPECT_EQ(f.state.current.Slot, 0);
  EXPECT_EQ(f.state.SlotLastFolder[1], "");
  EXPECT_EQ(f.state.SlotStripPos[1], 0);  // 1, then kept within the empty list
  EXPECT_EQ(f.ui.Text(Ctl::FolderLbl1), "（未設定）");
  EXPECT_EQ(f.state.CurrentFolder, "");
  EXPECT_TRUE(f.state.tree.Empty());
  EXPECT_EQ(f.calls, (Lines{"radio 1", "strip 1 hover"}));
}

TEST(FolderBtnClick, ClearingAnotherSlotLeavesTheSelectedOne) {
  SlotFixture f;
  f.state.settings.SlotFolder[2] = f.two;
  SelectSlot(f.state, f.ui, 1);
  f.calls.clear();
  f.ui.answers = {1};
  FolderBtnClick(f.state, f.ui, 2);
  EXPECT_EQ(f.state.settings.SlotFolder[2], "");
  EXPECT_EQ(f.state.SlotIndex, 1);
  EXPECT_TRUE(f.calls.empty());
}

TEST(FolderBtnClick, DoesNothingWhileBusy) {
  SlotFixture f;
  f.state.UiReady = false;
  FolderBtnClick(f.state, f.ui, 1);
  EXPECT_TRUE(f.ui.folder_choices.empty());
}

TEST(FolderRadioClick, DuringASlideShowOnlyStopsIt) {
  SlotFixture f;
  f.state.SlotIndex = 2;
  f.state.SlideShowActive = true;
  FolderRadioClick(f.state, f.ui, 1);
  EXPECT_EQ(f.calls, (Lines{"stop slide show", "radio 2"}));
  EXPECT_EQ(f.state.SlotIndex, 2);
}

TEST(OpenBtnClick, ShowsAFolderOutsideTheSlotsWithoutATree) {
  SlotFixture f;
  SelectSlot(f.state, f.ui, 1);
  f.calls.clear();
  f.state.OpenFolder = f.two;
  f.ui.chosen_folders.push_back(f.dir / "one/sub");
  OpenBtnClick(f.state, f.ui);
  EXPECT_EQ(f.ui.folder_choices.back().title, "「写真を開くフォルダ」を設定");
  EXPECT_EQ(f.ui.folder_choices.back().preselected, f.two);
  EXPECT_EQ(f.state.SlotIndex, 0);
  EXPECT_EQ(f.state.CurrentFolder, f.dir / "one/sub");
  EXPECT_EQ(f.state.OpenFolder, f.dir / "one/sub");
  EXPECT_EQ(f.state.photos.PhotoCount, 2);
  EXPECT_TRUE(f.state.tree.Empty());
  EXPECT_EQ(f.calls, (Lines{"radio 0", "strip 1 hover"}));
}

TEST(OpenBtnClick, CancelChangesNothing) {
  SlotFixture f;
  SelectSlot(f.state, f.ui, 1);
  OpenBtnClick(f.state, f.ui);
  EXPECT_EQ(f.state.SlotIndex, 1);
  EXPECT_FALSE(f.state.tree.Empty());
}

TEST(ExplorerBtnClick, OpensTheCurrentFolderOrTheDesktop) {
  SlotFixture f;
  f.dir.MakeDir("home/Desktop");
  f.state.CurrentFolder = f.one;
  ExplorerBtnClick(f.state, f.ui);
  f.state.CurrentFolder = "";
  ExplorerBtnClick(f.state, f.ui);
  f.dir.Write("one/trip.zip", "PK");
  f.state.CurrentFolder = f.dir / "one/trip.zip/day1";
  ExplorerBtnClick(f.state, f.ui);
  f.state.CurrentFolder = f.dir / "gone";
  ExplorerBtnClick(f.state, f.ui);
  EXPECT_EQ(f.ui.file_manager_folders, (Lines{f.one, f.state.folders.DesktopFolder, f.one}));
}

}  // namespace
}  // namespace lumetta
