#include "core/transfer/date_sort.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/library/thumb_cache_path.h"
#include "core/transfer/transfer_files.h"
#include "support/fake_ui.h"
#include "support/file_dates.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FolderFixture;
using testing_support::LocalTime;
using testing_support::ReadAll;
using testing_support::SetLocalDate;

std::map<std::string, std::string> FilesIn(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string relative = fs::relative(entry.path(), folder).string();
    files[relative] = entry.is_regular_file() ? ReadAll(entry.path().string()) : std::string("<dir>");
  }
  return files;
}

// Slot 1 on "Photos" with the folder "trip" selected, holding sea.jpg and
// park.jpg of 2001-06-28 and clip.mov of 2002-01-05; the user's transfer
// options skip write-protected files and movies.
struct SortFixture : FolderFixture {
  SortFixture() {
    root = dir.MakeDir("Photos");
    trip = dir.MakeDir("Photos/trip");
    UseSlot(1, root);
    state.CurrentFolder = trip;
    state.SlotLastFolder[1] = trip;
    SetLocalDate(dir.Write("Photos/trip/sea.jpg", "sea photo"), 2001, 6, 28, 10);
    SetLocalDate(dir.Write("Photos/trip/park.jpg", "park photo"), 2001, 6, 28, 9);
    SetLocalDate(dir.Write("Photos/trip/clip.mov", "clip movie"), 2002, 1, 5);
    state.settings.TransferLocked = 0;
    state.settings.TransferMovies = 0;
    state.settings.TransferDateFolders = 0;
    state.hooks.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
      shown.push_back(state.photos[position].Name + " step " + std::to_string(step));
    };
  }
  // Writes a cache file of photo name in folder for slot 1.
  std::string Cache(const std::string& folder, const std::string& name, const std::string& bytes) {
    const std::string path = ThumbCachePath(state, 1, folder, name);
    return dir.Write(path.substr(dir.Path().size() + 1), bytes);
  }

  std::string root;
  std::string trip;
  std::vector<std::string> shown;
};

TEST(DateSort, MovesPhotosAndMoviesIntoDateFoldersAndShowsTheOldest) {
  SortFixture f;
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);

  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines,
            (std::vector<std::string>{"選択中フォルダ「trip」", "の中に、「ファイル日付」フォルダを自動作成し",
                                      "選択中フォルダ内の写真ファイルを、全て振り分けます。",
                                      "（振り分け対象…JPEG,TIFF,BMP,MOV,AVI,MPEG）"}));
  const std::map<std::string, std::string> expected = {
      {"01-0628", "<dir>"},           {"01-0628/park.jpg", "park photo"}, {"01-0628/sea.jpg", "sea photo"},
      {"02-0105", "<dir>"},           {"02-0105/clip.mov", "clip movie"},
  };
  EXPECT_EQ(FilesIn(f.trip), expected);
  EXPECT_EQ(fs::last_write_time(f.trip + "/01-0628/sea.jpg"), LocalTime(2001, 6, 28, 10));
  EXPECT_EQ(fs::last_write_time(f.trip + "/02-0105/clip.mov"), LocalTime(2002, 1, 5));

  EXPECT_EQ(f.state.CurrentFolder, f.trip + "/01-0628");
  EXPECT_EQ(f.state.SlotLastFolder[1], f.trip + "/01-0628");
  EXPECT_EQ(f.state.SlotStripPos[1], 1);
  EXPECT_EQ(f.state.photos.PhotoCount, 2);
  EXPECT_EQ(f.shown, (std::vector<std::string>{"park.jpg step 1"}));
  // The tree is open on the date folder.
  ASSERT_NE(f.state.tree.Selected(), nullptr);
  EXPECT_EQ(f.state.tree.Selected()->Text, "01-0628");
  // The user's options are as they were.
  EXPECT_EQ(f.state.settings.TransferLocked, 0);
  EXPECT_EQ(f.state.settings.TransferMovies, 0);
  EXPECT_EQ(f.state.settings.TransferDateFolders, 0);
}

TEST(DateSort, MovesWriteProtectedPhotosAndEditedFilesWithTheirPhotosOnly) {
  SortFixture f;
  fs::permissions(f.trip + "/sea.jpg", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  f.dir.Write("Photos/trip/sea_jpg-001.lum", "edits 1");
  f.dir.Write("Photos/trip/SEA_JPG.lum", "edits 0");
  f.dir.Write("Photos/trip/sea_jpg-025.lum", "edits 25");  // no variant 19: found all the same
  f.dir.Write("Photos/trip/gone_jpg.lum", "orphan");
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);

  EXPECT_EQ(ReadAll(f.trip + "/01-0628/sea.jpg"), "sea photo");
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/sea_jpg-001.lum"), "edits 1");
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/SEA_JPG.lum"), "edits 0");
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/sea_jpg-025.lum"), "edits 25");
  EXPECT_EQ(ReadAll(f.trip + "/gone_jpg.lum"), "orphan");
  EXPECT_FALSE(fs::exists(f.trip + "/sea.jpg"));
}

TEST(DateSort, CachedThumbnailsFollowTheirPhotos) {
  SortFixture f;
  const std::string bmp = f.Cache(f.trip, "sea.jpg", "sea thumbnail");
  const std::string dat = f.dir.Write(ThumbRotationPath(bmp).substr(f.dir.Path().size() + 1), "100\r\n1\r\n");
  f.dir.Write("Photos/trip/sea_jpg.lum", "edits");
  const std::string lum_bmp = f.Cache(f.trip, "sea_jpg.lum", "lum thumbnail");
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);

  const std::string moved_bmp = ThumbCachePath(f.state, 1, f.trip + "/01-0628", "sea.jpg");
  EXPECT_EQ(ReadAll(moved_bmp), "sea thumbnail");
  EXPECT_EQ(ReadAll(ThumbRotationPath(moved_bmp)), "100\r\n1\r\n");
  EXPECT_EQ(ReadAll(ThumbCachePath(f.state, 1, f.trip + "/01-0628", "sea_jpg.lum")), "lum thumbnail");
  EXPECT_FALSE(fs::exists(bmp));
  EXPECT_FALSE(fs::exists(dat));
  EXPECT_FALSE(fs::exists(lum_bmp));
}

TEST(DateSort, ASecondRunMovesNothingAndLeavesTheSelection) {
  SortFixture f;
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);
  const auto after_first = FilesIn(f.trip);
  f.state.CurrentFolder = f.trip;
  f.state.SlotLastFolder[1] = f.trip;
  f.shown.clear();
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(FilesIn(f.trip), after_first);
  EXPECT_EQ(f.state.CurrentFolder, f.trip);
  EXPECT_TRUE(f.shown.empty());
}

TEST(DateSort, AnExistingFileInTheDateFolderIsAskedAboutAndKeptOnNo) {
  SortFixture f;
  f.dir.Write("Photos/trip/01-0628/sea.jpg", "older sea");
  f.ui.answers = {1, 1};  // yes, then いいえ
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.boxes.size(), 2u);
  EXPECT_EQ(ReadAll(f.trip + "/sea.jpg"), "sea photo");
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/sea.jpg"), "older sea");
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/park.jpg"), "park photo");
}

TEST(DateSort, OverwritingSendsTheOlderFileToTheTrash) {
  SortFixture f;
  f.dir.Write("Photos/trip/01-0628/sea.jpg", "older sea");
  f.ui.answers = {1, 2};  // yes, then 上書き
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{f.trip + "/01-0628/sea.jpg"}));
  EXPECT_EQ(ReadAll(f.trip + "/01-0628/sea.jpg"), "sea photo");
  EXPECT_FALSE(fs::exists(f.trip + "/sea.jpg"));
}

TEST(DateSort, TheUsersOptionsComeBackAlsoWhenTheRunFails) {
  SortFixture f;
  f.state.settings.TransferLocked = 1;
  f.dir.Write("Photos/trip/01-0628", "a file in the way");
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"「01-0628」という名前のファイルがあるため、",
                                                        "日付フォルダを作成できませんでした。"}));
  EXPECT_EQ(f.state.settings.TransferLocked, 1);
  EXPECT_EQ(f.state.settings.TransferMovies, 0);
  EXPECT_EQ(f.state.settings.TransferDateFolders, 0);
  EXPECT_EQ(ReadAll(f.trip + "/sea.jpg"), "sea photo");
}

TEST(DateSort, TheShownPhotoOfTheFolderLeavesTheViewFirst) {
  SortFixture f;
  f.state.ViewPicture.SetBitCount(24);
  f.state.ViewPicture.SetSize(8, -6);
  f.state.current.Name = "sea.jpg";
  f.state.current.Folder = f.trip;
  f.state.EditsDirty = true;
  f.ui.answers = {1};
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_TRUE(f.state.current.Name.empty());
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_EQ(f.ui.repaints.front(), Picture::ViewImg);
}

TEST(DateSort, IsRefusedInsideAnArchiveAndExplainedWithoutASlot) {
  SortFixture f;
  f.state.CurrentFolder = f.trip + "/album.zip/day1";
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"書庫(ZIP)ファイル内の写真は", "振り分けることができません。"}));

  f.state.CurrentFolder = f.trip;
  f.state.SlotIndex = 0;
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"このメニューは、選択中フォルダ内に",
                                                        "「ファイル日付」フォルダを自動作成して",
                                                        "ファイルを振り分けることができます。",
                                                        "（振り分け対象…JPEG,TIFF,BMP,MOV,AVI,MPEG）"}));
  EXPECT_EQ(f.ui.boxes.size(), 2u);
  EXPECT_TRUE(fs::exists(f.trip + "/sea.jpg"));

  f.state.SlotIndex = 1;
  f.ui.answers = {2};  // no
  MakeFolderMenuClick(f.state, f.ui);
  EXPECT_TRUE(fs::exists(f.trip + "/sea.jpg"));
}

}  // namespace
}  // namespace lumetta
