#include "core/transfer/transfer_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/state/settings.h"
#include "core/transfer/camera_slots.h"
#include "support/fake_ui.h"
#include "support/file_dates.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FolderFixture;
using testing_support::ReadAll;
using testing_support::SetLocalDate;

// Slot 1 on "Photos" selected, camera slot 2 on a card holding DSC0001.JPG
// of 2001-06-28, DSC0002.JPG of 2001-06-29 and MOV0003.AVI.
struct CameraFixture : FolderFixture {
  CameraFixture() {
    root = dir.MakeDir("Photos");
    UseSlot(1, root);
    card = dir.MakeDir("media/CARD/DCIM");
    SetLocalDate(dir.Write("media/CARD/DCIM/DSC0001.JPG", "photo 1"), 2001, 6, 28);
    SetLocalDate(dir.Write("media/CARD/DCIM/DSC0002.JPG", "photo 2"), 2001, 6, 29);
    SetLocalDate(dir.Write("media/CARD/DCIM/MOV0003.AVI", "movie 3"), 2001, 6, 29);
    state.settings.CameraNames[2] = "EOS";
    state.settings.CameraFolders[2] = card;
    state.hooks.ShowPhoto = [this](std::int32_t position, std::int32_t) {
      shown.push_back(state.photos[position].Name);
    };
  }
  std::string root;
  std::string card;
  std::vector<std::string> shown;
};

TEST(CameraSlots, MenuCaptionsShowTheNameAndWhetherTheCameraIsThere) {
  CameraFixture f;
  EXPECT_EQ(CameraToPcCaption(f.state.settings, 2), "◎「EOS」→選択中フォルダ");
  EXPECT_EQ(PcToCameraCaption(f.state.settings, 2), "◎選択中フォルダ→「EOS」");
  EXPECT_EQ(CameraToPcCaption(f.state.settings, 1), "×「デジタルカメラ１」→選択中フォルダ");
  EXPECT_EQ(PcToCameraCaption(f.state.settings, 3), "×選択中フォルダ→「デジタルカメラ３」");
  f.state.settings.CameraFolders[2] = f.card + "/gone";
  EXPECT_EQ(CameraToPcCaption(f.state.settings, 2), "×「EOS」→選択中フォルダ");
  f.state.settings.CameraFolders[2] = f.card;
  f.state.settings.CameraNames[2].clear();
  EXPECT_EQ(CameraToPcCaption(f.state.settings, 2), "×「デジタルカメラ２」→選択中フォルダ");
}

TEST(CameraSlots, TheSettingsDialogNamesSlotsAfterTheirFolders) {
  Settings settings;
  settings.CameraNames[1] = "old name";
  settings.CameraFolders[1] = "/media/u/A";
  settings.CameraFolders[3] = "/media/u/KEEP";
  CameraSlotsEdit edit(settings);
  EXPECT_EQ(edit.NameText(2), "（カメラ名未設定）");
  EXPECT_EQ(edit.FolderText(2), "（フォルダ未設定）");
  EXPECT_EQ(edit.NameText(3), "（カメラ名未設定）");
  EXPECT_EQ(CameraSlotsEdit::FolderTitle(2), "「デジタルカメラ(2)」のフォルダを設定");

  edit.ChooseFolder(2, "/media/u/NIKON_D70_CARD_WITH_A_VERY_LONG_NAME/");  // a name comes with it
  EXPECT_EQ(edit.FolderText(2), "/media/u/NIKON_D70_CARD_WITH_A_VERY_LONG_NAME");
  EXPECT_EQ(edit.NameText(2), "NIKON_D70_CARD_WITH_A_VERY_LON");
  edit.ChooseFolder(1, "/media/u/B");  // a named slot keeps its name
  EXPECT_EQ(edit.NameText(1), "old name");
  edit.SetNameText(1, "キヤノンＥＯＳキスデジタルＮキヤノン");  // 36 bytes in code page 932
  edit.ChooseFolder(3, "/");

  Settings stored = settings;
  edit.StoreInto(stored);
  EXPECT_EQ(stored.CameraNames[1], "キヤノンＥＯＳキスデジタルＮキ");  // cut to 30 bytes
  EXPECT_EQ(stored.CameraFolders[1], "/media/u/B");
  EXPECT_EQ(stored.CameraNames[2], "NIKON_D70_CARD_WITH_A_VERY_LON");
  EXPECT_EQ(stored.CameraNames[3], "/");  // a root is named by its whole path

  // A name cleared with its folder kept takes the folder's name on closing.
  CameraSlotsEdit again(stored);
  again.ClearName(2);
  again.ClearFolder(1);
  again.StoreInto(stored);
  EXPECT_EQ(stored.CameraNames[2], "NIKON_D70_CARD_WITH_A_VERY_LON");
  EXPECT_EQ(stored.CameraFolders[1], "");
  EXPECT_EQ(stored.CameraNames[1], "キヤノンＥＯＳキスデジタルＮキ");
}

TEST(TransferCommands, CameraToPcCopiesAndShowsTheFirstDateFolder) {
  CameraFixture f;
  TensouDtoPCMenuClick(f.state, f.ui, 2);

  ASSERT_EQ(f.ui.tensou_forms.size(), 1u);
  const TensouFormRequest& form = f.ui.tensou_forms[0];
  EXPECT_EQ(form.FromText, "「EOS」から");
  EXPECT_EQ(form.ToText, "「" + f.root + "」へ");
  EXPECT_TRUE(form.SkipLockedBox);
  EXPECT_TRUE(form.DateFoldersEnabled);
  EXPECT_EQ(ReadAll(f.root + "/01-0628/DSC0001.JPG"), "photo 1");
  EXPECT_EQ(ReadAll(f.root + "/01-0629/MOV0003.AVI"), "movie 3");
  EXPECT_EQ(f.state.CurrentFolder, f.root + "/01-0628");
  EXPECT_EQ(f.state.SlotLastFolder[1], f.root + "/01-0628");
  EXPECT_EQ(f.shown, (std::vector<std::string>{"DSC0001.JPG"}));
  ASSERT_NE(f.state.tree.Selected(), nullptr);
  EXPECT_EQ(f.state.tree.Selected()->Text, "01-0628");
  EXPECT_TRUE(f.state.UiReady);
}

TEST(TransferCommands, WithoutDateFoldersTheStripStandsOnTheFirstTransferredPhoto) {
  CameraFixture f;
  f.dir.Write("Photos/AAA.JPG", "already there");
  f.ui.tensou_form = [](TensouFormRequest& r) {
    r.DateFoldersBox = false;
    r.MoviesBox = false;
    return true;
  };
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.state.settings.TransferDateFolders, 0);  // the boxes become the options
  EXPECT_EQ(f.state.settings.TransferMovies, 0);
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  EXPECT_EQ(f.state.StripPos, 2);  // AAA.JPG, DSC0001.JPG, DSC0002.JPG
  EXPECT_EQ(f.shown, (std::vector<std::string>{"DSC0001.JPG"}));
  EXPECT_FALSE(fs::exists(f.root + "/MOV0003.AVI"));
}

TEST(TransferCommands, PcToCameraWithTheDateOptionStoredCopiesStraightIntoTheCameraFolder) {
  CameraFixture f;
  f.dir.Write("Photos/mine.jpg", "mine");
  TensouPCtoDMenuClick(f.state, f.ui, 2);
  ASSERT_EQ(f.ui.tensou_forms.size(), 1u);
  EXPECT_FALSE(f.ui.tensou_forms[0].DateFoldersEnabled);
  EXPECT_TRUE(f.ui.tensou_forms[0].DateFoldersBox);
  EXPECT_EQ(f.ui.tensou_forms[0].FromText, "「" + f.root + "」から");
  EXPECT_EQ(f.ui.tensou_forms[0].ToText, "「EOS」へ");
  EXPECT_EQ(ReadAll(f.card + "/mine.jpg"), "mine");
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  EXPECT_TRUE(f.shown.empty());
}

TEST(TransferCommands, CancelledConfirmationCopiesNothing) {
  CameraFixture f;
  f.ui.tensou_form = [](TensouFormRequest&) { return false; };
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_TRUE(fs::is_empty(f.root));
}

TEST(TransferCommands, RefusesWhatCannotBeTransferred) {
  CameraFixture f;
  f.state.CurrentFolder.clear();
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(), std::vector<std::string>{"転送先のフォルダが選択されていません。"});
  TensouPCtoDMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(), std::vector<std::string>{"転送元のフォルダが選択されていません。"});

  f.state.CurrentFolder = f.root + "/trip.zip/day1";
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"書庫(ZIP)ファイル内に", "写真を転送することはできません。"}));
  TensouPCtoDMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"書庫(ZIP)ファイル内の写真を", "転送することはできません。"}));

  f.state.CurrentFolder = f.root;
  f.state.settings.CameraFolders[2] = f.card + "/unplugged";
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(),
            (std::vector<std::string>{"設定したフォルダがデジタルカメラ上に見つかりません。",
                                      "デジタルカメラが正しくつながっているかどうか", "もしくはフォルダの設定をご確認ください。"}));
  EXPECT_TRUE(f.ui.tensou_forms.empty());
}

TEST(TransferCommands, RefusesACameraSlotThatIsTheSelectedFolder) {
  CameraFixture f;
  f.state.CurrentFolder = f.card;
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(), std::vector<std::string>{"転送元と転送先のフォルダが同じです。"});
  EXPECT_TRUE(f.ui.tensou_forms.empty());
  EXPECT_EQ(fs::directory_iterator(f.card) == fs::directory_iterator(), false);
  EXPECT_FALSE(fs::exists(f.card + "/01-0628"));
}

TEST(TransferCommands, ASlotWithoutAFolderOpensTheSettingsFirst) {
  CameraFixture f;
  TensouDtoPCMenuClick(f.state, f.ui, 1);  // cancelled: nothing more
  EXPECT_EQ(f.ui.tensou_set_forms, 1);
  EXPECT_TRUE(f.ui.tensou_forms.empty());

  f.ui.tensou_set_form = [&f](CameraSlotsEdit& edit) {
    edit.ChooseFolder(1, f.card);
    return true;
  };
  TensouDtoPCMenuClick(f.state, f.ui, 1);
  EXPECT_EQ(f.state.settings.CameraFolders[1], f.card);
  EXPECT_EQ(f.state.settings.CameraNames[1], "DCIM");
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).CameraFolders[1], f.card);
  EXPECT_EQ(f.ui.tensou_forms.size(), 1u);
  EXPECT_TRUE(fs::exists(f.root + "/01-0628/DSC0001.JPG"));
}

TEST(TransferCommands, NothingRunsWhileTheWindowIsBusy) {
  CameraFixture f;
  f.state.UiReady = false;
  TensouDtoPCMenuClick(f.state, f.ui, 2);
  EXPECT_TRUE(f.ui.tensou_forms.empty());
  EXPECT_TRUE(f.ui.boxes.empty());
}

}  // namespace
}  // namespace lumetta
