#include "core/library/folder_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/library/folder_tree.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing_support::FakeUi;
using testing_support::FolderFixture;

// Slot 1 is photos, holding trip (a photo and a sub-folder) and empty.
struct CommandFixture : FolderFixture {
  CommandFixture() {
    root = dir.MakeDir("photos");
    dir.Write("photos/trip/day1/a.jpg");
    dir.Write("photos/trip/b.jpg");
    dir.MakeDir("photos/empty");
    UseSlot(1, root);
    RebuildTree(state, ui, root);
  }
  // Clicks a folder below the root with the right button; the folder dialog
  // answers with reply.
  void RightClick(const std::vector<std::size_t>& path, FakeUi::FolderFormReply reply) {
    ui.folder_form_replies.push_back(std::move(reply));
    FolderTreeMouseDown(state, ui, state.tree.NodeAt(path), true);
  }
  std::string root;
};

TEST(FolderForm, OpensForTheClickedFolderWithItsPathShortened) {
  CommandFixture f;
  f.RightClick({0}, {});
  ASSERT_EQ(f.ui.folder_forms.size(), 1u);
  EXPECT_EQ(f.ui.folder_forms[0].Folder, JoinPath(f.root, "empty"));
  EXPECT_FALSE(f.ui.folder_forms[0].RenameOnly);
  // 150 pixels a half: the path's first 25 characters, then its end.
  const std::string path = JoinPath(f.root, "empty");
  const std::string& shown = f.ui.folder_forms[0].ShownPath;
  EXPECT_EQ(shown.substr(0, 25), path.substr(0, 25));
  EXPECT_TRUE(shown.ends_with("/photos/empty")) << shown;
}

TEST(DeleteFolder, TheSlotRootIsNeverDeleted) {
  CommandFixture f;
  f.ui.folder_form_replies.push_back({{}, kFolderFormDelete});
  FolderTreeMouseDown(f.state, f.ui, f.state.tree.Root(), true);
  EXPECT_EQ(f.ui.LastLines(), (Lines{"ルートフォルダは削除できません。"}));
  EXPECT_TRUE(IsDirectory(f.root));
}

TEST(DeleteFolder, AFolderThatIsNotEmptyStays) {
  CommandFixture f;
  f.RightClick({1}, {{}, kFolderFormDelete});
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"フォルダが空でないか", "もしくはハード的なエラーのため", "フォルダを削除できませんでした。"}));
  EXPECT_TRUE(IsRegularFile(f.dir / "photos/trip/b.jpg"));
  EXPECT_TRUE(IsRegularFile(f.dir / "photos/trip/day1/a.jpg"));
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "trip"));
  EXPECT_FALSE(f.state.IgnoreNextChange);
}

TEST(DeleteFolder, AnEmptyFolderGoesAndItsParentOpens) {
  CommandFixture f;
  f.RightClick({0}, {{}, kFolderFormDelete});
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_FALSE(PathExists(f.dir / "photos/empty"));
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  EXPECT_EQ(f.state.SlotLastFolder[1], f.root);
  EXPECT_EQ(f.Tree(), (Lines{"photos + <", "  trip", "    day1"}));
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.calls.back(), "strip 1 hover");
}

TEST(DeleteFolder, ALinkToAnEmptyFolderIsNotRemoved) {
  CommandFixture f;
  f.dir.MakeDir("elsewhere");
  fs::create_directory_symlink(f.dir / "elsewhere", f.dir / "photos/link");
  RebuildTree(f.state, f.ui, f.root);
  f.RightClick({1}, {{}, kFolderFormDelete});
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "link"));
  EXPECT_EQ(f.ui.LastLines().size(), 3u);
  EXPECT_TRUE(fs::is_symlink(f.dir / "photos/link"));
  EXPECT_TRUE(IsDirectory(f.dir / "elsewhere"));
}

TEST(NewFolder, RefusedWhenNewFolderExists) {
  CommandFixture f;
  f.dir.MakeDir("photos/trip/新しいフォルダ");
  f.RightClick({1}, {{}, kFolderFormNewFolder});
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"フォルダ名「新しいフォルダ」が", "すでに存在していますので", "新しいフォルダは作成できません。"}));
  EXPECT_EQ(f.ui.folder_forms.size(), 1u);
}

TEST(NewFolder, IsCreatedAndOfferedForRenaming) {
  CommandFixture f;
  f.RightClick({1}, {{}, kFolderFormNewFolder});
  const std::string created = f.dir / "photos/trip/新しいフォルダ";
  EXPECT_TRUE(IsDirectory(created));
  ASSERT_EQ(f.ui.folder_forms.size(), 2u);
  EXPECT_EQ(f.ui.folder_forms[1].Folder, created);
  EXPECT_TRUE(f.ui.folder_forms[1].RenameOnly);
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  empty", "  trip + <", "    day1", "    新しいフォルダ"}));
  EXPECT_TRUE(f.state.IgnoreNextChange);
}

TEST(NewFolder, TheRenameOnlyFormNamesTheNewFolder) {
  CommandFixture f;
  f.ui.folder_form_replies.push_back({{}, kFolderFormNewFolder});
  f.ui.folder_form_replies.push_back({{"day2"}, kFolderFormClose});
  FolderTreeMouseDown(f.state, f.ui, f.state.tree.NodeAt({1}), true);
  EXPECT_TRUE(IsDirectory(f.dir / "photos/trip/day2"));
  EXPECT_FALSE(PathExists(f.dir / "photos/trip/新しいフォルダ"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  empty", "  trip + <", "    day1", "    day2"}));
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "trip"));
}

TEST(RenameFolder, ForbiddenCharactersAreRefusedAndTheFormStaysOpen) {
  CommandFixture f;
  f.RightClick({1}, {{"a?b", "journey"}, kFolderFormClose});
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines, (Lines{"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"}));
  EXPECT_TRUE(IsDirectory(f.dir / "photos/journey"));
}

TEST(RenameFolder, ANameThatExistsIsRefusedWhateverItsCase) {
  CommandFixture f;
  f.RightClick({1}, {{"empty", "EMPTY"}, kFolderFormClose});
  ASSERT_EQ(f.ui.boxes.size(), 2u);
  EXPECT_EQ(f.ui.boxes[0].lines, (Lines{"フォルダ名「empty」は", "すでに存在していますので、フォルダ名を変更できません。"}));
  EXPECT_EQ(f.ui.boxes[1].lines, (Lines{"フォルダ名「EMPTY」は", "すでに存在していますので、フォルダ名を変更できません。"}));
  EXPECT_TRUE(IsDirectory(f.dir / "photos/trip"));
  EXPECT_TRUE(IsDirectory(f.dir / "photos/empty"));
}

TEST(RenameFolder, TheSameNameClosesTheFormQuietly) {
  CommandFixture f;
  f.RightClick({1}, {{"trip"}, kFolderFormDelete});
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(IsDirectory(f.dir / "photos/trip"));
}

TEST(RenameFolder, MovesTheFolderItsCacheAndEverythingThatNamedIt) {
  CommandFixture f;
  const std::string old_cache = f.dir.Write("app/Thumbnail/01/photos/trip/b_jpg.bmp", "BM");
  f.dir.Write("app/Thumbnail/01/photos/trip/day1/a_jpg.bmp", "BM");
  f.state.current.Folder = f.dir / "photos/trip/day1";
  f.RightClick({1}, {{"journey"}, kFolderFormClose});
  const std::string journey = f.dir / "photos/journey";
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(IsRegularFile(JoinPath(journey, "b.jpg")));
  EXPECT_EQ(f.state.CurrentFolder, journey);
  EXPECT_EQ(f.state.SlotLastFolder[1], journey);
  EXPECT_EQ(f.state.current.Folder, JoinPath(journey, "day1"));
  EXPECT_EQ(f.state.settings.SlotFolder[1], f.root);
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/01/photos/journey/b_jpg.bmp"));
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/01/photos/journey/day1/a_jpg.bmp"));
  EXPECT_FALSE(PathExists(old_cache));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  empty", "  journey + <", "    day1"}));
  EXPECT_EQ(f.calls.back(), "favorites " + (f.dir / "photos/trip") + " -> " + journey);
  EXPECT_TRUE(f.state.IgnoreNextChange);
  EXPECT_FALSE(PathExists(f.state.folders.SettingsFile()));
}

TEST(RenameFolder, FindsTheCacheFolderWhateverItsCase) {
  CommandFixture f;
  f.dir.Write("app/Thumbnail/01/Photos/TRIP/b_jpg.bmp", "BM");
  f.RightClick({1}, {{"journey"}, kFolderFormClose});
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/01/Photos/journey/b_jpg.bmp"));
  EXPECT_FALSE(PathExists(f.dir / "app/Thumbnail/01/Photos/TRIP"));
}

TEST(RenameFolder, RenamingTheSlotRootRewritesTheSettings) {
  CommandFixture f;
  f.dir.Write("app/Thumbnail/01/photos/x_jpg.bmp", "BM");
  f.ui.folder_form_replies.push_back({{"album"}, kFolderFormClose});
  FolderTreeMouseDown(f.state, f.ui, f.state.tree.Root(), true);
  const std::string album = f.dir / "album";
  EXPECT_EQ(f.state.settings.SlotFolder[1], album);
  EXPECT_EQ(f.state.CurrentFolder, album);
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).SlotFolder[1], album);
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/01/album/x_jpg.bmp"));
  EXPECT_EQ(f.Tree(), (Lines{"album + <", "  empty", "  trip", "    day1"}));
  EXPECT_EQ(f.watched, album);
}

TEST(RenameFolder, RenamingTheSlotRootRefreshesItsLabelAndHint) {
  CommandFixture f;
  f.ui.folder_form_replies.push_back({{"album"}, kFolderFormClose});
  FolderTreeMouseDown(f.state, f.ui, f.state.tree.Root(), true);
  EXPECT_EQ(f.ui.hints[Ctl::FolderLbl1], f.dir / "album");
  const std::string shown = f.ui.texts[Ctl::FolderLbl1] + f.ui.texts[Ctl::FolderLbl1B];
  EXPECT_NE(shown.find("album"), std::string::npos) << shown;
  EXPECT_EQ(shown.find("photos"), std::string::npos) << shown;
}

TEST(RenameFolder, ANameShiftJisCannotHoldIsKeptInTheSettings) {
  CommandFixture f;
  f.ui.folder_form_replies.push_back({{"사진 🌸"}, kFolderFormClose});
  FolderTreeMouseDown(f.state, f.ui, f.state.tree.Root(), true);
  const std::string renamed = f.dir / "사진 🌸";
  EXPECT_TRUE(IsDirectory(renamed));
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).SlotFolder[1], renamed);
  EXPECT_EQ(f.state.tree.Root()->Text, "사진 🌸");
}

TEST(FolderForm, NotOfferedForAFolderThatIsGone) {
  CommandFixture f;
  fs::remove(f.dir / "photos/empty");
  f.RightClick({0}, {{}, kFolderFormDelete});
  EXPECT_TRUE(f.ui.folder_forms.empty());
  EXPECT_TRUE(f.ui.boxes.empty());
}

}  // namespace
}  // namespace lumetta
