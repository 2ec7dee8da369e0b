#include "core/library/folder_tree.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "core/base/paths.h"
#include "core/library/folder_commands.h"
#include "support/folder_fixture.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing_support::FolderFixture;

// photos: A, b/b1/deep/deeper, c.zip and two files.
struct TreeFixture : FolderFixture {
  TreeFixture() {
    root = dir.MakeDir("photos");
    dir.MakeDir("photos/A");
    dir.MakeDir("photos/b/b1/deep/deeper");
    dir.Write("photos/b/x.jpg");
    dir.Write("photos/b/y.jpg");
    dir.Write("photos/c.zip", "PK");
    dir.Write("photos/notes.txt");
    UseSlot(1, root);
  }
  FolderNode& Node(const std::vector<std::size_t>& path) {
    FolderNode* node = state.tree.NodeAt(path);
    EXPECT_NE(node, nullptr);
    return *node;
  }
  std::string root;
};

TEST(RebuildTree, ListsTheRootsFoldersWithTheirSubFoldersOnly) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, f.root);
  EXPECT_EQ(f.Tree(), (Lines{"photos + <", "  A", "  b", "    b1"}));
  EXPECT_TRUE(f.state.UiReady);
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_GT(f.ui.busy_calls, 0);
}

TEST(RebuildTree, ShowsZipFilesAsArchivesWhenZipIsAvailable) {
  TreeFixture f;
  f.state.ZipAvailable = true;
  RebuildTree(f.state, f.ui, f.root);
  EXPECT_EQ(f.Tree(), (Lines{"photos + <", "  A", "  b", "    b1", "  c.zip [zip]"}));
}

TEST(RebuildTree, OpensTheTreeDownToTheTargetIgnoringCase) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, JoinPath(f.root, "B/B1"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b +", "    b1 + <", "      deep", "        deeper"}));
}

TEST(RebuildTree, SkipsTargetFoldersThatAreNotThere) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, JoinPath(f.root, "b/gone"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b + <", "    b1", "      deep"}));
}

TEST(RebuildTree, LeavesTheTreeEmptyWithoutAUsableSlotRoot) {
  TreeFixture f;
  f.state.SlotIndex = 0;
  RebuildTree(f.state, f.ui, f.root);
  EXPECT_TRUE(f.state.tree.Empty());
  f.UseSlot(2, f.dir / "nowhere");
  RebuildTree(f.state, f.ui, f.state.CurrentFolder);
  EXPECT_TRUE(f.state.tree.Empty());
}

TEST(FolderTree, ExpandingANodeListsTheFoldersBelowItsChildren) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, f.root);
  FolderNode& b = f.Node({1});
  FolderTreeExpanded(f.state, f.ui, b);
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b + <", "    b1", "      deep"}));
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "b"));
  EXPECT_EQ(f.state.photos.PhotoCount, 2);
  EXPECT_EQ(f.calls, (Lines{"grey strip", "strip 1 hover"}));
  EXPECT_EQ(f.ui.focus_moves.back(), Ctl::DummyBtn);

  // The press that expanded the node is not also a click on it.
  f.calls.clear();
  FolderTreeMouseDown(f.state, f.ui, &f.Node({0}), false);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "b"));
  EXPECT_TRUE(f.calls.empty());
  EXPECT_FALSE(f.state.tree.ExpandInProgress);
}

TEST(FolderTree, CollapsingANodeOpensItWithoutRefillingIt) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, JoinPath(f.root, "b/b1"));
  FolderTreeCollapsed(f.state, f.ui, f.Node({1}));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b <", "    b1 +", "      deep", "        deeper"}));
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "b"));
}

TEST(FolderTree, ClickingANodeOpensItsFolder) {
  TreeFixture f;
  f.state.SlotStripPos[1] = 5;
  RebuildTree(f.state, f.ui, f.root);
  FolderTreeMouseDown(f.state, f.ui, &f.Node({1}), false);
  const std::string b = JoinPath(f.root, "b");
  EXPECT_EQ(f.state.CurrentFolder, b);
  EXPECT_EQ(f.state.SlotLastFolder[1], b);
  EXPECT_EQ(f.state.SlotStripPos[1], 1);
  EXPECT_EQ(f.state.photos.NameAt(1), "x.jpg");
  EXPECT_EQ(f.state.photos.NameAt(2), "y.jpg");
  EXPECT_EQ(f.calls, (Lines{"grey strip", "strip 1 hover"}));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b + <", "    b1", "      deep"}));

  f.calls.clear();
  FolderTreeMouseDown(f.state, f.ui, &f.Node({1}), false);
  EXPECT_TRUE(f.calls.empty());
}

TEST(FolderTree, AFolderThatVanishedOpensEmpty) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, f.root);
  fs::remove(f.dir / "photos/A");
  FolderTreeMouseDown(f.state, f.ui, &f.Node({0}), false);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "A"));
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
  EXPECT_FALSE(f.Node({0}).HasChildren());
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(FolderTree, AFolderThatCannotBeReadHasNoChildren) {
  TreeFixture f;
  const fs::path b = f.dir / "photos/b";
  fs::permissions(b, fs::perms::none);
  std::error_code ec;
  fs::directory_iterator probe(b, ec);
  if (!ec) {
    fs::permissions(b, fs::perms::owner_all);
    GTEST_SKIP() << "this user reads folders without read permission";
  }
  RebuildTree(f.state, f.ui, f.root);
  FolderTreeMouseDown(f.state, f.ui, &f.Node({1}), false);
  fs::permissions(b, fs::perms::owner_all);
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b + <"}));
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
}

TEST(FolderTree, LinksBackToAFolderAboveAreLeftOut) {
  TreeFixture f;
  const std::string outside = f.dir.MakeDir("outside/inner");
  fs::create_directory_symlink(f.root, f.dir / "photos/b/up");
  fs::create_directory_symlink(".", f.dir / "photos/b/self");
  fs::create_directory_symlink(f.dir / "photos/b/loop", f.dir / "photos/b/loop");
  fs::create_directory_symlink(f.dir / "outside", f.dir / "photos/b/away");
  RebuildTree(f.state, f.ui, JoinPath(f.root, "b"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b + <", "    away", "      inner", "    b1", "      deep"}));
}

TEST(FolderTree, SteppingThroughATreeWithCrossedLinksEnds) {
  TreeFixture f;
  // Each link leads into the other branch, and from there back.
  fs::create_directory_symlink(f.dir / "photos/b", f.dir / "photos/A/to_b");
  fs::create_directory_symlink(f.dir / "photos/A", f.dir / "photos/b/b1/deep/to_a");
  RebuildTree(f.state, f.ui, f.root);
  std::vector<std::string> visited;
  for (int step = 0; step < 200 && (visited.empty() || f.state.CurrentFolder != f.root); ++step) {
    NextFolder(f.state, f.ui);
    visited.push_back(f.state.CurrentFolder.substr(f.root.size()));
  }
  EXPECT_EQ(visited, (Lines{"/A", "/A/to_b", "/A/to_b/b1", "/A/to_b/b1/deep", "/A/to_b/b1/deep/deeper", "/b",
                            "/b/b1", "/b/b1/deep", "/b/b1/deep/deeper", "/b/b1/deep/to_a", ""}));
}

TEST(FolderTree, NextAndPreviousFolderWalkTheTree) {
  TreeFixture f;
  RebuildTree(f.state, f.ui, f.root);
  std::vector<std::string> visited;
  for (int step = 0; step < 5; ++step) {
    NextFolder(f.state, f.ui);
    visited.push_back(f.state.CurrentFolder.substr(f.root.size()));
  }
  EXPECT_EQ(visited, (Lines{"/A", "/b", "/b/b1", "/b/b1/deep", "/b/b1/deep/deeper"}));
  NextFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  EXPECT_EQ(f.Tree(), (Lines{"photos + <", "  A", "  b", "    b1"}));

  FolderTreeExpanded(f.state, f.ui, f.Node({1}));
  FolderTreeMouseDown(f.state, f.ui, nullptr, false);
  FolderTreeMouseDown(f.state, f.ui, &f.Node({1, 0}), false);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "b/b1"));
  PreviousFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "b"));
  PreviousFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "A"));
  EXPECT_FALSE(f.Node({1}).Expanded);
  PreviousFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, f.root);
  PreviousFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, f.root);
}

TEST(FolderTree, NextFolderClosesTheBranchesItClimbsOutOf) {
  TreeFixture f;
  f.dir.MakeDir("photos/c");
  RebuildTree(f.state, f.ui, JoinPath(f.root, "b/b1/deep/deeper"));
  NextFolder(f.state, f.ui);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "c"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  A", "  b", "    b1", "      deep", "        deeper +", "  c + <"}));
}

TEST(FolderTree, AnArchiveNodeOpensAsAFolderInsideTheArchive) {
  TreeFixture f;
  f.state.ZipAvailable = true;
  RebuildTree(f.state, f.ui, f.root);
  FolderNode& zip = f.Node({2});
  ASSERT_EQ(zip.Text, "c.zip");
  FolderTreeMouseDown(f.state, f.ui, &zip, false);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "c.zip"));
  EXPECT_EQ(zip.Icon, FolderIcon::Archive);
  EXPECT_FALSE(zip.HasChildren());
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
}

TEST(FolderTree, TheTreeReportsEachBatchOfChangesOnce) {
  TreeFixture f;
  int changes = 0;
  f.state.tree.OnChanged = [&changes] { ++changes; };
  RebuildTree(f.state, f.ui, JoinPath(f.root, "b/b1"));
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace lumetta
