#include "core/favorites/favorites_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/favorites/favorite_names.h"

namespace lumetta {
namespace {

using Lines = std::vector<std::string>;

FavoritesStore WithFolders(Lines folders) {
  FavoritesStore store;
  store.Folders = std::move(folders);
  return store;
}

Lines Keys(const FavoritesStore& store) {
  Lines keys;
  for (const Favorite& f : store.Favorites) keys.push_back(f.FavoriteKey);
  return keys;
}

struct OrderCase {
  const char* name;
  Lines before;
  std::string created;
  Lines after;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class FolderOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(FolderOrder, ANewFolderGoesBeforeTheFirstLineAtLeastAsDeep) {
  FavoritesStore store = WithFolders(GetParam().before);
  ASSERT_TRUE(CreateFavoritesFolder(store, GetParam().created));
  EXPECT_EQ(store.Folders, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(OkiniF, FolderOrder,
                         ::testing::Values(OrderCase{"ChildBeforeTheOtherChild",
                                                     {"Kyoto", "Nara", "Nara\\Deer"},
                                                     "Kyoto\\Temple",
                                                     {"Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer"}},
                                           OrderCase{"TopLevelGoesFirst",
                                                     {"Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer"},
                                                     "Osaka",
                                                     {"Osaka", "Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer"}},
                                           OrderCase{"DeeperChildGoesLast",
                                                     {"Osaka", "Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer"},
                                                     "Nara\\Deer\\Park",
                                                     {"Osaka", "Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer",
                                                      "Nara\\Deer\\Park"}},
                                           OrderCase{"IntoAnEmptyFile", {}, "旅行", {"旅行"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FolderOrder, AListedFolderIsNotAddedTwice) {
  FavoritesStore store = WithFolders({"Kyoto"});
  EXPECT_FALSE(CreateFavoritesFolder(store, "Kyoto"));
  EXPECT_FALSE(CreateFavoritesFolder(store, ""));
  EXPECT_EQ(store.Folders, (Lines{"Kyoto"}));
}

TEST(RenameFavoritesFolder, RewritesTheFolderItsChildrenAndTheirKeysButNotALookAlike) {
  FavoritesStore store = WithFolders({"Kyoto", "Nara", "Narita", "Nara\\Deer"});
  store.Favorites = {{"Nara\\a.jpg", "p1"},
                     {"Narita\\b.jpg", "p2"},
                     {"Nara\\Deer\\c.jpg", "p3"},
                     {"Nara.jpg", "p4"},
                     {"Kyoto\\Nara", "p5"}};
  ASSERT_TRUE(RenameFavoritesFolder(store, "Nara", "Yamato"));
  EXPECT_EQ(store.Folders, (Lines{"Kyoto", "Yamato", "Narita", "Yamato\\Deer"}));
  EXPECT_EQ(Keys(store), (Lines{"Yamato\\a.jpg", "Narita\\b.jpg", "Yamato\\Deer\\c.jpg", "Nara.jpg", "Kyoto\\Nara"}));
  // The photos stay with their favorites.
  EXPECT_EQ(store.Favorites[2].PhotoPath, "p3");
}

TEST(RenameFavoritesFolder, RefusesANameThatIsTakenAndChangesNothing) {
  FavoritesStore store = WithFolders({"Kyoto", "Nara"});
  store.Favorites = {{"Nara\\a.jpg", "p1"}, {"Osaka\\x.jpg", "p2"}};
  const FavoritesStore before = store;
  EXPECT_FALSE(RenameFavoritesFolder(store, "Nara", "Kyoto"));
  // A favorite of a folder a damaged file left unlisted holds the name too.
  EXPECT_FALSE(RenameFavoritesFolder(store, "Nara", "Osaka"));
  EXPECT_FALSE(RenameFavoritesFolder(store, "Nara", "Nara\\Deer"));
  EXPECT_FALSE(RenameFavoritesFolder(store, "Missing", "Other"));
  EXPECT_EQ(store.Folders, before.Folders);
  EXPECT_EQ(store.Favorites, before.Favorites);
}

TEST(AddFavorite, TheSameNameTwiceInOneFolderIsRefusedButAllowedInAnother) {
  FavoritesStore store;
  EXPECT_EQ(AddFavorite(store, "", "IMG_0001.JPG", "\\p\\IMG_0001.JPG"), AddFavoriteResult::Added);
  EXPECT_EQ(AddFavorite(store, "", "IMG_0001.JPG", "\\p\\IMG_0001.JPG"), AddFavoriteResult::KeyExists);
  EXPECT_EQ(AddFavorite(store, "", "sea", "\\p\\IMG_0001.JPG"), AddFavoriteResult::Added);
  EXPECT_EQ(AddFavorite(store, "旅行", "IMG_0001.JPG", "\\p\\IMG_0001.JPG"), AddFavoriteResult::Added);
  EXPECT_EQ(Keys(store), (Lines{"IMG_0001.JPG", "sea", "旅行\\IMG_0001.JPG"}));
}

TEST(AddFavorite, TheThreeHundredAndFirstOfAFolderIsRefused) {
  FavoritesStore store;
  for (int i = 0; i < MaxFavoritesPerFolder; ++i) {
    ASSERT_EQ(AddFavorite(store, "旅行", std::to_string(i), "p"), AddFavoriteResult::Added);
  }
  EXPECT_EQ(AddFavorite(store, "旅行", "one more", "p"), AddFavoriteResult::FolderFull);
  EXPECT_EQ(AddFavorite(store, "", "one more", "p"), AddFavoriteResult::Added);
  EXPECT_EQ(store.Favorites.size(), 301u);
}

TEST(MoveFavorite, KeepsItsLineAndRefusesTheSameFolderOrATakenName) {
  FavoritesStore store = WithFolders({"A", "B"});
  store.Favorites = {{"A\\x", "p1"}, {"B\\x", "p2"}, {"A\\y", "p3"}};
  EXPECT_EQ(MoveFavorite(store, "A\\x", "A"), MoveFavoriteResult::SameFolder);
  EXPECT_EQ(MoveFavorite(store, "A\\x", "B"), MoveFavoriteResult::KeyExists);
  EXPECT_EQ(MoveFavorite(store, "A\\y", "B"), MoveFavoriteResult::Moved);
  EXPECT_EQ(MoveFavorite(store, "A\\y", "B"), MoveFavoriteResult::Missing);
  EXPECT_EQ(MoveFavorite(store, "B\\y", ""), MoveFavoriteResult::Moved);
  EXPECT_EQ(Keys(store), (Lines{"A\\x", "B\\x", "y"}));
  EXPECT_EQ(store.Favorites[2].PhotoPath, "p3");
}

TEST(RemoveFavorite, TakesTheFirstLineWithTheKey) {
  FavoritesStore store;
  store.Favorites = {{"x", "p1"}, {"y", "p2"}, {"x", "p3"}};
  EXPECT_TRUE(RemoveFavorite(store, "x"));
  EXPECT_FALSE(RemoveFavorite(store, "z"));
  EXPECT_EQ(store.Favorites, (std::vector<Favorite>{{"y", "p2"}, {"x", "p3"}}));
}

TEST(DeleteFavoritesFolder, OnlyAnEmptyFolderWithoutSubFoldersGoes) {
  FavoritesStore store = WithFolders({"A", "B", "A\\C"});
  store.Favorites = {{"B\\x", "p"}};
  EXPECT_EQ(DeleteFavoritesFolder(store, "A"), DeleteFolderResult::HasSubfolders);
  EXPECT_EQ(DeleteFavoritesFolder(store, "B"), DeleteFolderResult::HasFavorites);
  EXPECT_EQ(DeleteFavoritesFolder(store, ""), DeleteFolderResult::Missing);
  EXPECT_EQ(DeleteFavoritesFolder(store, "A\\C"), DeleteFolderResult::Deleted);
  EXPECT_EQ(DeleteFavoritesFolder(store, "A"), DeleteFolderResult::Deleted);
  EXPECT_EQ(store.Folders, (Lines{"B"}));
}

TEST(RebaseFavoritePhotos, FollowsAFolderOnDiskByWholeNames) {
  FavoritesStore store;
  store.Favorites = {{"a", StoredPhotoPath("/home/u/trip/a.jpg")},
                     {"b", StoredPhotoPath("/home/u/trip2/b.jpg")},
                     {"c", StoredPhotoPath("/home/u/trip/day1/c.jpg")}};
  EXPECT_EQ(RebaseFavoritePhotos(store, "/home/u/trip", "/home/u/journey"), 2u);
  EXPECT_EQ(DiskPhotoPath(store.Favorites[0].PhotoPath), "/home/u/journey/a.jpg");
  EXPECT_EQ(DiskPhotoPath(store.Favorites[1].PhotoPath), "/home/u/trip2/b.jpg");
  EXPECT_EQ(DiskPhotoPath(store.Favorites[2].PhotoPath), "/home/u/journey/day1/c.jpg");
}

TEST(StoredPhotoPath, UsesTheBackslashInTheFileAndTheSeparatorOnDisk) {
  EXPECT_EQ(StoredPhotoPath("/home/u/IMG_0001.JPG"), "\\home\\u\\IMG_0001.JPG");
  EXPECT_EQ(DiskPhotoPath("\\home\\u\\IMG_0001.JPG"), "/home/u/IMG_0001.JPG");
  EXPECT_TRUE(CanStorePhotoPath("/home/u/IMG_0001.JPG"));
  EXPECT_FALSE(CanStorePhotoPath("/home/u/a\\b.jpg"));
  EXPECT_FALSE(CanStorePhotoPath("/home/u/a\nb.jpg"));
  EXPECT_FALSE(CanStorePhotoPath(""));
}

struct NameCase {
  const char* name;
  std::string typed;
  bool folder_ok;
  bool favorite_ok;  // when added: only "\" and "/" are refused besides the reserved names
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.name; }

class TypedNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(TypedNames, AreRefusedWhenTheyCouldNotNameAFolder) {
  const NameCase& c = GetParam();
  EXPECT_EQ(FolderNameRefusal(c.typed).empty(), c.folder_ok);
  EXPECT_EQ(FavoriteNameRefusal(c.typed, "お気に入り写真名", false).empty(), c.favorite_ok);
}

INSTANTIATE_TEST_SUITE_P(
    Favorites, TypedNames,
    ::testing::Values(NameCase{"Plain", "旅行2001", true, true}, NameCase{"Empty", "", false, false},
                      NameCase{"Dot", ".", false, false}, NameCase{"DotDot", "..", false, false},
                      NameCase{"Backslash", "a\\b", false, false}, NameCase{"Slash", "a/b", false, false},
                      NameCase{"Colon", "a:b", false, true}, NameCase{"LeadingBlank", " a", false, true},
                      NameCase{"LineEnd", "a\nb", false, false}, NameCase{"DotsInside", "a..b", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FolderNameRefusal, GivesTheForbiddenCharacterMessage) {
  EXPECT_EQ(FolderNameRefusal("a?b"), (Lines{"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"}));
}

TEST(ToFullWidthNumber, WritesEachCharacterFullWidth) {
  EXPECT_EQ(ToFullWidthNumber("3"), "３");
  EXPECT_EQ(ToFullWidthNumber("0123456789"), "０１２３４５６７８９");
  EXPECT_EQ(ToFullWidthNumber("+-.aF"), "＋－．ａＦ");
  EXPECT_EQ(ToFullWidthNumber("x g"), "　　　");
}

TEST(FavoritesPaths, SplitAtTheLastBackslash) {
  EXPECT_EQ(FavoritesParent("旅行\\2001\\sea.jpg"), "旅行\\2001");
  EXPECT_EQ(FavoritesLeaf("旅行\\2001\\sea.jpg"), "sea.jpg");
  EXPECT_EQ(FavoritesParent("sea.jpg"), "");
  EXPECT_EQ(JoinFavoritesPath("", "sea.jpg"), "sea.jpg");
  EXPECT_EQ(JoinFavoritesPath("旅行", "sea.jpg"), "旅行\\sea.jpg");
  EXPECT_TRUE(InOrBelowFavoritesFolder("Nara\\Deer", "Nara"));
  EXPECT_FALSE(InOrBelowFavoritesFolder("Narita", "Nara"));
}

}  // namespace
}  // namespace lumetta
