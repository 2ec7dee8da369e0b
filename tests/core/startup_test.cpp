#include "core/app/startup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;

StartupEnvironment EnvIn(const TempDir& dir) {
  StartupEnvironment env;
  env.ExecutableFolder = dir.MakeDir("bin");
  env.UserDataFolder = dir / "xdg/lumetta";
  env.ScratchDataFolder = dir / "scratch";
  env.Special.DesktopFolder = dir.MakeDir("home/Desktop");
  env.Special.DocumentsFolder = dir.MakeDir("home/Documents");
  env.Special.PicturesFolder = dir.MakeDir("home/Pictures");
  env.Special.HomeFolder = dir / "home";
  env.Today = {2026, 12, 10};
  env.ScreenWidth = 1280;
  env.ScreenHeight = 1024;
  env.WindowWidth = 1024;
  env.WindowHeight = 719;
  return env;
}

TEST(Startup, FirstRunCreatesTheDataFoldersAndWritesTheDefaultsAtOnce) {
  TempDir dir;
  const StartupEnvironment env = EnvIn(dir);
  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);

  EXPECT_TRUE(state.FirstRun);
  EXPECT_EQ(state.folders.AppFolder, env.ExecutableFolder);
  for (const char* sub : {"Temp", "Thumbnail", "Thumbnail/01", "Thumbnail/02", "Thumbnail/03"}) {
    EXPECT_TRUE(IsDirectory(JoinPath(env.ExecutableFolder, sub))) << sub;
  }
  const auto lines = ReadDataFileLines(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"));
  ASSERT_EQ(lines.size(), 54u);
  // Centred: 1280 div 2 - 1025 div 2 = 128; (1024 - 24) div 2 - 720 div 2 = 140.
  EXPECT_EQ(lines[0], "128");
  EXPECT_EQ(lines[1], "140");
  EXPECT_EQ(lines[2], env.Special.PicturesFolder);
  EXPECT_EQ(lines[31], "000000");
  EXPECT_EQ(lines[51], "1");
  EXPECT_TRUE(ui.boxes.empty());
  EXPECT_EQ(state.SlotLastFolder[1], env.Special.PicturesFolder);
  EXPECT_EQ(state.SlotStripPos[1], 1);
}

TEST(Startup, DefaultSlotFallsBackToDocumentsThenDesktop) {
  TempDir dir;
  StartupEnvironment env = EnvIn(dir);
  std::filesystem::remove(env.Special.PicturesFolder);
  AppState a;
  FakeUi ui;
  CreateMainState(a, env, ui);
  EXPECT_EQ(a.settings.SlotFolder[1], env.Special.DocumentsFolder);

  TempDir dir2;
  env = EnvIn(dir2);
  std::filesystem::remove(env.Special.PicturesFolder);
  std::filesystem::remove(env.Special.DocumentsFolder);
  AppState b;
  CreateMainState(b, env, ui);
  EXPECT_EQ(b.settings.SlotFolder[1], env.Special.DesktopFolder);
}

// A fresh home folder may have none of the three: slot 1 is the home folder
// itself, and nothing but the welcome text is said.
TEST(Startup, WithoutPicturesDocumentsAndDesktopSlotOneIsTheHomeFolder) {
  TempDir dir;
  StartupEnvironment env = EnvIn(dir);
  for (const std::string& f : {env.Special.PicturesFolder, env.Special.DocumentsFolder, env.Special.DesktopFolder}) {
    std::filesystem::remove(f);
  }
  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);
  EXPECT_EQ(state.settings.SlotFolder[1], env.Special.HomeFolder);
  EXPECT_TRUE(ui.boxes.empty());
}

// An empty file, or one whose lines cannot be read, gives the real first-run
// values: the window centred and slot 1 on the pictures folder.
TEST(Startup, UnreadableSettingsLinesTakeTheFirstRunValues) {
  for (const std::string& content : {std::string(), std::string("x\r\ny\r\n")}) {
    TempDir dir;
    const StartupEnvironment env = EnvIn(dir);
    WriteFileAtomically(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), content);
    AppState state;
    FakeUi ui;
    CreateMainState(state, env, ui);
    EXPECT_FALSE(state.FirstRun);
    EXPECT_EQ(state.settings.WindowLeft, 128) << content.size();
    EXPECT_EQ(state.settings.WindowTop, 140);
    EXPECT_EQ(state.settings.SlotFolder[1], env.Special.PicturesFolder);
    EXPECT_EQ(state.settings.SortMode, Settings{}.SortMode);
  }
}

TEST(Startup, ExistingSettingsAreReadAndNotAFirstRun) {
  TempDir dir;
  const StartupEnvironment env = EnvIn(dir);
  Settings stored;
  stored.WindowLeft = 7;
  stored.SlotFolder[2] = "/photos";
  stored.QualityMode = QualityModeKind::HighSpeed;
  SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), stored);

  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);
  EXPECT_FALSE(state.FirstRun);
  EXPECT_EQ(state.settings, stored);
  EXPECT_EQ(state.SlotLastFolder[2], "/photos");
}

TEST(Startup, DamagedSizeSettingsFallBackToTheEightHundredMode) {
  TempDir dir;
  const StartupEnvironment env = EnvIn(dir);
  Settings stored;
  stored.SizeMode = 4;
  stored.CustomWidth = 0;
  stored.CustomHeight = 99999;
  SaveSettings(JoinPath(env.ExecutableFolder, "Lumetta-ini.dat"), stored);
  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);
  EXPECT_EQ(state.settings.SizeMode, 3);
}

TEST(Startup, TheProgramsHelpTextsAreSharedWithAnotherAppFolder) {
  TempDir dir;
  const std::string program = dir.MakeDir("lib/lumetta");
  dir.Write("lib/lumetta/Lumdat/Keybord.txt", "keys");
  dir.Write("lib/lumetta/Homepage.html", "<html>");
  const std::string data = dir.MakeDir("xdg/lumetta");
  ShareProgramDocuments(program, data);
  EXPECT_TRUE(IsRegularFile(JoinPath(data, "Lumdat/Keybord.txt")));
  dir.Write("xdg/lumetta/Lumdat/Chuui.txt", "kept");
  ShareProgramDocuments(program, data);
  EXPECT_TRUE(IsRegularFile(JoinPath(data, "Lumdat/Keybord.txt")));
  EXPECT_TRUE(IsRegularFile(JoinPath(data, "Homepage.html")));
  EXPECT_TRUE(IsRegularFile(JoinPath(data, "Lumdat/Chuui.txt")));
  // A newer text of the program replaces the older copy.
  const auto copy = std::filesystem::path(JoinPath(data, "Lumdat/Keybord.txt"));
  std::filesystem::last_write_time(copy, std::filesystem::last_write_time(copy) - std::chrono::hours(1));
  dir.Write("lib/lumetta/Lumdat/Keybord.txt", "new keys");
  ShareProgramDocuments(program, data);
  EXPECT_EQ(std::filesystem::file_size(copy), 8u);
  // The program's own folder gets nothing.
  ShareProgramDocuments(program, program);
  EXPECT_FALSE(IsDirectory(JoinPath(program, "Lumdat/Lumdat")));
}

TEST(Startup, UnwritableExecutableFolderUsesTheUserDataFolder) {
  TempDir dir;
  const StartupEnvironment env = EnvIn(dir);
  std::filesystem::permissions(env.ExecutableFolder, std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_exec);
  if (IsWritableFolder(env.ExecutableFolder)) GTEST_SKIP() << "running with rights that ignore permissions";
  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);
  EXPECT_EQ(state.folders.AppFolder, env.UserDataFolder);
  EXPECT_TRUE(IsRegularFile(JoinPath(env.UserDataFolder, "Lumetta-ini.dat")));
  EXPECT_TRUE(IsDirectory(JoinPath(env.UserDataFolder, "Thumbnail/03")));
  EXPECT_TRUE(ui.boxes.empty());
}

TEST(Startup, DataFoldersThatCannotBeCreatedAreReportedAndAScratchFolderIsUsed) {
  TempDir dir;
  StartupEnvironment env = EnvIn(dir);
  // A file where the user data folder's parent should be: nothing can be
  // created there, whatever the rights.
  env.ExecutableFolder = dir.Write("not-a-folder");
  env.UserDataFolder = dir.Write("blocked") + "/lumetta";
  AppState state;
  FakeUi ui;
  CreateMainState(state, env, ui);
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].lines[0], "データ用のフォルダを作成できませんでした。");
  EXPECT_EQ(state.folders.AppFolder, env.ScratchDataFolder);
  EXPECT_TRUE(IsDirectory(JoinPath(env.ScratchDataFolder, "Thumbnail/01")));
}

TEST(Startup, SettingsWriteFailureIsReportedAndKeepsTheSettings) {
  TempDir dir;
  AppState state;
  state.folders = MakeAppFolders(dir / "missing-folder", {});
  state.settings.WindowLeft = 42;
  FakeUi ui;
  EXPECT_FALSE(WriteSettingsFile(state, ui));
  ASSERT_EQ(ui.boxes.size(), 1u);
  EXPECT_EQ(ui.boxes[0].lines[0], "設定ファイルを保存できませんでした。");
  EXPECT_EQ(state.settings.WindowLeft, 42);
}

TEST(Startup, SavingWhileTheProgramRunsWritesWhereTheWindowIsNow) {
  TempDir dir;
  AppState state;
  state.folders = MakeAppFolders(dir.Path(), {});
  state.settings.WindowLeft = 10;
  state.settings.WindowTop = 20;
  FakeUi ui;
  ui.window_position = std::make_pair(300, 250);
  ASSERT_TRUE(WriteSettingsFile(state, ui));
  const Settings stored = LoadSettings(state.folders.SettingsFile());
  EXPECT_EQ(stored.WindowLeft, 300);
  EXPECT_EQ(stored.WindowTop, 250);
  ui.window_position.reset();
  ASSERT_TRUE(WriteSettingsFile(state, ui));
  EXPECT_EQ(LoadSettings(state.folders.SettingsFile()).WindowLeft, 10);
}

struct ScreenCase {
  std::int32_t left, top, width, height, screen_w, screen_h;
  std::int32_t want_left, want_top;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
  *os << c.left << "," << c.top << " " << c.width << "x" << c.height << " on " << c.screen_w << "x" << c.screen_h;
}

class KeepOnScreenTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(KeepOnScreenTest, PullsTheWindowBack) {
  ScreenCase c = GetParam();
  KeepOnScreen(c.left, c.top, c.width, c.height, c.screen_w, c.screen_h);
  EXPECT_EQ(c.left, c.want_left);
  EXPECT_EQ(c.top, c.want_top);
}

INSTANTIATE_TEST_SUITE_P(Cases, KeepOnScreenTest,
                         testing::Values(ScreenCase{10, 10, 1024, 719, 1280, 1024, 10, 10},
                                         ScreenCase{2000, 1500, 1024, 719, 1280, 1024, 256, 305},
                                         ScreenCase{-50, -30, 1024, 719, 1280, 1024, 0, -4},
                                         ScreenCase{-50, -3, 1024, 719, 1280, 1024, 0, -3},
                                         ScreenCase{100, 100, 1400, 900, 1280, 800, 0, -4}));

}  // namespace
}  // namespace lumetta
