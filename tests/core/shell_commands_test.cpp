// The help texts, the version box and opening the photo on show in other
// programs.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/base/data_file.h"
#include "core/shell/shell_commands.h"
#include "core/state/app_state.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

using namespace lumetta;
using lumetta::testing_support::FakeUi;
using lumetta::testing_support::TempDir;

namespace {

struct ShellFixture {
  ShellFixture() {
    state.folders.AppFolder = dir.Path();
    photos = dir / "photos";
    photo = dir.Write("photos/IMG_0001.JPG", "jpeg bytes");
  }
  void Show(const std::string& name) {
    state.current.Folder = photos;
    state.current.Name = name;
  }
  TempDir dir;
  AppState state;
  FakeUi ui;
  std::string photos;
  std::string photo;
};

const std::vector<std::string> kPanorama = {"現在パノラマモードになっていますので",
                                            "他のアプリケーションで開くことはできません。",
                                            "開きたい写真をダブルクリックしたのち", "このメニューを実行してください。"};

}  // namespace

TEST(HelpTexts, ShowTheFileBesideTheProgramWhateverItsCase) {
  ShellFixture f;
  std::filesystem::create_directories(f.dir / "LUMDAT");
  WriteDataFileLines(f.dir / "LUMDAT/keybord.TXT", {"Ｘ　次の写真", "Ｚ　前の写真"});
  ShowHelpText(f.state, f.ui, HelpTopic::Keyboard);
  ASSERT_EQ(f.ui.help_windows.size(), 1u);
  EXPECT_EQ(f.ui.help_windows[0].first, "◎キーボードでの操作一覧");
  EXPECT_EQ(f.ui.help_windows[0].second, "Ｘ　次の写真\nＺ　前の写真");
}

TEST(HelpTexts, TheFirstUseTextIsOnlyBroughtToTheFrontWhenItIsShowing) {
  ShellFixture f;
  f.dir.Write("Lumdat/Hajimete.txt", "first\r\n");
  f.dir.Write("Lumdat/Chuui.txt", "cautions\r\n");
  ShowHelpText(f.state, f.ui, HelpTopic::FirstUse);
  ShowHelpText(f.state, f.ui, HelpTopic::FirstUse);
  EXPECT_EQ(f.ui.help_windows.size(), 1u);
  ShowHelpText(f.state, f.ui, HelpTopic::Cautions);
  ShowHelpText(f.state, f.ui, HelpTopic::Cautions);
  EXPECT_EQ(f.ui.help_windows.size(), 3u);
}

TEST(HelpTexts, AMissingTextIsAFileFailureAndShowsNothing) {
  ShellFixture f;
  EXPECT_THROW(ShowHelpText(f.state, f.ui, HelpTopic::Notes), EDataFile);
  EXPECT_TRUE(f.ui.help_windows.empty());
}

TEST(ShellCommands, VersionBoxAndDocuments) {
  ShellFixture f;
  VerMnuClick(f.ui);
  EXPECT_EQ(f.ui.LastLines(), std::vector<std::string>{"「Lumetta」ver1.00"});
  f.dir.Write("manual/INDEX.html");
  ManualMenuClick(f.state, f.ui);
  HomePageMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.documents, (std::vector<std::string>{f.dir / "manual/INDEX.html", f.dir / "Homepage.html"}));
}

TEST(ShellCommands, NewWindowSavesTheSettingsAndPassesThePhoto) {
  ShellFixture f;
  NewOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"このメニューは、現在表示されている写真を",
                                                        "新しいウィンドウで開きたいときに使います。"}));
  f.Show("IMG_0001_JPG.lum");
  NewOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.new_instances, std::vector<std::string>{f.photos + "/IMG_0001_JPG.lum"});
  EXPECT_EQ(ReadDataFileLines(f.dir / "Lumetta-ini.dat").size(), 54u);
  f.state.PanoramaMode = PanoramaKind::Pair;
  NewOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.new_instances.size(), 1u);
  EXPECT_EQ(f.ui.LastLines()[1], "新しいウィンドウで開くことはできません。");
}

TEST(ShellCommands, AnEditedPhotoOffersItsSourcePhoto) {
  ShellFixture f;
  f.Show("img_0001_jpg-002.lum");
  f.ui.answers = {2};
  EXPECT_EQ(PrepareExternalOpen(f.ui, f.photos + "/img_0001_jpg-002.lum"), "");
  EXPECT_EQ(f.ui.LastLines()[3], "元画像ファイル「IMG_0001.JPG」");
  f.ui.answers = {1};
  EXPECT_EQ(PrepareExternalOpen(f.ui, f.photos + "/img_0001_jpg-002.lum"), "IMG_0001.JPG");
}

TEST(ShellCommands, APhotoThatIsNotOnDiskCannotBeHandedOver) {
  ShellFixture f;
  for (const std::string& path : {f.photos + "/gone.jpg", f.photos + "/GONE_JPG.lum", f.dir / "trip.zip/a.jpg"}) {
    f.ui.boxes.clear();
    EXPECT_EQ(PrepareExternalOpen(f.ui, path), "") << path;
    ASSERT_EQ(f.ui.boxes.size(), 1u) << path;
    EXPECT_EQ(f.ui.LastLines()[0], "現在表示中の写真は、書庫ファイル内の写真か");
  }
}

TEST(ShellCommands, OpenWithAnApplicationStartsItsArgumentList) {
  ShellFixture f;
  const std::string entry = f.dir.Write("apps/viewer.desktop", "[Desktop Entry]\nName=Viewer\nExec=viewer --one %f\n");
  const std::string program = f.dir.Write("apps/paint", "");
  f.state.settings.AppPaths[1] = entry;
  f.state.settings.AppPaths[3] = program;
  f.Show("IMG_0001.JPG");
  OpenWithApp(f.state, f.ui, 1);
  OpenWithApp(f.state, f.ui, 3);
  IEOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.programs, (std::vector<std::vector<std::string>>{{"viewer", "--one", f.photo}, {program, f.photo}}));
  EXPECT_EQ(f.ui.documents, std::vector<std::string>{f.photo});
  EXPECT_EQ(AppMenuCaption(f.state, 1), "Viewer");
  EXPECT_EQ(AppMenuCaption(f.state, 2), "（アプリケーション２）");
  EXPECT_EQ(AppMenuCaption(f.state, 3), "paint");
}

TEST(ShellCommands, AnUnsetApplicationOpensTheSettingsFirst) {
  ShellFixture f;
  f.Show("IMG_0001.JPG");
  OpenWithApp(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.app_set_forms, 1);
  EXPECT_TRUE(f.ui.programs.empty());
  EXPECT_TRUE(f.ui.boxes.empty());

  const std::string program = f.dir.Write("apps/paint", "");
  f.ui.app_set_form = [&](OneBasedArray<std::string, 3>& paths) {
    paths[2] = program;
    return true;
  };
  OpenWithApp(f.state, f.ui, 2);
  EXPECT_EQ(f.state.settings.AppPaths[2], program);
  EXPECT_EQ(f.ui.app_caption_refreshes, 1);
  EXPECT_EQ(ReadDataFileLines(f.dir / "Lumetta-ini.dat")[11], program);
  EXPECT_EQ(f.ui.programs, (std::vector<std::vector<std::string>>{{program, f.photo}}));
}

TEST(ShellCommands, RefusalsOfOpeningInOtherPrograms) {
  ShellFixture f;
  OpenWithApp(f.state, f.ui, 1);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"このメニューは、現在表示されている写真を",
                                                        "他のアプリケーションで開きたいとき", "に使います。"}));
  IEOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines()[1], "インターネットエクスプローラで開きたいとき");
  f.Show("IMG_0001.JPG");
  f.state.settings.AppPaths[1] = f.dir / "apps/removed.desktop";
  OpenWithApp(f.state, f.ui, 1);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"アプリケーションのショートカットが", "見つかりませんでした。"}));
  f.state.PanoramaMode = PanoramaKind::Four;
  OpenWithApp(f.state, f.ui, 1);
  EXPECT_EQ(f.ui.LastLines(), kPanorama);
  IEOpenMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), kPanorama);
  EXPECT_TRUE(f.ui.programs.empty());
  EXPECT_TRUE(f.ui.documents.empty());
}

TEST(HelpTexts, TheShippedTextsAreDataFilesOfTheProgram) {
  // The texts beside the program: code page 932 with CR LF, each there.
  const std::string folder = std::string(LUMETTA_FIXTURES) + "/../../data/Lumdat";
  for (HelpTopic topic : {HelpTopic::FirstUse, HelpTopic::Keyboard, HelpTopic::Cautions, HelpTopic::Notes}) {
    const std::string path = folder + "/" + HelpTextOf(topic).File;
    const std::string bytes = ReadFileBytes(path);
    ASSERT_FALSE(bytes.empty()) << path;
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF") << path;
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path;
    EXPECT_GT(ReadDataFileLines(path).size(), 5u) << path;
  }
}
