#include "core/library/folder_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/base/paths.h"
#include "core/library/date_keys.h"
#include "core/library/photo_extensions.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;

struct Scan {
  Scan() {
    state.PhotoExtensions = BuildPhotoExtensions({});
    state.hooks.SetDirectory = [this](const std::string& folder) { watched.push_back(folder); };
  }
  std::vector<std::string> Run(const std::string& folder) {
    state.CurrentFolder = folder;
    ScanFolder(state, ui);
    std::vector<std::string> names;
    for (std::int32_t i = 1; i <= state.photos.PhotoCount; ++i) names.push_back(state.photos[i].Name);
    return names;
  }
  AppState state;
  FakeUi ui;
  std::vector<std::string> watched;
};

struct CompanionCase {
  std::string label;
  std::vector<std::string> files;
  std::vector<std::string> listed;  // in name order
};

void PrintTo(const CompanionCase& c, std::ostream* os) { *os << c.label; }

class ScanFolderListingTest : public testing::TestWithParam<CompanionCase> {};

TEST_P(ScanFolderListingTest, ListsPhotosAndLetEditedFilesStandForTheirPhotos) {
  TempDir dir;
  for (const std::string& name : GetParam().files) dir.Write(name, "x");
  Scan scan;
  EXPECT_EQ(scan.Run(dir.Path()), GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ScanFolderListingTest,
    testing::Values(
        CompanionCase{"photos, a text file and an edited photo",
                      {"a.jpg", "b.JPG", "notes.txt", "b_jpg.lum"},
                      {"a.jpg", "b_jpg.lum"}},
        CompanionCase{"companion spelt as saved", {"IMG_0001.JPG", "IMG_0001_JPG.lum"}, {"IMG_0001_JPG.lum"}},
        CompanionCase{"companion in other case", {"IMG_0001.JPG", "img_0001_jpg.LUM"}, {"img_0001_jpg.LUM"}},
        // "_" sorts before "." in the Japanese collation.
        CompanionCase{"numbered variants are listed beside the photo",
                      {"IMG_0001.JPG", "IMG_0001_JPG-001.lum", "IMG_0001_JPG-002.lum"},
                      {"IMG_0001_JPG-001.lum", "IMG_0001_JPG-002.lum", "IMG_0001.JPG"}},
        CompanionCase{"an edited file's own companion rule", {"x_jpg.lum", "x_jpg_lum.lum"}, {"x_jpg_lum.lum"}},
        CompanionCase{"extensions cut to five characters",
                      {"a.JPEG", "a.jpegx", "a.jp", "t.tiff", "t.TIF", "b.bmp", "c.jpe"},
                      {"a.JPEG", "a.jpegx", "b.bmp", "c.jpe", "t.TIF", "t.tiff"}},
        CompanionCase{"hidden files count", {".hidden.jpg", "shown.jpg"}, {".hidden.jpg", "shown.jpg"}},
        CompanionCase{"no photos", {"readme.txt"}, {}}));

TEST(ScanFolder, SubFoldersAreNotListed) {
  TempDir dir;
  dir.MakeDir("trip.jpg");
  dir.Write("a.jpg");
  dir.MakeDir("IMG_2_jpg.lum");
  dir.Write("IMG_2.jpg");
  Scan scan;
  EXPECT_EQ(scan.Run(dir.Path()), (std::vector<std::string>{"a.jpg", "IMG_2.jpg"}));
}

TEST(ScanFolder, ReadOnlyFilesAreListed) {
  TempDir dir;
  const std::string path = dir.Write("locked.jpg");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
  Scan scan;
  EXPECT_EQ(scan.Run(dir.Path()), (std::vector<std::string>{"locked.jpg"}));
}

TEST(ScanFolder, EntriesCarryTheirFileDates) {
  TempDir dir;
  const std::string path = dir.Write("a.jpg");
  Scan scan;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.photos[1].FileDate, FileDateKey(path));
  EXPECT_NE(scan.state.photos[1].FileDate, NoFileDate);
}

TEST(ScanFolder, StripStartsOnTheSmallestKeyInEitherDirection) {
  TempDir dir;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) dir.Write(name);
  Scan scan;
  scan.state.StripPos = 2;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.StripPos, 1);
  scan.state.settings.SortDirection = SortOrder::FromRight;
  EXPECT_EQ(scan.Run(dir.Path()), (std::vector<std::string>{"c.jpg", "b.jpg", "a.jpg"}));
  EXPECT_EQ(scan.state.StripPos, 3);

  TempDir empty;
  scan.Run(empty.Path());
  EXPECT_EQ(scan.state.StripPos, 0);
  scan.state.settings.SortDirection = SortOrder::FromLeft;
  scan.Run(empty.Path());
  EXPECT_EQ(scan.state.StripPos, 1) << "also for a folder without photos";
}

TEST(ScanFolder, NoFolderEmptiesTheListAndLeavesTheStripAlone) {
  TempDir dir;
  dir.Write("a.jpg");
  Scan scan;
  scan.Run(dir.Path());
  scan.state.photos[1].Unreadable = true;
  scan.state.photos[1].ThumbLoaded = true;
  scan.state.photos[1].Rotation = 2;
  scan.state.StripPos = 7;
  scan.Run("");
  EXPECT_EQ(scan.state.photos.PhotoCount, 0);
  EXPECT_EQ(scan.state.photos[1].Name, "");
  EXPECT_FALSE(scan.state.photos[1].Unreadable);
  EXPECT_FALSE(scan.state.photos[1].ThumbLoaded);
  EXPECT_EQ(scan.state.photos[1].Rotation, 0);
  EXPECT_EQ(scan.state.StripPos, 7);
  EXPECT_EQ(scan.ui.busy_calls, 1) << "only the first scan showed the busy cursor";
  EXPECT_TRUE(scan.state.WatchArmed);
}

TEST(ScanFolder, TheBusyCursorIsBalancedAndHiddenDuringASlideShow) {
  TempDir dir;
  dir.Write("a.jpg");
  Scan scan;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.ui.busy_calls, 1);
  EXPECT_EQ(scan.ui.busy_depth, 0);
  scan.state.SlideShowActive = true;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.ui.busy_calls, 1);
}

TEST(ScanFolder, WatchesTheSlotRootOrTheFolderItself) {
  TempDir dir;
  const std::string root = dir.MakeDir("root");
  const std::string sub = dir.MakeDir("root/2004");
  Scan scan;
  scan.state.settings.SlotFolder[2] = root;
  scan.state.SlotIndex = 2;
  scan.state.WatchArmed = false;
  scan.Run(sub);
  EXPECT_TRUE(scan.state.WatchArmed);
  scan.state.SlotIndex = 0;
  scan.Run(sub);
  ASSERT_EQ(scan.watched.size(), 2u);
  EXPECT_EQ(scan.watched[0], root);
  EXPECT_EQ(scan.watched[1], sub);
}

TEST(ScanFolder, AFolderInsideAnArchiveIsWatchedThroughTheArchivesFolder) {
  TempDir dir;
  const std::string zip = dir.Write("photos/trip.zip", "PK");
  Scan scan;
  scan.state.ZipAvailable = true;
  scan.state.StripPos = 5;
  EXPECT_TRUE(scan.Run(JoinPath(zip, "day1")).empty()) << "no archive at all: nothing listed";
  EXPECT_EQ(scan.state.StripPos, 1);
  ASSERT_EQ(scan.watched.size(), 1u);
  EXPECT_EQ(scan.watched[0], dir / "photos");
  EXPECT_TRUE(scan.ui.boxes.empty());
}

TEST(ScanFolder, AVanishedFolderGivesAnEmptyListWithoutAMessage) {
  TempDir dir;
  Scan scan;
  EXPECT_TRUE(scan.Run(dir / "gone").empty());
  EXPECT_TRUE(scan.ui.boxes.empty());
}

TEST(ScanFolder, TheTenThousandAndFirstPhotoGivesTheMessageOncePerScan) {
  TempDir dir;
  for (int i = 0; i < MaxPhotos; ++i) std::ofstream(dir / ("p" + std::to_string(i) + ".jpg"));
  dir.Write("p0_jpg.lum");
  dir.Write("notes.txt");
  Scan scan;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.photos.PhotoCount, MaxPhotos) << "p0.jpg gave way to its edited file";
  EXPECT_TRUE(scan.ui.boxes.empty()) << "exactly 10000 photos";

  for (int i = 0; i < 25; ++i) std::ofstream(dir / ("q" + std::to_string(i) + ".jpg"));
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.photos.PhotoCount, MaxPhotos);
  ASSERT_EQ(scan.ui.boxes.size(), 1u);
  EXPECT_EQ(scan.ui.boxes[0].lines,
            (std::vector<std::string>{"フォルダ内に10000枚以上の写真があります。", "10000枚まで読み込めます。"}));
  EXPECT_FALSE(scan.state.photos[MaxPhotos].Name.empty());
}

TEST(ScanFolder, TheCurrentPhotoIsFoundAgainAfterTheScan) {
  TempDir dir;
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) dir.Write(name);
  Scan scan;
  scan.state.current.Name = "b.jpg";
  scan.state.current.Folder = dir.Path();
  scan.state.settings.SortDirection = SortOrder::FromRight;
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.current.Pos, 2);
  std::filesystem::remove(dir / "c.jpg");
  scan.Run(dir.Path());
  EXPECT_EQ(scan.state.current.Pos, 1);
}

}  // namespace
}  // namespace lumetta
