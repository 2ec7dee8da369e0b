// lumetta-cli transfer and sort-dates, run as the separate program they are.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "core/state/app_state.h"
#include "core/state/settings.h"
#include "core/library/thumb_cache_path.h"
#include "support/file_dates.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::LocalTime;
using testing_support::ReadAll;
using testing_support::SetLocalDate;
using testing_support::TempDir;

struct Result {
  int status = -1;
  std::string out;
};

// Runs the command with the given input on stdin and the user's data folder
// (where the trash is) at data; stdout is kept.
Result Cli(const std::string& arguments, const std::string& input, const std::string& data) {
  const std::string command = "printf '" + input + "' | XDG_DATA_HOME='" + data + "' '" + std::string(LUMETTA_CLI) +
                              "' " + arguments + " 2>/dev/null";
  Result result;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) result.out.append(buffer.data(), n);
  const int raw = ::pclose(pipe);
  result.status = (raw >> 8) & 0xFF;
  return result;
}

std::map<std::string, std::string> Tree(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadAll(entry.path().string());
  }
  return files;
}

struct CardFixture {
  CardFixture() {
    SetLocalDate(dir.Write("card/DSC0001.JPG", "photo 1"), 2001, 6, 28);
    SetLocalDate(dir.Write("card/DSC0002.JPG", "photo 2"), 2001, 6, 29);
    SetLocalDate(dir.Write("card/MOV0003.AVI", "movie 3"), 2001, 6, 29);
    dir.MakeDir("pc");
    dir.Write("blocker", "a file where the user's data folder would be");
  }
  // A user data folder that cannot be made: no trash.
  std::string NoTrash() const { return dir / "blocker/data"; }
  std::string Args(const std::string& options) const { return "transfer '" + dir / "card" + "' '" + dir / "pc" + "' " + options; }
  TempDir dir;
};

TEST(CliTransfer, CopiesIntoDateFoldersWithALinePerFileAndASummary) {
  CardFixture f;
  const auto card_before = Tree(f.dir / "card");
  const Result r = Cli(f.Args("--date-folders --movies"), "", f.NoTrash());
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Tree(f.dir / "pc"), (std::map<std::string, std::string>{{"01-0628/DSC0001.JPG", "photo 1"},
                                                                     {"01-0629/DSC0002.JPG", "photo 2"},
                                                                     {"01-0629/MOV0003.AVI", "movie 3"}}));
  EXPECT_EQ(fs::last_write_time(f.dir / "pc/01-0628/DSC0001.JPG"), LocalTime(2001, 6, 28));
  EXPECT_NE(r.out.find("copied DSC0001.JPG -> " + f.dir / "pc/01-0628/DSC0001.JPG\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("3 copied, 0 skipped, 0 failed\n"), std::string::npos) << r.out;
  EXPECT_EQ(Tree(f.dir / "card"), card_before);
}

TEST(CliTransfer, KeepsExistingFilesByDefaultAndReplacesThemWithAll) {
  CardFixture f;
  f.dir.Write("pc/DSC0001.JPG", "old");
  Result r = Cli(f.Args(""), "", f.NoTrash());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0001.JPG"), "old");
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0002.JPG"), "photo 2");
  EXPECT_FALSE(fs::exists(f.dir / "pc/MOV0003.AVI"));
  EXPECT_NE(r.out.find("skipped (exists) DSC0001.JPG"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("1 copied, 1 skipped, 0 failed"), std::string::npos) << r.out;

  // "all" sends the older file to the trash; without a trash the old file
  // stays and the run fails.
  r = Cli(f.Args("--overwrite all"), "", f.NoTrash());
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0001.JPG"), "old");
  EXPECT_NE(r.out.find("FAILED DSC0001.JPG"), std::string::npos) << r.out;

  r = Cli(f.Args("--overwrite all"), "", f.dir / "data");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0001.JPG"), "photo 1");
  EXPECT_EQ(ReadAll(f.dir / "data/Trash/files/DSC0001.JPG"), "old");
  EXPECT_NE(r.out.find("copied DSC0001.JPG -> " + f.dir / "pc/DSC0001.JPG (the older file went to the trash)"),
            std::string::npos)
      << r.out;
}

TEST(CliTransfer, AsksOnTheTerminal) {
  CardFixture f;
  f.dir.Write("pc/DSC0001.JPG", "old");
  f.dir.Write("pc/DSC0002.JPG", "old");
  const Result r = Cli(f.Args("--overwrite ask"), "3\\n", f.NoTrash());  // 全ていいえ
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0001.JPG"), "old");
  EXPECT_EQ(ReadAll(f.dir / "pc/DSC0002.JPG"), "old");
  EXPECT_NE(r.out.find("0 copied, 2 skipped"), std::string::npos) << r.out;
}

TEST(CliTransfer, RefusesOneFolderAsBothEnds) {
  CardFixture f;
  EXPECT_EQ(Cli("transfer '" + f.dir / "card" + "' '" + f.dir / "card/" + "'", "", f.NoTrash()).status, 1);
  EXPECT_EQ(Cli("transfer '" + f.dir / "card" + "'", "", f.NoTrash()).status, 2);
  EXPECT_EQ(Cli(f.Args("--overwrite maybe"), "", f.NoTrash()).status, 2);
}

TEST(CliSortDates, MovesIntoDateFoldersWithEditedFilesAndCachedThumbnails) {
  TempDir dir;
  SetLocalDate(dir.Write("Photos/trip/sea.jpg", "sea"), 2001, 6, 28);
  SetLocalDate(dir.Write("Photos/trip/clip.mov", "clip"), 2002, 1, 5);
  dir.Write("Photos/trip/sea_jpg-001.lum", "edits");
  dir.Write("Photos/trip/gone_jpg.lum", "orphan");
  Settings settings;
  settings.SlotFolder[1] = dir / "Photos";
  dir.MakeDir("App");
  SaveSettings(dir / "App/Lumetta-ini.dat", settings);
  AppState state;
  state.settings = settings;
  state.folders = MakeAppFolders(dir / "App", {});
  const std::string bmp = ThumbCachePath(state, 1, dir / "Photos/trip", "sea.jpg");
  dir.Write(bmp.substr(dir.Path().size() + 1), "thumb");

  const std::string data = dir / "data";
  const Result r = Cli("sort-dates '" + dir / "Photos/trip" + "' --app-folder '" + dir / "App" + "'", "", data);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(Tree(dir / "Photos/trip"), (std::map<std::string, std::string>{{"01-0628/sea.jpg", "sea"},
                                                                           {"01-0628/sea_jpg-001.lum", "edits"},
                                                                           {"02-0105/clip.mov", "clip"},
                                                                           {"gone_jpg.lum", "orphan"}}));
  EXPECT_EQ(ReadAll(ThumbCachePath(state, 1, dir / "Photos/trip/01-0628", "sea.jpg")), "thumb");
  EXPECT_NE(r.out.find("2 moved, 0 skipped, 0 failed"), std::string::npos) << r.out;

  const Result again = Cli("sort-dates '" + dir / "Photos/trip" + "' --app-folder '" + dir / "App" + "'", "", data);
  EXPECT_EQ(again.status, 0);
  EXPECT_NE(again.out.find("0 moved, 0 skipped, 0 failed"), std::string::npos) << again.out;
}

}  // namespace
}  // namespace lumetta
