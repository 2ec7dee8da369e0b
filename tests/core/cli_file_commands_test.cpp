// lumetta-cli rename, move and trash, run as the separate program they are.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <map>
#include <string>

#include "core/library/thumb_cache_path.h"
#include "core/state/app_state.h"
#include "core/state/settings.h"
#include "support/cli_run.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadAll;
using testing_support::RunCli;
using testing_support::TempDir;

std::map<std::string, std::string> Files(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadAll(entry.path().string());
  }
  return files;
}

// A photo folder of slot 1 in the settings of an app folder, with a photo,
// two variants and the photo's cached thumbnail.
struct CliFolder {
  CliFolder() {
    dir.Write("Photos/IMG_0001.JPG", "photo");
    dir.Write("Photos/IMG_0001_jpg-002.lum", "edits 2");
    dir.Write("Photos/IMG_0001_JPG-020.lum", "edits 20");
    dir.MakeDir("Photos/sub");
    Settings settings;
    settings.SlotFolder[1] = dir / "Photos";
    dir.MakeDir("App");
    SaveSettings(dir / "App/Lumetta-ini.dat", settings);
    state.settings = settings;
    state.folders = MakeAppFolders(dir / "App", {});
    const std::string bmp = ThumbCachePath(state, 1, dir / "Photos", "IMG_0001.JPG");
    dir.Write(bmp.substr(dir.Path().size() + 1), "thumb");
  }
  std::string Run(const std::string& arguments) {
    const auto r = RunCli(dir, arguments + " --app-folder '" + dir / "App" + "'");
    status = r.status;
    errors = r.errors;
    return r.out;
  }
  TempDir dir;
  AppState state;
  int status = -1;
  std::string errors;
};

TEST(CliFileCommands, RenameTakesTheEditedFilesAndTheCacheAlong) {
  CliFolder f;
  const std::string out = f.Run("rename '" + f.dir / "Photos/IMG_0001.JPG" + "' trip");
  EXPECT_EQ(f.status, 0) << f.errors;
  EXPECT_EQ(Files(f.dir / "Photos"), (std::map<std::string, std::string>{{"trip.JPG", "photo"},
                                                                        {"trip_JPG-002.lum", "edits 2"},
                                                                        {"trip_JPG-020.lum", "edits 20"}}));
  EXPECT_EQ(ReadAll(ThumbCachePath(f.state, 1, f.dir / "Photos", "trip.JPG")), "thumb");
  EXPECT_NE(out.find("renamed " + f.dir / "Photos/IMG_0001_jpg-002.lum -> " + f.dir / "Photos/trip_JPG-002.lum"),
            std::string::npos)
      << out;
}

TEST(CliFileCommands, MoveTakesTheEditedFilesAndTheCacheAlong) {
  CliFolder f;
  f.Run("move '" + f.dir / "Photos/IMG_0001_jpg-002.lum" + "' '" + f.dir / "Photos/sub" + "'");
  EXPECT_EQ(f.status, 0) << f.errors;
  EXPECT_EQ(Files(f.dir / "Photos"), (std::map<std::string, std::string>{{"sub/IMG_0001.JPG", "photo"},
                                                                        {"sub/IMG_0001_JPG-002.lum", "edits 2"},
                                                                        {"sub/IMG_0001_JPG-020.lum", "edits 20"}}));
  EXPECT_EQ(ReadAll(ThumbCachePath(f.state, 1, f.dir / "Photos/sub", "IMG_0001.JPG")), "thumb");
}

struct RefusalCase {
  std::string name;
  std::string arguments;  // after the command, "@" for the folder
  std::string message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class CliRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(CliRefusalTest, ExitsWithOneAndTheProgramsMessageAndChangesNothing) {
  CliFolder f;
  f.dir.Write("Photos/taken.JPG", "other");
  f.dir.Write("Photos/sub/TAKEN.jpg", "another");
  std::string arguments = GetParam().arguments;
  for (std::size_t at; (at = arguments.find('@')) != std::string::npos;) arguments.replace(at, 1, f.dir / "Photos");
  const auto before = Files(f.dir / "Photos");
  const auto cache_before = Files(f.dir / "App");
  f.Run(arguments);
  EXPECT_EQ(f.status, 1);
  EXPECT_NE(f.errors.find(GetParam().message), std::string::npos) << f.errors;
  EXPECT_EQ(Files(f.dir / "Photos"), before);
  EXPECT_EQ(Files(f.dir / "App"), cache_before);
}

INSTANTIATE_TEST_SUITE_P(
    CliFileCommands, CliRefusalTest,
    ::testing::Values(
        RefusalCase{"question mark", "rename '@/IMG_0001.JPG' 'a?b'", "の文字は使用できません。"},
        RefusalCase{"name taken", "rename '@/IMG_0001.JPG' taken", "すでに存在して"},
        RefusalCase{"same folder", "move '@/IMG_0001.JPG' '@'", "移動元と移動先のフォルダが同じです。"},
        RefusalCase{"name taken there, in another case", "move '@/taken.JPG' '@/sub'", "すでに同名のファイルが存在"},
        RefusalCase{"not a file", "trash '@/none.jpg'", "not a file"}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return "case" + std::to_string(info.index); });

TEST(CliFileCommands, TrashTakesThePhotoAndItsVariants) {
  CliFolder f;
  // The trash of a data folder of the test's own, for the program run.
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::string saved = old != nullptr ? old : "";
  ::setenv("XDG_DATA_HOME", f.dir.MakeDir("data").c_str(), 1);
  const auto r = RunCli(f.dir, "trash '" + f.dir / "Photos/IMG_0001.JPG" + "' --app-folder '" + f.dir / "App" + "'");
  if (old != nullptr) {
    ::setenv("XDG_DATA_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_DATA_HOME");
  }
  EXPECT_EQ(r.status, 0) << r.errors;
  EXPECT_EQ(Files(f.dir / "Photos"), (std::map<std::string, std::string>{}));
  EXPECT_EQ(ReadAll(f.dir / "data/Trash/files/IMG_0001.JPG"), "photo");
  EXPECT_EQ(ReadAll(f.dir / "data/Trash/files/IMG_0001_jpg-002.lum"), "edits 2");
  EXPECT_FALSE(fs::exists(ThumbCachePath(f.state, 1, f.dir / "Photos", "IMG_0001.JPG")));
  EXPECT_NE(r.out.find("trashed " + f.dir / "Photos/IMG_0001_JPG-020.lum"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace lumetta
