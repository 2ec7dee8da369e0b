#include "core/favorites/favorites_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/favorites/favorites_files.h"
#include "core/favorites/favorites_window.h"
#include "core/library/folder_commands.h"
#include "core/library/folder_tree.h"
#include "support/favorites_fixture.h"

namespace lumetta {
namespace {

using Lines = std::vector<std::string>;
using testing_support::FakeUi;
using testing_support::FavoritesFixture;

// A photo shown from a folder outside the slots.
struct AddFixture : FavoritesFixture {
  AddFixture() {
    photo = Photo("card/DCIM/IMG_0001.JPG");
    state.current.Folder = dir / "card/DCIM";
    state.current.Name = "IMG_0001.JPG";
  }
  std::string photo;
};

TEST(CanAddDisplayedPhoto, ExplainsPanoramaModeAndTheMenuWithoutAPhoto) {
  AddFixture f;
  f.state.PanoramaMode = PanoramaKind::Pair;
  EXPECT_FALSE(CanAddDisplayedPhoto(f.state, f.ui, AddFavoriteSource::Key));
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"現在パノラマモードになっていますので", "お気に入りへの追加はできません。",
                   "お気に入りへ追加したい写真をダブルクリックしたのち", "追加をおこなってください。"}));
  f.state.PanoramaMode = PanoramaKind::None;
  f.state.current.Name.clear();
  f.ui.boxes.clear();
  EXPECT_FALSE(CanAddDisplayedPhoto(f.state, f.ui, AddFavoriteSource::Key));
  EXPECT_FALSE(CanAddDisplayedPhoto(f.state, f.ui, AddFavoriteSource::WindowButton));
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_FALSE(CanAddDisplayedPhoto(f.state, f.ui, AddFavoriteSource::Menu));
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"このメニューは、現在表示されている写真を", "「お気に入り」に追加したいときに使います。"}));
  f.state.current.Name = "IMG_0001.JPG";
  EXPECT_TRUE(CanAddDisplayedPhoto(f.state, f.ui, AddFavoriteSource::Menu));
}

TEST(CanCloseForAdd, ExplainsTheButtonWithoutAPhoto) {
  AddFixture f;
  EXPECT_TRUE(CanCloseForAdd(f.state, f.ui));
  f.state.current.Name.clear();
  EXPECT_FALSE(CanCloseForAdd(f.state, f.ui));
  EXPECT_EQ(f.ui.LastLines(), (Lines{"現在、写真が表示されていません。", "このボタンは、現在表示されている写真",
                                     "を「お気に入り」に追加したいときに使います。"}));
}

TEST(AddDisplayedPhoto, WritesTheNameAndThePhotoOnTheSameLine) {
  AddFixture f;
  f.WriteFiles({}, {"old.jpg"}, {"\\p\\old.jpg"});
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  const auto key = AddDisplayedPhoto(f.state, f.ui, store, "", "");
  ASSERT_TRUE(key.has_value());
  EXPECT_EQ(*key, "IMG_0001.JPG");
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"old.jpg", "IMG_0001.JPG"}));
  EXPECT_EQ(f.Lines("Okini2.dat"), (Lines{"\\p\\old.jpg", StoredPhotoPath(f.photo)}));
  EXPECT_EQ(f.Bytes("OkiniF.dat"), "");
}

TEST(AddDisplayedPhoto, TheSamePhotoTwiceIsRefusedUnderItsNameAndTakenUnderAnother) {
  AddFixture f;
  FavoritesStore store;
  ASSERT_TRUE(AddDisplayedPhoto(f.state, f.ui, store, "", "").has_value());
  const std::string keys = f.Bytes("Okini.dat");
  EXPECT_FALSE(AddDisplayedPhoto(f.state, f.ui, store, "", "IMG_0001.JPG").has_value());
  EXPECT_EQ(f.ui.LastLines(), (Lines{"入力された写真名は、すでにお気に入りに存在します。",
                                     "写真名を変更後、再度「決定」なさってください。"}));
  EXPECT_EQ(f.Bytes("Okini.dat"), keys);
  EXPECT_EQ(AddDisplayedPhoto(f.state, f.ui, store, "", "海").value_or(""), "海");
  EXPECT_EQ(f.Lines("Okini2.dat").size(), 2u);
}

TEST(AddDisplayedPhoto, RefusesANameWithASeparatorOrAReservedName) {
  AddFixture f;
  FavoritesStore store;
  for (const char* typed : {"a\\b", "a/b", ".", ".."}) {
    EXPECT_FALSE(AddDisplayedPhoto(f.state, f.ui, store, "", typed).has_value()) << typed;
  }
  EXPECT_EQ(f.ui.boxes.size(), 4u);
  EXPECT_FALSE(PathExists(f.dir / "app/Okini.dat"));
  // The other forbidden characters are not looked at when a favorite is added.
  EXPECT_TRUE(AddDisplayedPhoto(f.state, f.ui, store, "", "a:b").has_value());
}

TEST(AddDisplayedPhoto, TheThreeHundredAndFirstOfAFolderIsRefusedAndNoFileChanges) {
  AddFixture f;
  Lines keys(300), photos(300, "\\p\\x.jpg");
  for (int i = 0; i < 300; ++i) keys[static_cast<std::size_t>(i)] = "Full\\" + std::to_string(i);
  f.WriteFiles({"Full"}, keys, photos);
  const std::string before_keys = f.Bytes("Okini.dat");
  const std::string before_photos = f.Bytes("Okini2.dat");
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  EXPECT_FALSE(AddDisplayedPhoto(f.state, f.ui, store, "Full", "").has_value());
  EXPECT_EQ(f.ui.LastLines(), (Lines{"フォルダ内に300枚以上の写真があります。", "300枚まで読み込めます。"}));
  EXPECT_EQ(f.Bytes("Okini.dat"), before_keys);
  EXPECT_EQ(f.Bytes("Okini2.dat"), before_photos);
  EXPECT_EQ(store.Favorites.size(), 300u);
}

TEST(AddDisplayedPhoto, AFailedWriteKeepsTheStoreAsItWas) {
  AddFixture f;
  FavoritesStore store;
  std::filesystem::create_directories(f.dir / "app/Okini.dat.tmp~");
  EXPECT_FALSE(AddDisplayedPhoto(f.state, f.ui, store, "", "").has_value());
  EXPECT_EQ(f.ui.LastLines()[0], "お気に入りのファイルを保存できませんでした。");
  EXPECT_TRUE(store.Favorites.empty());
}

TEST(CreateFolderWithNameForm, AsksAgainAfterATakenOrRefusedNameAndSelectsTheNewFolder) {
  FavoritesFixture f;
  f.WriteFiles({"Kyoto", "Nara", "Nara\\Deer"}, {}, {});
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  std::string chosen = "Kyoto";
  int changes = 0;
  f.ui.make_folder_replies = {std::string(".."), std::string("Temple"), std::string("Temple")};
  // ".." is refused and the dialog asked again; Temple goes in.
  EXPECT_TRUE(CreateFolderWithNameForm(f.state, f.ui, store, chosen, {[&] { ++changes; }}));
  EXPECT_EQ(f.ui.make_folder_forms, 2);
  EXPECT_EQ(chosen, "Kyoto\\Temple");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f.Lines("OkiniF.dat"), (Lines{"Kyoto", "Nara", "Kyoto\\Temple", "Nara\\Deer"}));
  chosen = "Kyoto";
  EXPECT_FALSE(CreateFolderWithNameForm(f.state, f.ui, store, chosen, {}));
  EXPECT_EQ(f.ui.LastLines(), (Lines{"入力されたお気に入りフォルダ名は", "すでに存在しています。"}));
  EXPECT_EQ(f.ui.make_folder_forms, 4);
  EXPECT_EQ(chosen, "Kyoto");
}

TEST(FavoritesFolderForm, TheTopFolderIsShownFixed) {
  FavoritesFixture f;
  FavoritesStore store;
  std::string chosen;
  f.ui.folder_form_replies.push_back({{"renamed"}, kFolderFormDelete});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "", FavoritesFolderPlace::FavoritesWindow, {});
  ASSERT_EQ(f.ui.folder_forms.size(), 1u);
  EXPECT_TRUE(f.ui.folder_forms[0].Fixed);
  EXPECT_EQ(f.ui.folder_forms[0].ShownPath, "お気に入り");
  EXPECT_EQ(f.ui.folder_forms[0].Folder, "お気に入り");
  EXPECT_FALSE(PathExists(f.dir / "app/OkiniF.dat"));
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(FavoritesFolderForm, RenamesAFolderWithEverythingBelowIt) {
  FavoritesFixture f;
  f.WriteFiles({"Kyoto", "Nara", "Narita", "Nara\\Deer"}, {"Nara\\a.jpg", "Narita\\b.jpg", "Nara\\Deer\\c.jpg"},
               {"\\p\\a.jpg", "\\p\\b.jpg", "\\p\\c.jpg"});
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  std::string chosen = "Nara";
  f.ui.folder_form_replies.push_back({{"Kyoto", "a?b", "", "Yamato"}, kFolderFormClose});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "Nara", FavoritesFolderPlace::FavoritesWindow, {});
  ASSERT_EQ(f.ui.boxes.size(), 3u);
  EXPECT_EQ(f.ui.boxes[0].lines,
            (Lines{"フォルダ名「Kyoto」は", "すでに存在していますので、フォルダ名を変更できません。"}));
  EXPECT_EQ(f.ui.boxes[1].lines, (Lines{"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"}));
  EXPECT_EQ(f.ui.folder_forms[0].Folder, "Nara");
  EXPECT_EQ(chosen, "Yamato");
  EXPECT_EQ(f.Lines("OkiniF.dat"), (Lines{"Kyoto", "Yamato", "Narita", "Yamato\\Deer"}));
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"Yamato\\a.jpg", "Narita\\b.jpg", "Yamato\\Deer\\c.jpg"}));
  EXPECT_EQ(f.Lines("Okini2.dat"), (Lines{"\\p\\a.jpg", "\\p\\b.jpg", "\\p\\c.jpg"}));
}

TEST(FavoritesFolderForm, CreatesNewFolderInsideAndOffersToNameIt) {
  FavoritesFixture f;
  f.WriteFiles({"A"}, {}, {});
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  std::string chosen = "A";
  f.ui.folder_form_replies.push_back({{}, kFolderFormNewFolder});
  f.ui.folder_form_replies.push_back({{"Sub"}, kFolderFormClose});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "A", FavoritesFolderPlace::AddForm, {});
  ASSERT_EQ(f.ui.folder_forms.size(), 2u);
  EXPECT_TRUE(f.ui.folder_forms[1].RenameOnly);
  EXPECT_EQ(FileNameOf(f.ui.folder_forms[1].Folder), "新しいフォルダ");
  EXPECT_EQ(chosen, "A\\Sub");
  EXPECT_EQ(f.Lines("OkiniF.dat"), (Lines{"A", "A\\Sub"}));
  // The name is free again: a second new folder is left unnamed, and a
  // third cannot be made.
  f.ui.folder_form_replies.push_back({{}, kFolderFormNewFolder});
  f.ui.folder_form_replies.push_back({{}, kFolderFormClose});
  f.ui.folder_form_replies.push_back({{}, kFolderFormNewFolder});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "A", FavoritesFolderPlace::AddForm, {});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "A", FavoritesFolderPlace::AddForm, {});
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"フォルダ名「新しいフォルダ」が", "すでに存在していますので", "新しいフォルダは作成できません。"}));
}

struct DeleteCase {
  const char* name;
  FavoritesFolderPlace place;
  Lines keys;
  std::size_t first_line_count;
  std::string first_line;
};

void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

class FavoritesFolderDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(FavoritesFolderDelete, RefusesAFolderThatIsNotEmpty) {
  const DeleteCase& c = GetParam();
  FavoritesFixture f;
  Lines photos(c.keys.size(), "\\p\\x.jpg");
  f.WriteFiles({"A", "B", "B\\C"}, c.keys, photos);
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  std::string chosen = "B";
  f.ui.folder_form_replies.push_back({{}, kFolderFormDelete});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "B", c.place, {});
  ASSERT_EQ(f.ui.LastLines().size(), c.first_line_count);
  EXPECT_EQ(f.ui.LastLines()[0], c.first_line);
  EXPECT_EQ(f.Lines("OkiniF.dat"), (Lines{"A", "B", "B\\C"}));
  EXPECT_EQ(chosen, "B");
}

INSTANTIATE_TEST_SUITE_P(Places, FavoritesFolderDelete,
                         ::testing::Values(DeleteCase{"FavoritesInTheWindow",
                                                      FavoritesFolderPlace::FavoritesWindow,
                                                      {"B\\x.jpg"},
                                                      4,
                                                      "お気に入り写真が「空のフォルダ」のみ削除できます。"},
                                           DeleteCase{"FavoritesInTheAddDialog",
                                                      FavoritesFolderPlace::AddForm,
                                                      {"B\\x.jpg"},
                                                      5,
                                                      "お気に入り写真が「空のフォルダ」のみ削除できます。"},
                                           DeleteCase{"SubFolders",
                                                      FavoritesFolderPlace::FavoritesWindow,
                                                      {},
                                                      4,
                                                      "「サブフォルダが作られていないフォルダ」のみ"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FavoritesFolderForm, DeletingMovesTheSelectionToThePrecedingSiblingOrTheParent) {
  FavoritesFixture f;
  f.WriteFiles({"A", "B", "B\\C"}, {}, {});
  FavoritesStore store = ReadFavoritesFiles(f.state.folders);
  std::string chosen = "B\\C";
  f.ui.folder_form_replies.push_back({{}, kFolderFormDelete});
  f.ui.folder_form_replies.push_back({{}, kFolderFormDelete});
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "B\\C", FavoritesFolderPlace::FavoritesWindow, {});
  EXPECT_EQ(chosen, "B");
  RunFavoritesFolderForm(f.state, f.ui, store, chosen, "B", FavoritesFolderPlace::FavoritesWindow, {});
  EXPECT_EQ(chosen, "A");
  EXPECT_EQ(f.Lines("OkiniF.dat"), (Lines{"A"}));
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(RenameDiskFolder, TheFavoritesPhotosFollowTheirFolder) {
  FavoritesFixture f;
  const std::string root = f.dir.MakeDir("photos");
  f.Photo("photos/trip/a.bmp");
  f.UseSlot(1, root);
  RebuildTree(f.state, f.ui, root);
  ConnectFavoritesHooks(f.state, f.ui);
  f.WriteFiles({}, {"a", "b"},
               {StoredPhotoPath(f.dir / "photos/trip/a.bmp"), StoredPhotoPath(f.dir / "photos/trip2/b.bmp")});
  ASSERT_TRUE(RenameDiskFolder(f.state, f.ui, f.dir / "photos/trip", "journey"));
  EXPECT_EQ(f.Lines("Okini2.dat"),
            (Lines{StoredPhotoPath(f.dir / "photos/journey/a.bmp"), StoredPhotoPath(f.dir / "photos/trip2/b.bmp")}));
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"a", "b"}));
  EXPECT_TRUE(IsRegularFile(f.dir / "photos/journey/a.bmp"));
}

TEST(RenameDiskFolder, NeverReplacesAnExistingFolder) {
  FavoritesFixture f;
  const std::string root = f.dir.MakeDir("photos");
  f.Photo("photos/trip/a.bmp");
  f.dir.MakeDir("photos/journey");
  f.UseSlot(1, root);
  EXPECT_FALSE(RenameDiskFolder(f.state, f.ui, f.dir / "photos/trip", "journey"));
  EXPECT_TRUE(IsRegularFile(f.dir / "photos/trip/a.bmp"));
  EXPECT_TRUE(IsDirectory(f.dir / "photos/journey"));
}

}  // namespace
}  // namespace lumetta
