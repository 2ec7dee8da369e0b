#include "core/library/file_operations.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/base/paths.h"
#include "core/library/thumb_cache_path.h"
#include "support/fake_ui.h"
#include "support/folder_fixture.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::FolderFixture;
using testing_support::ReadAll;
using testing_support::TempDir;

struct ListCase {
  std::string name;
  std::vector<std::string> files;  // in the folder besides the photo
  std::string asked;               // the path asked about, in the folder
  std::vector<std::string> listed;
};

void PrintTo(const ListCase& c, std::ostream* os) { *os << c.name; }

class ListEditedFilesTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(ListEditedFilesTest, FindsTheDefaultAndTheNumberedVariants) {
  const ListCase& c = GetParam();
  TempDir dir;
  dir.Write("f/IMG_0001.JPG");
  for (const std::string& name : c.files) dir.Write("f/" + name);
  std::vector<std::string> expected;
  for (const std::string& name : c.listed) expected.push_back(dir / ("f/" + name));
  EXPECT_EQ(ListEditedFiles(dir / ("f/" + c.asked)), expected);
}

std::vector<std::string> Variants(int from, int to) {
  std::vector<std::string> names;
  for (int n = from; n <= to; ++n) {
    std::string digits = "00" + std::to_string(n);
    names.push_back("IMG_0001_JPG-" + digits.substr(digits.size() - 3) + ".lum");
  }
  return names;
}

std::vector<std::string> Plus(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    FileOperations, ListEditedFilesTest,
    ::testing::Values(ListCase{"none", {"IMG_0002_JPG.lum"}, "IMG_0001.JPG", {}},
                      ListCase{"default and a variant, in any case",
                               {"IMG_0001_jpg.LUM", "IMG_0001_JPG-003.lum", "IMG_0001_JPG-3.lum"},
                               "IMG_0001.JPG",
                               {"IMG_0001_jpg.LUM", "IMG_0001_JPG-003.lum"}},
                      ListCase{"asked through an edited-photo file",
                               {"IMG_0001_JPG-002.lum"},
                               "IMG_0001_jpg-002.lum",
                               {"IMG_0001_JPG-002.lum"}},
                      ListCase{"1 to 18 all looked at, gaps and all",
                               {"IMG_0001_JPG-001.lum", "IMG_0001_JPG-018.lum"},
                               "IMG_0001.JPG",
                               {"IMG_0001_JPG-001.lum", "IMG_0001_JPG-018.lum"}},
                      ListCase{"no 19: the later ones all the same",
                               {"IMG_0001_JPG-001.lum", "IMG_0001_jpg-002.lum", "IMG_0001_JPG-020.LUM"},
                               "IMG_0001.JPG",
                               {"IMG_0001_JPG-001.lum", "IMG_0001_jpg-002.lum", "IMG_0001_JPG-020.LUM"}},
                      ListCase{"names that only look like variants",
                               {"IMG_0001_JPG-000.lum", "IMG_0001_JPG-1000.lum", "IMG_0001_JPG-01a.lum",
                                "IMG_0001_JPG.lum.bak", "IMG_0001_JPGX.lum", "xIMG_0001_JPG.lum"},
                               "IMG_0001.JPG",
                               {}},
                      ListCase{"19 there: on to 999",
                               Plus(Variants(19, 19), {"IMG_0001_JPG-500.lum", "IMG_0001_JPG-999.lum"}), "IMG_0001.JPG",
                               Plus(Variants(19, 19), {"IMG_0001_JPG-500.lum", "IMG_0001_JPG-999.lum"})}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return "case" + std::to_string(info.index); });

TEST(MoveFileKeepingTarget, MovesAFileToAFreeName) {
  TempDir dir;
  const std::string from = dir.Write("a/x.lum", "edits");
  EXPECT_TRUE(MoveFileKeepingTarget(from, dir.MakeDir("b") + "/y.lum"));
  EXPECT_FALSE(IsRegularFile(from));
  EXPECT_EQ(ReadAll(dir / "b/y.lum"), "edits");
}

TEST(MoveFileKeepingTarget, NeverReplacesAFileOfTheSameNameInAnyCase) {
  TempDir dir;
  const std::string from = dir.Write("a/x.lum", "edits");
  const std::string there = dir.Write("b/Y.LUM", "other");
  EXPECT_FALSE(MoveFileKeepingTarget(from, dir / "b/y.lum"));
  EXPECT_FALSE(MoveFileKeepingTarget(from, there));
  EXPECT_EQ(ReadAll(from), "edits");
  EXPECT_EQ(ReadAll(there), "other");
}

TEST(MoveFileKeepingTarget, AMissingSourceMovesNothing) {
  TempDir dir;
  EXPECT_FALSE(MoveFileKeepingTarget(dir / "a/none.lum", dir.MakeDir("b") + "/none.lum"));
  EXPECT_FALSE(IsRegularFile(dir / "b/none.lum"));
}

TEST(MoveToRecycleBin, TakesTheCachedThumbnailAlongInAPhotoFolder) {
  FolderFixture f;
  const std::string root = f.dir.MakeDir("Photos");
  f.UseSlot(1, root);
  const std::string photo = f.dir.Write("Photos/trip/a_jpg.lum", "edits");
  const std::string cache = ThumbCachePath(f.state, 1, ParentFolder(photo), "a_jpg.lum");
  f.dir.Write(cache.substr(f.dir.Path().size() + 1), "bmp");
  f.dir.Write(ThumbRotationPath(cache).substr(f.dir.Path().size() + 1), "dat");

  EXPECT_TRUE(MoveToRecycleBin(f.state, f.ui, 1, photo));

  EXPECT_EQ(f.ui.trashed, (std::vector<std::string>{photo}));
  EXPECT_FALSE(IsRegularFile(photo));
  EXPECT_FALSE(IsRegularFile(cache));
  EXPECT_FALSE(IsRegularFile(ThumbRotationPath(cache)));
  EXPECT_FALSE(IsDirectory(ParentFolder(cache)));  // emptied, so removed
  EXPECT_TRUE(f.state.IgnoreNextChange);
}

TEST(MoveToRecycleBin, ARefusingTrashChangesNothing) {
  FolderFixture f;
  const std::string photo = f.dir.Write("x/a.jpg", "photo");
  f.ui.trash_refuses = true;
  EXPECT_FALSE(MoveToRecycleBin(f.state, f.ui, 0, photo));
  EXPECT_EQ(ReadAll(photo), "photo");
  EXPECT_FALSE(f.state.IgnoreNextChange);
}

}  // namespace
}  // namespace lumetta
