#include "core/favorites/favorites_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using testing_support::ReadAll;
using testing_support::TempDir;

struct FilesFixture {
  FilesFixture() { folders.AppFolder = dir.MakeDir("app"); }
  std::string Bytes(const char* name) const { return ReadAll(dir / (std::string("app/") + name)); }
  TempDir dir;
  AppFolders folders;
};

TEST(FavoritesFiles, MissingFilesAreEmptyLists) {
  FilesFixture f;
  const FavoritesStore store = ReadFavoritesFiles(f.folders);
  EXPECT_TRUE(store.Folders.empty());
  EXPECT_TRUE(store.Favorites.empty());
  EXPECT_EQ(store.UnpairedLines, 0u);
}

TEST(FavoritesFiles, AreShiftJisWithCrLfAndBackslashes) {
  FilesFixture f;
  FavoritesStore store;
  store.Folders = {"旅行", "旅行\\2001"};
  store.Favorites = {{"IMG_0001.JPG", StoredPhotoPath("/home/u/写真/IMG_0001.JPG")},
                     {"旅行\\2001\\海", StoredPhotoPath("/media/card/DCIM/P1.JPG")}};
  WriteAllFavoritesFiles(f.folders, store);
  // 旅 = 97 B7, 行 = 8D 73, 写 = 8E CA, 真 = 90 5E, 海 = 8A 43 in code page 932.
  EXPECT_EQ(f.Bytes("OkiniF.dat"), "\x97\xB7\x8D\x73\r\n\x97\xB7\x8D\x73\\2001\r\n");
  EXPECT_EQ(f.Bytes("Okini.dat"), "IMG_0001.JPG\r\n\x97\xB7\x8D\x73\\2001\\\x8A\x43\r\n");
  EXPECT_EQ(f.Bytes("Okini2.dat"), "\\home\\u\\\x8E\xCA\x90\x5E\\IMG_0001.JPG\r\n\\media\\card\\DCIM\\P1.JPG\r\n");
  const FavoritesStore back = ReadFavoritesFiles(f.folders);
  EXPECT_EQ(back.Folders, store.Folders);
  EXPECT_EQ(back.Favorites, store.Favorites);
}

TEST(FavoritesFiles, AreFoundWhateverTheCaseOfTheirNames) {
  FilesFixture f;
  f.dir.Write("app/okinif.dat", "A\r\n");
  f.dir.Write("app/OKINI.DAT", "A\\x\r\n");
  f.dir.Write("app/okini2.DAT", "\\p\\x.jpg\r\n");
  FavoritesStore store = ReadFavoritesFiles(f.folders);
  EXPECT_EQ(store.Folders, (Lines{"A"}));
  ASSERT_EQ(store.Favorites.size(), 1u);
  store.Favorites[0].FavoriteKey = "A\\y";
  WriteFavoritesPair(f.folders, store);
  EXPECT_EQ(f.Bytes("OKINI.DAT"), "A\\y\r\n");
  // No second file of another case.
  EXPECT_EQ(std::distance(fs::directory_iterator(f.dir / "app"), fs::directory_iterator()), 3);
}

TEST(FavoritesFiles, ADamagedPhotoFilePairsOnlyTheLinesBothHave) {
  FilesFixture f;
  f.dir.Write("app/Okini.dat", "a\r\nb\r\nc\r\n");
  f.dir.Write("app/Okini2.dat", "\\p\\a.jpg\r\n\\p\\b.jpg");
  const FavoritesStore store = ReadFavoritesFiles(f.folders);
  EXPECT_EQ(store.Favorites, (std::vector<Favorite>{{"a", "\\p\\a.jpg"}, {"b", "\\p\\b.jpg"}}));
  EXPECT_EQ(store.UnpairedLines, 1u);
  // The other way round too: never a photo without its key.
  f.dir.Write("app/Okini.dat", "a\r\n");
  EXPECT_EQ(ReadFavoritesFiles(f.folders).Favorites, (std::vector<Favorite>{{"a", "\\p\\a.jpg"}}));
}

TEST(FavoritesFiles, FolderLinesThatCannotBeFoldersAreLeftOut) {
  const FavoritesStore store =
      ParseFavoritesFiles("A\r\n\r\n..\r\nA\r\nB\\C\r\nA\\..\\..\\x\r\nA\\D\r\n a\r\n", "", "");
  // An empty line, "..", a repeat, a child without its parent, a path that
  // climbs and a name starting with a blank.
  EXPECT_EQ(store.Folders, (Lines{"A", "A\\D"}));
}

TEST(FavoritesFiles, AreReadAsUtf8AfterAByteOrderMark) {
  const FavoritesStore store = ParseFavoritesFiles("\xEF\xBB\xBF\xF0\x9F\x8C\x8A\r\n", "", "");
  EXPECT_EQ(store.Folders, (Lines{"🌊"}));
}

TEST(WriteFavoritesPair, WritesNeitherFileWhenOneCannotBeWritten) {
  FilesFixture f;
  f.dir.Write("app/Okini.dat", "old\r\n");
  f.dir.Write("app/Okini2.dat", "\\old.jpg\r\n");
  // The second file's temporary cannot be created.
  fs::create_directories(f.dir / "app/Okini2.dat.tmp~");
  FavoritesStore store;
  store.Favorites = {{"new", "\\new.jpg"}};
  EXPECT_THROW(WriteFavoritesPair(f.folders, store), EDataFile);
  EXPECT_EQ(f.Bytes("Okini.dat"), "old\r\n");
  EXPECT_EQ(f.Bytes("Okini2.dat"), "\\old.jpg\r\n");
  EXPECT_FALSE(fs::exists(f.dir / "app/Okini.dat.tmp~"));
}

}  // namespace
}  // namespace lumetta
