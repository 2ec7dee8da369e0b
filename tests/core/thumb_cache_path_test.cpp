#include "core/library/thumb_cache_path.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/state/app_state.h"
#include "core/base/paths.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::TempDir;

struct PathCase {
  const char* name;
  int slot;
  std::string root;    // below the test folder
  std::string folder;  // below the test folder
  std::string photo;
  std::string expected;  // below the thumbnail folder
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.name; }

class ThumbCachePathOf : public ::testing::TestWithParam<PathCase> {};

TEST_P(ThumbCachePathOf, FollowsTheFolderFromTheRootsOwnName) {
  const PathCase& c = GetParam();
  TempDir dir;
  auto state = std::make_unique<AppState>();
  state->folders.ThumbnailFolder = dir / "Thumbnail";
  state->settings.SlotFolder[c.slot] = dir / c.root;
  const std::string path = ThumbCachePath(*state, c.slot, dir / c.folder, c.photo);
  EXPECT_EQ(path, JoinPath(state->folders.ThumbnailFolder, c.expected));
  EXPECT_TRUE(IsDirectory(ParentFolder(path)));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ThumbCachePathOf,
    ::testing::Values(
        PathCase{"the root itself", 1, "Photos/Trip", "Photos/Trip", "IMG_0001.JPG", "01/Trip/IMG_0001_JPG.bmp"},
        PathCase{"a nested folder", 1, "Photos/Trip", "Photos/Trip/Day1/Morning", "IMG_0001.JPG",
                 "01/Trip/Day1/Morning/IMG_0001_JPG.bmp"},
        PathCase{"an edited-photo file", 2, "Photos/Trip", "Photos/Trip/Day1", "IMG_0001_jpg.lum",
                 "02/Trip/Day1/IMG_0001_jpg_lum.bmp"},
        PathCase{"a drive-like root", 3, "media/D:", "media/D:/photos", "a.jpeg", "03/D：/photos/a_jpeg.bmp"},
        PathCase{"a name with dots", 1, "P", "P/x", "my.holiday.Tiff", "01/P/x/my.holiday_Tiff.bmp"},
        PathCase{"a root named like its parent", 1, "x/photos/photos", "x/photos/photos/day1", "a.jpg",
                 "01/photos/day1/a_jpg.bmp"},
        PathCase{"a root whose name starts a parent's name", 2, "pics/pic", "pics/pic/a", "b.jpg",
                 "02/pic/a/b_jpg.bmp"}));

TEST(ThumbCachePath, TheFilesystemRootHasANameOfItsOwn) {
  TempDir dir;
  auto state = std::make_unique<AppState>();
  state->folders.ThumbnailFolder = dir / "Thumbnail";
  state->settings.SlotFolder[1] = "/";
  EXPECT_EQ(SlotCacheName("/"), std::string(kRootCacheName));
  EXPECT_EQ(ThumbCachePath(*state, 1, dir / "some/where", "a.jpg"),
            JoinPath(JoinPath(dir / "Thumbnail/01", std::string(kRootCacheName) + (dir / "some/where")),
                     "a_jpg.bmp"));
}

TEST(ThumbCachePath, AFolderOutsideItsRootGoesFromTheRootsNameOn) {
  TempDir dir;
  auto state = std::make_unique<AppState>();
  state->folders.ThumbnailFolder = dir / "Thumbnail";
  state->settings.SlotFolder[1] = dir / "a/Trip";
  EXPECT_EQ(ThumbCachePath(*state, 1, dir / "b/Trip/day", "a.jpg"), dir / "Thumbnail/01/Trip/day/a_jpg.bmp");
}

TEST(ThumbCachePath, TakesExistingFoldersAndFilesAsTheyAreSpelt) {
  TempDir dir;
  auto state = std::make_unique<AppState>();
  state->folders.ThumbnailFolder = dir / "Thumbnail";
  state->settings.SlotFolder[1] = dir / "Photos/Trip";
  dir.Write("Thumbnail/01/trip/DAY1/img_0001_jpg.BMP", "x");
  const std::string path = ThumbCachePath(*state, 1, dir / "Photos/Trip/Day1", "IMG_0001.JPG");
  EXPECT_EQ(path, dir / "Thumbnail/01/trip/DAY1/img_0001_jpg.BMP");
  EXPECT_FALSE(IsDirectory(dir / "Thumbnail/01/Trip"));
  EXPECT_EQ(FindCacheFile(dir / "Thumbnail/01/trip/DAY1/IMG_0001_JPG.bmp"), path);
  EXPECT_EQ(FindCacheFile(dir / "Thumbnail/01/trip/DAY1/IMG_0002_JPG.bmp"), std::nullopt);
}

TEST(ThumbCachePath, FindsAFileAddedAfterTheFolderWasLookedAt) {
  TempDir dir;
  dir.Write("cache/a_jpg.bmp", "x");
  EXPECT_EQ(FindCacheFile(dir / "cache/B_JPG.dat"), std::nullopt);
  dir.Write("cache/b_jpg.dat", "y");
  EXPECT_EQ(FindCacheFile(dir / "cache/B_JPG.dat"), dir / "cache/b_jpg.dat");
}

TEST(ThumbCachePath, TheRotationFileSitsBesideTheThumbnail) {
  EXPECT_EQ(ThumbRotationPath("/t/01/Trip/IMG_0001_JPG.bmp"), "/t/01/Trip/IMG_0001_JPG.dat");
}

}  // namespace
}  // namespace lumetta
