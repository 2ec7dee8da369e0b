#include "core/app/shutdown.h"
#include "core/base/folder_cleanup.h"
#include "core/library/thumbnail_cache_sweep.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/library/thumb_cache_path.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FakeUi;
using testing_support::TempDir;

TEST(CacheName, UsesTheRootsLastComponentOrTheDriveWithAFullWidthColon) {
  EXPECT_EQ(SlotCacheName("/home/user/Pictures"), "Pictures");
  EXPECT_EQ(SlotCacheName("D:"), "D：");
  EXPECT_EQ(SlotCacheName("/media/D:"), "D：");
  EXPECT_EQ(SlotCacheName(""), "");
}

TEST(CacheName, MonthStampIsYearAndTwoDigitMonth) {
  EXPECT_EQ(MonthStamp({2026, 3, 9}), "202603");
  EXPECT_EQ(MonthStamp({2026, 12, 31}), "202612");
}

// A slot root with photos and a cache mirroring it.
class SweepTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = dir_.MakeDir("photos/Trip");
    dir_.Write("photos/Trip/IMG_0001.JPG", "jpeg");
    dir_.Write("photos/Trip/Day1/a.jpeg", "jpeg");
    dir_.Write("photos/Trip/album.zip", "zip");
    cache_ = dir_.MakeDir("Thumbnail/01");
  }

  std::string Cache(const std::string& relative) { return dir_.Write("Thumbnail/01/" + relative, "bmp"); }
  void Sweep() {
    for (const auto& e : fs::directory_iterator(cache_)) {
      if (e.is_directory()) ThumbnailCacheSweep(root_, SlotCacheName(root_), cache_, e.path().filename().string());
    }
  }

  TempDir dir_;
  std::string root_;
  std::string cache_;
};

TEST_F(SweepTest, KeepsCacheFilesWhoseSourcePhotoExists) {
  const std::string kept = Cache("Trip/IMG_0001_JPG.bmp");
  const std::string rotation = Cache("Trip/IMG_0001_JPG.dat");
  const std::string four_letter_ext = Cache("Trip/Day1/a_jpeg.bmp");
  Sweep();
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_TRUE(fs::exists(rotation));
  EXPECT_TRUE(fs::exists(four_letter_ext));
}

TEST_F(SweepTest, FindsTheSourcePhotoWhateverItsCase) {
  const std::string kept = Cache("Trip/img_0001_jpg.bmp");
  const std::string folder_case = Cache("Trip/DAY1/A_JPEG.bmp");
  Sweep();
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_TRUE(fs::exists(folder_case));
}

TEST_F(SweepTest, RemovesCacheFilesWithoutSourceAndTheirEmptiedFolder) {
  const std::string gone = Cache("Trip/Day1/b_jpg.bmp");
  const std::string no_underscore = Cache("Trip/Day1/abc.bmp");
  const std::string keep_folder_file = Cache("Trip/Day1/a_jpeg.bmp");
  const std::string lone = Cache("Trip/Old/x_jpg.bmp");
  fs::create_directories(root_ + "/Old");
  Sweep();
  EXPECT_FALSE(fs::exists(gone));
  EXPECT_FALSE(fs::exists(no_underscore));
  EXPECT_TRUE(fs::exists(keep_folder_file));
  EXPECT_FALSE(fs::exists(lone));
  EXPECT_FALSE(fs::exists(cache_ + "/Trip/Old"));
}

TEST_F(SweepTest, RemovesCacheFoldersOfVanishedFoldersButKeepsArchiveCaches) {
  const std::string vanished = Cache("Trip/Gone/Deeper/x_jpg.bmp");
  const std::string archive = Cache("Trip/album.zip/p_jpg.bmp");
  Sweep();
  EXPECT_FALSE(fs::exists(cache_ + "/Trip/Gone"));
  EXPECT_TRUE(fs::exists(archive));
}

TEST_F(SweepTest, RemovesTheCacheOfARootTheSlotNoLongerHas) {
  const std::string other = Cache("OldRoot/IMG_0001_JPG.bmp");
  Sweep();
  EXPECT_FALSE(fs::exists(cache_ + "/OldRoot"));
  ThumbnailCacheSweep("", "", cache_, "Trip");
  EXPECT_FALSE(fs::exists(cache_ + "/Trip"));
  (void)other;
}

TEST_F(SweepTest, NeverFollowsALinkOutOfTheCache) {
  const std::string outside = dir_.Write("precious/photo.jpg", "keep me");
  fs::create_directories(cache_ + "/Trip/Day1");
  fs::create_directory_symlink(dir_ / "precious", cache_ + "/Trip/Day1/Linked");
  fs::create_directory_symlink(dir_ / "precious", cache_ + "/Unrelated");
  Sweep();
  EXPECT_FALSE(fs::exists(fs::symlink_status(cache_ + "/Trip/Day1/Linked")));
  EXPECT_FALSE(fs::exists(fs::symlink_status(cache_ + "/Unrelated")));
  EXPECT_EQ(testing_support::ReadAll(outside), "keep me");
}

TEST(ClearTempFolder, EmptiesTheFolderAndRemovesLinksAsLinks) {
  TempDir dir;
  const std::string temp = dir.MakeDir("app/Temp");
  dir.Write("app/Temp/_1/photo.jpg", "x");
  dir.Write("app/Temp/loose.bmp", "x");
  const std::string precious = dir.Write("photos/keep.jpg", "keep me");
  fs::create_directory_symlink(dir / "photos", temp + "/link-to-photos");
  fs::create_symlink(precious, temp + "/link-to-file");
  ClearTempFolder(temp);
  EXPECT_TRUE(fs::is_empty(temp));
  EXPECT_EQ(testing_support::ReadAll(precious), "keep me");
}

TEST(ClearTempFolder, ATempFolderThatIsALinkIsLeftAlone) {
  TempDir dir;
  dir.MakeDir("app");
  const std::string precious = dir.Write("photos/keep.jpg", "keep me");
  fs::create_directory_symlink(dir / "photos", dir / "app/Temp");
  ClearTempFolder(dir / "app/Temp");
  EXPECT_EQ(testing_support::ReadAll(precious), "keep me");
  EXPECT_FALSE(RemoveInside(dir / "app/Temp", dir / "app/Temp/keep.jpg"));
  EXPECT_TRUE(fs::exists(precious));
}

TEST(ClearTempFolder, RefusesRootsAndEmptyPaths) {
  TempDir dir;
  const std::string file = dir.Write("x/file", "x");
  ClearTempFolder("");
  ClearTempFolder(dir.Path() + "/x/");
  ClearTempFolder("D:");
  EXPECT_TRUE(fs::exists(file));
}

TEST(RemoveInside, TouchesNothingOutsideItsRoot) {
  TempDir dir;
  const std::string root = dir.MakeDir("root");
  const std::string outside = dir.Write("other/file", "x");
  EXPECT_FALSE(RemoveInside(root, outside));
  EXPECT_FALSE(RemoveInside(root, root + "/../other/file"));
  EXPECT_TRUE(fs::exists(outside));
}

class CloseTest : public testing::Test {
 protected:
  void SetUp() override {
    state_.folders = MakeAppFolders(dir_.MakeDir("app"), {});
    CreateDataFolders(state_.folders);
    state_.settings.SlotFolder[1] = dir_.MakeDir("photos");
    dir_.MakeDir("photos/sub");
    state_.Today = {2026, 12, 10};
    dir_.Write("app/Temp/scratch.jpg", "x");
    dir_.Write("app/Thumbnail/01/photos/sub/gone_jpg.bmp", "x");
  }
  TempDir dir_;
  AppState state_;
  FakeUi ui_;
};

TEST_F(CloseTest, SweepsOncePerMonthWritesSettingsAndEmptiesTemp) {
  EXPECT_EQ(CloseQuery(state_, ui_, false), CloseAnswer::Close);
  EXPECT_EQ(state_.settings.CacheSweepMonth, "202612");
  EXPECT_FALSE(fs::exists(dir_ / "app/Thumbnail/01/photos/sub/gone_jpg.bmp"));
  EXPECT_TRUE(fs::is_empty(state_.folders.TempFolder));
  EXPECT_EQ(LoadSettings(state_.folders.SettingsFile()).CacheSweepMonth, "202612");
  EXPECT_EQ(ui_.busy_depth, 0);

  // A second close in the same month does not sweep.
  const std::string again = dir_.Write("app/Thumbnail/01/photos/sub/gone2_jpg.bmp", "x");
  state_.UiReady = true;
  EXPECT_EQ(CloseQuery(state_, ui_, false), CloseAnswer::Close);
  EXPECT_TRUE(fs::exists(again));
}

TEST_F(CloseTest, AnotherInstanceKeepsTheScratchFolder) {
  EXPECT_EQ(CloseQuery(state_, ui_, true), CloseAnswer::Close);
  EXPECT_TRUE(fs::exists(dir_ / "app/Temp/scratch.jpg"));
}

TEST_F(CloseTest, RefusedWhileBusyOrWhileASlideShowRuns) {
  state_.UiReady = false;
  EXPECT_EQ(CloseQuery(state_, ui_, false), CloseAnswer::Refuse);
  EXPECT_FALSE(fs::exists(state_.folders.SettingsFile()));
  state_.UiReady = true;
  CloseHooks hooks;
  int stops = 0;
  hooks.StopSlideShow = [&] { return ++stops == 1; };
  EXPECT_EQ(CloseQuery(state_, ui_, false, hooks), CloseAnswer::Refuse);
  EXPECT_EQ(CloseQuery(state_, ui_, false, hooks), CloseAnswer::Close);
  EXPECT_TRUE(ui_.boxes.empty());
}

TEST_F(CloseTest, AThumbnailFolderThatIsALinkIsNotSwept) {
  const std::string elsewhere = dir_.MakeDir("elsewhere");
  const std::string precious = dir_.Write("elsewhere/01/photos/sub/other_jpg.bmp", "keep me");
  fs::remove_all(state_.folders.ThumbnailFolder);
  fs::create_directory_symlink(elsewhere, state_.folders.ThumbnailFolder);
  EXPECT_EQ(CloseQuery(state_, ui_, false), CloseAnswer::Close);
  EXPECT_EQ(testing_support::ReadAll(precious), "keep me");
}

// Roots whose name also occurs above them, and the filesystem root, keep
// their caches (and the rotation files that are the only record of plain
// photos' turns) through a sweep.
TEST_F(CloseTest, RootsWithARepeatedNameKeepTheirCacheThroughASweep) {
  const std::string root = dir_.MakeDir("x/photos/photos");
  dir_.Write("x/photos/photos/day1/a.jpg", "x");
  state_.settings.SlotFolder[2] = root;
  const std::string thumb = ThumbCachePath(state_, 2, root + "/day1", "a.jpg");
  dir_.Write(thumb.substr(dir_.Path().size() + 1), "bmp");
  const std::string turn = dir_.Write(ThumbRotationPath(thumb).substr(dir_.Path().size() + 1), "100\r\n1\r\n");
  EXPECT_TRUE(SweepThumbnailCacheIfDue(state_));
  EXPECT_TRUE(fs::exists(thumb));
  EXPECT_TRUE(fs::exists(turn));
}

TEST_F(CloseTest, AFilesystemRootSlotKeepsItsCacheThroughASweep) {
  state_.settings.SlotFolder[3] = "/";
  const std::string photo_folder = dir_.Path() + "/photos";
  dir_.Write("photos/a.jpg", "x");
  const std::string thumb = ThumbCachePath(state_, 3, photo_folder, "a.jpg");
  dir_.Write(thumb.substr(dir_.Path().size() + 1), "bmp");
  EXPECT_TRUE(SweepThumbnailCacheIfDue(state_));
  EXPECT_TRUE(fs::exists(thumb));
}

TEST_F(CloseTest, DriveRootSlotSweepsTheFullWidthColonFolder) {
  // A root like "D:" (here a folder whose name ends in ':') caches under "D：".
  const std::string root = dir_.MakeDir("mnt/D:");
  dir_.Write("mnt/D:/2004/a.jpg", "x");
  state_.settings.SlotFolder[2] = root;
  const std::string kept = dir_.Write("app/Thumbnail/02/D：/2004/a_jpg.bmp", "x");
  const std::string gone = dir_.Write("app/Thumbnail/02/D：/2004/b_jpg.bmp", "x");
  const std::string stale = dir_.Write("app/Thumbnail/02/D/a_jpg.bmp", "x");
  EXPECT_TRUE(SweepThumbnailCacheIfDue(state_));
  EXPECT_TRUE(fs::exists(kept));
  EXPECT_FALSE(fs::exists(gone));
  EXPECT_FALSE(fs::exists(stale));
}

}  // namespace
}  // namespace lumetta
