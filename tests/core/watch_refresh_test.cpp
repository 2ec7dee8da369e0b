#include "core/library/watch_refresh.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/app/photo_file_commands.h"
#include "core/library/photo_sort.h"
#include "core/state/app_state.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using testing_support::FolderFixture;

// Slot 1 at "Photos" showing "Photos/trip", the strip's and the tree's
// calls recorded.
struct WatchedFolder : FolderFixture {
  WatchedFolder() {
    root = dir.MakeDir("Photos");
    UseSlot(1, root);
    dir.Write("Photos/trip/a.jpg", "a");
    dir.Write("Photos/trip/b.jpg", "b");
    dir.Write("Photos/trip/c.jpg", "c");
    state.CurrentFolder = dir / "Photos/trip";
    state.hooks.RebuildTree = [this](const std::string& target) { calls.push_back("tree " + target); };
    state.ViewPicture.SetBitCount(24);
    state.ViewPicture.SetSize(8, -6);
    ScanFolder(state, ui);
    state.StripPos = FindPhotoPosition(state.photos, "b.jpg");
    calls.clear();
  }
  std::string root;
};


TEST(DirWatcherChange, AnUnchangedListRebuildsOnlyTheTree) {
  WatchedFolder f;
  f.dir.Write("Photos/trip/notes.txt", "not a photo");
  f.dir.MakeDir("Photos/trip/new folder");
  DirWatcherChange(f.state, f.ui);
  EXPECT_EQ(f.calls, std::vector<std::string>{"tree " + f.dir / "Photos/trip"});
}

struct ChangeCase {
  std::string name;
  std::function<void(WatchedFolder&)> change;
  std::int32_t strip_pos;  // where the strip stands afterwards
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class RefreshTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(RefreshTest, ReadsTheListAgainAndKeepsTheStripOnItsPhoto) {
  WatchedFolder f;
  GetParam().change(f);
  DirWatcherChange(f.state, f.ui);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"tree " + f.dir / "Photos/trip", "strip 1 hover"}));
  EXPECT_EQ(f.state.StripPos, GetParam().strip_pos);
  EXPECT_EQ(f.state.SlotStripPos[1], GetParam().strip_pos);
}

INSTANTIATE_TEST_SUITE_P(
    WatchRefresh, RefreshTest,
    ::testing::Values(
        ChangeCase{"a photo copied in before it", [](WatchedFolder& f) { f.dir.Write("Photos/trip/0.JPG", "x"); }, 3},
        ChangeCase{"a photo deleted", [](WatchedFolder& f) { fs::remove(f.dir / "Photos/trip/c.jpg"); }, 2},
        ChangeCase{"the photo on the strip deleted", [](WatchedFolder& f) { fs::remove(f.dir / "Photos/trip/b.jpg"); },
                   2},
        ChangeCase{"renamed in another case", [](WatchedFolder& f) {
                     fs::rename(f.dir / "Photos/trip/b.jpg", f.dir / "Photos/trip/B.JPG");
                   }, 2}),
    [](const ::testing::TestParamInfo<ChangeCase>& info) { return "case" + std::to_string(info.index); });

TEST(DirWatcherChange, AVanishedFolderFallsBackToTheSlotRoot) {
  WatchedFolder f;
  fs::remove_all(f.dir / "Photos/trip");
  f.state.SlotStripPos[1] = 7;
  DirWatcherChange(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  EXPECT_EQ(f.state.SlotLastFolder[1], f.root);
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
  EXPECT_EQ(f.state.StripPos, 0);
  EXPECT_EQ(f.calls.at(0), "tree " + f.root);
}

TEST(DirWatcherChange, NothingWhileTheWatchIsNotArmed) {
  WatchedFolder f;
  f.dir.Write("Photos/trip/d.jpg", "d");
  f.state.WatchArmed = false;
  DirWatcherChange(f.state, f.ui);
  EXPECT_TRUE(f.calls.empty());
}

TEST(DirWatcherChange, TheProgramsOwnChangeIsIgnoredOnceAndAnotherProgramsIsNot) {
  WatchedFolder f;
  f.state.current = PhotoRecord{"b.jpg", f.state.CurrentFolder, 1, 2, {}};
  f.ui.answers = {1};
  DeleteMenuClick(f.state, f.ui);  // its own rescan
  ASSERT_EQ(f.state.photos.PhotoCount, 2);
  f.calls.clear();

  DirWatcherChange(f.state, f.ui);
  EXPECT_TRUE(f.calls.empty());
  EXPECT_FALSE(f.state.IgnoreNextChange);

  fs::remove(f.dir / "Photos/trip/c.jpg");  // in the file manager
  DirWatcherChange(f.state, f.ui);
  EXPECT_EQ(f.calls.back(), "strip 1 hover");
  EXPECT_EQ(f.state.photos.PhotoCount, 1);
}

TEST(DirWatcherChange, AnIgnoreMarkOlderThanTwoSecondsNoLongerSwallowsAChange) {
  WatchedFolder f;
  f.dir.Write("Photos/trip/d.jpg", "d");
  f.state.IgnoreNextChange = true;
  DirWatcherChange(f.state, f.ui, f.state.IgnoreNextChange.SetAt() + std::chrono::milliseconds(2500));
  EXPECT_FALSE(f.state.IgnoreNextChange);
  EXPECT_EQ(f.calls.back(), "strip 1 hover");
  EXPECT_EQ(f.state.photos.PhotoCount, 4);

  f.calls.clear();
  f.state.IgnoreNextChange = true;
  f.dir.Write("Photos/trip/e.jpg", "e");
  DirWatcherChange(f.state, f.ui, f.state.IgnoreNextChange.SetAt() + std::chrono::milliseconds(1500));
  EXPECT_TRUE(f.calls.empty());
}

}  // namespace
}  // namespace lumetta
