// Photos inside archives as the user meets them: archive nodes in the tree,
// their photos in the list, the view and the thumbnails, and the one-line
// message for a file that is no readable archive.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/show_photo.h"
#include "core/archive/archive_session.h"
#include "core/base/paths.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_commands.h"
#include "core/library/folder_scan.h"
#include "core/library/folder_tree.h"
#include "core/library/thumbnail_cache.h"
#include "support/archive_builder.h"
#include "support/folder_fixture.h"
#include "support/show_fixture.h"
#include "support/thumb_photos.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing_support::ArchiveFormat;
using testing_support::FileItem;
using testing_support::FolderItem;
using testing_support::ReadAll;
using testing_support::WriteArchive;

const std::string kNotAnArchive = "」は、ZIP圧縮ファイルではないようです。もしくは、ファイルが壊れている可能性があります。";

// What is left in the scratch folder of a program state, by name.
std::vector<std::string> ScratchOf(const AppState& state) {
  std::vector<std::string> names;
  const std::string scratch = ArchiveSession::In(state.folders.TempFolder).ScratchFolder();
  if (scratch.empty()) return names;
  for (const auto& entry : fs::directory_iterator(scratch)) names.push_back(entry.path().filename().string());
  return names;
}

struct ArchiveTree : testing_support::FolderFixture {
  ArchiveTree() {
    root = dir.MakeDir("photos");
    WriteArchive(root + "/trip.zip", ArchiveFormat::Zip,
                 {FileItem("a.jpg", "A"), FolderItem("day1/"), FileItem("day1/b.jpg", "B")});
    WriteArchive(root + "/deep.7z", ArchiveFormat::SevenZip, {FileItem("x/y/p.jpg", "P")});
    WriteArchive(dir / "inner.zip", ArchiveFormat::Zip, {FileItem("d.jpg", "D")});
    WriteArchive(root + "/outer.cbz", ArchiveFormat::Zip, {FileItem("inner.zip", ReadAll(dir / "inner.zip"))});
    UseSlot(1, root);
    state.ZipAvailable = true;
  }
  ~ArchiveTree() { ArchiveSession::In(state.folders.TempFolder).End(); }
  std::string root;
};

TEST(ArchiveTreeNodes, ShowArchivesWithTheirFoldersAndNestedArchives) {
  ArchiveTree f;
  RebuildTree(f.state, f.ui, JoinPath(f.root, "trip.zip/day1"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  deep.7z [zip]", "  outer.cbz [zip]", "  trip.zip [zip] +",
                             "    day1 + <"}));
  EXPECT_EQ(f.state.tree.Selected()->Icon, FolderIcon::Folder);

  RebuildTree(f.state, f.ui, JoinPath(f.root, "deep.7z/x/y"));
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  deep.7z [zip] +", "    x/y + <", "  outer.cbz [zip]", "  trip.zip [zip]"}));

  RebuildTree(f.state, f.ui, JoinPath(f.root, "outer.cbz/inner.zip"));
  // Opened, a nested archive shows as the folder of its outer archive it is.
  EXPECT_EQ(f.Tree(), (Lines{"photos +", "  deep.7z [zip]", "  outer.cbz [zip] +", "    inner.zip + <", "  trip.zip [zip]"}));
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(ArchiveTreeNodes, OpeningAnArchiveNodeListsItsPhotos) {
  ArchiveTree f;
  RebuildTree(f.state, f.ui, f.root);
  FolderNode* trip = f.state.tree.NodeAt({2});
  ASSERT_NE(trip, nullptr);
  ASSERT_EQ(trip->Text, "trip.zip");
  FolderTreeMouseDown(f.state, f.ui, trip, false);
  EXPECT_EQ(f.state.CurrentFolder, JoinPath(f.root, "trip.zip"));
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.photos[1].Name, "a.jpg");
  EXPECT_EQ(f.watched, f.root);

  f.state.CurrentFolder = JoinPath(f.root, "outer.cbz/inner.zip");
  ScanFolder(f.state, f.ui);
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.photos[1].Name, "d.jpg");
}

TEST(ArchiveTreeNodes, AFileThatIsNoArchiveGivesOneLineAndNoChildren) {
  ArchiveTree f;
  f.dir.Write("photos/broken.zip", "PK\x03\x04 and then nothing");
  RebuildTree(f.state, f.ui, JoinPath(f.root, "broken.zip"));
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines, (Lines{"ファイル「" + JoinPath(f.root, "broken.zip") + kNotAnArchive}));
  EXPECT_FALSE(f.state.tree.Selected()->HasChildren());
}

TEST(ArchiveTreeNodes, WithoutArchivesTheyAreNeitherNodesNorBrowsable) {
  ArchiveTree f;
  f.state.ZipAvailable = false;
  RebuildTree(f.state, f.ui, f.root);
  EXPECT_EQ(f.Tree(), (Lines{"photos + <"}));
  f.state.CurrentFolder = JoinPath(f.root, "trip.zip");
  ScanFolder(f.state, f.ui);
  EXPECT_EQ(f.state.photos.PhotoCount, 0);
}

struct ArchiveShow : testing_support::ShowFixture {
  ArchiveShow() {
    state.folders = MakeAppFolders(dir.MakeDir("app"), {});
    CreateDataFolders(state.folders);
    state.ZipAvailable = true;
  }
  ~ArchiveShow() { ArchiveSession::In(state.folders.TempFolder).End(); }
};

TEST(ArchivePhotos, APhotoOfANestedArchiveIsShownFromCopiesThatGo) {
  ArchiveShow f;
  const Rgb colour{200, 40, 10};
  const std::string photo = f.WritePhoto("build/d.bmp", colour);
  WriteArchive(f.dir / "build/inner.zip", ArchiveFormat::Zip, {FileItem("d.bmp", ReadAll(photo))});
  WriteArchive(f.dir / "p/outer.zip", ArchiveFormat::Zip, {FileItem("inner.zip", ReadAll(f.dir / "build/inner.zip"))});
  const auto photos = [&f] {
    auto bytes = f.PhotoBytes();
    std::erase_if(bytes, [&f](const auto& file) { return file.first.rfind(f.dir / "app", 0) == 0; });
    return bytes;
  };
  const auto before = photos();
  f.Open("p/outer.zip/inner.zip");
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_EQ(f.ViewAt(40, 30), colour);
  EXPECT_EQ(f.state.current.Name, "d.bmp");
  EXPECT_EQ(f.state.current.Folder, f.dir / "p/outer.zip/inner.zip");
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(ScratchOf(f.state), (Lines{"1.arc"})) << "the photo's copy went; the inner archive stays for the next";
  EXPECT_EQ(photos(), before);
}

TEST(ArchivePhotos, AnEditedPhotoInAnArchiveShowsWithItsSource) {
  ArchiveShow f;
  const Rgb colour{10, 200, 40};
  const std::string photo = f.WritePhoto("build/IMG_1.bmp", colour);
  WriteArchive(f.dir / "p/album.zip", ArchiveFormat::Zip,
               {FileItem("IMG_1.bmp", ReadAll(photo)), FileItem("IMG_1_bmp.lum", ReadAll(LUMETTA_FIXTURES "/lum/IMG_0001_JPG.lum"))});
  f.Open("p/album.zip");
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  EXPECT_EQ(f.state.photos[1].Name, "IMG_1_bmp.lum");
  ShowPhoto(f.state, f.ui, 1, 1);
  EXPECT_TRUE(f.ui.boxes.empty()) << (f.ui.boxes.empty() ? "" : f.ui.boxes[0].lines[0]);
  EXPECT_FALSE(f.state.CurrentUnreadable);
  EXPECT_TRUE(ScratchOf(f.state).empty());
}

TEST(ArchivePhotos, ABombGivesTheMessageAndNothingElse) {
  ArchiveShow f;
  fs::create_directories(f.dir / "p");
  fs::copy_file(testing_support::BombZip(), f.dir / "p/bomb.zip");
  f.Open("p/bomb.zip");
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  ShowPhoto(f.state, f.ui, 1, 1);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].lines, (Lines{"ファイル「" + f.dir / "p/bomb.zip" + kNotAnArchive}));
  EXPECT_TRUE(f.state.photos[1].Unreadable);
  EXPECT_TRUE(ScratchOf(f.state).empty());
}

TEST(ArchivePhotos, ThumbnailsOfZippedPhotosAreRealAndCached) {
  ArchiveShow f;
  f.state.folders.ThumbnailFolder = f.dir / "Thumbnail";
  f.state.settings.SlotFolder[1] = f.dir / "Photos/Trip";
  f.state.SlotIndex = 1;
  const testing_support::Bgr white{255, 255, 255};
  WriteArchive(f.dir / "Photos/Trip/album.zip", ArchiveFormat::Zip,
               {FileItem("day1/small.bmp", testing_support::BmpBytes(testing_support::Uniform(40, 30, white)))});
  f.state.CurrentFolder = f.dir / "Photos/Trip/album.zip/day1";
  ScanFolder(f.state, f.ui);
  ASSERT_EQ(f.state.photos.PhotoCount, 1);
  LoadThumbnail(f.state, f.ui, 1);
  const PhotoEntry& entry = f.state.photos[1];
  EXPECT_FALSE(entry.Unreadable);
  ASSERT_TRUE(entry.Thumb);
  EXPECT_EQ(testing_support::At(*entry.Thumb, 40, 30), white);
  EXPECT_TRUE(fs::exists(f.dir / "Thumbnail/01/Trip/album.zip/day1/small_bmp.bmp"))
      << "cached although smaller than a thumbnail";
  EXPECT_TRUE(ScratchOf(f.state).empty());
}

}  // namespace
}  // namespace lumetta
