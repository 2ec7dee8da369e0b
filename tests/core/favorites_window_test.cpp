#include "core/favorites/favorites_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/favorites/favorites_grid.h"
#include "support/exif_bytes.h"
#include "support/favorites_fixture.h"

namespace lumetta {
namespace {

using Lines = std::vector<std::string>;
using testing_support::FavoritesFixture;

// n favorites f001.jpg ... in folder, each naming a photo that does not exist.
void WriteMany(FavoritesFixture& f, int n, const std::string& folder = "Trip") {
  Lines keys;
  Lines photos;
  for (int i = 1; i <= n; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "f%03d.jpg", i);
    keys.push_back(folder + "\\" + name);
    photos.push_back("\\nowhere\\" + std::string(name));
  }
  f.WriteFiles({folder}, keys, photos);
  f.session.CurrentFavoritesFolder = folder;
}

struct GridCase {
  int size_mode;
  int view_width;
  int view_height;
  int columns;
  int rows;
};

void PrintTo(const GridCase& c, std::ostream* os) {
  *os << "mode " << c.size_mode << " view " << c.view_width << "x" << c.view_height;
}

class FavoritesGridSize : public ::testing::TestWithParam<GridCase> {};

TEST_P(FavoritesGridSize, FollowsTheSizeMode) {
  const GridCase& c = GetParam();
  const FavoritesGrid grid = GridForSizeMode(static_cast<std::uint8_t>(c.size_mode), c.view_width, c.view_height);
  EXPECT_EQ(grid.Columns, c.columns);
  EXPECT_EQ(grid.Rows, c.rows);
  EXPECT_EQ(grid.PageSize(), c.columns * c.rows - 1);
  EXPECT_EQ(grid.ClientWidth(), c.columns * 85 + 214);
  EXPECT_EQ(grid.ClientHeight(), c.rows * 65 + 10);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FavoritesGridSize,
    ::testing::Values(GridCase{1, 480, 360, 6, 6}, GridCase{5, 480, 360, 6, 6}, GridCase{2, 640, 480, 6, 8},
                      GridCase{6, 640, 480, 6, 8}, GridCase{3, 800, 600, 8, 10}, GridCase{7, 800, 600, 8, 10},
                      GridCase{8, 800, 600, 8, 10}, GridCase{9, 800, 600, 8, 10}, GridCase{4, 641, 100, 8, 10},
                      GridCase{4, 100, 481, 8, 10}, GridCase{4, 640, 480, 6, 8}, GridCase{4, 481, 100, 6, 8},
                      GridCase{4, 100, 361, 6, 8}, GridCase{4, 480, 360, 6, 6}, GridCase{0, 32, 32, 6, 6}));

TEST(FavoritesGrid, PlacesCellsEvery85By65) {
  const FavoritesGrid grid{6, 8};
  EXPECT_EQ(grid.CellLeft(0), 4);
  EXPECT_EQ(grid.CellTop(0), 4);
  EXPECT_EQ(grid.CellLeft(7), 89);
  EXPECT_EQ(grid.CellTop(7), 69);
  EXPECT_EQ(grid.CellAt(89, 69), 7);
  EXPECT_EQ(grid.CellAt(88, 69), -1);  // between the thumbnails
  EXPECT_EQ(grid.CellAt(168, 128), 7);
  EXPECT_EQ(grid.CellAt(169, 128), -1);
}

TEST(FavoritesPaging, TheEndOfThreeHundredOnASixByEightGridLeavesTheLastCellEmpty) {
  FavoritesFixture f;
  WriteMany(f, 300);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_EQ(f.session.grid.PageSize(), 47);
  EXPECT_TRUE(FavoritesToLastPage(f.session));
  EXPECT_EQ(f.session.PageStart, 255);
  EXPECT_EQ(f.session.page[SlotOfCell(f.session, 0)].Name, "f255.jpg");
  EXPECT_EQ(f.session.page[SlotOfCell(f.session, 45)].Name, "f300.jpg");
  EXPECT_EQ(SlotOfCell(f.session, 46), 0);
  // Paging on stops there; paging back goes to the start.
  EXPECT_FALSE(MoveFavoritesPage(f.session, f.session.grid.PageSize()));
  EXPECT_EQ(f.session.PageStart, 255);
  EXPECT_TRUE(MoveFavoritesPage(f.session, -f.session.grid.Columns));
  EXPECT_EQ(f.session.PageStart, 249);
  EXPECT_TRUE(FavoritesToFirstPage(f.session));
  EXPECT_EQ(f.session.PageStart, 1);
  EXPECT_FALSE(MoveFavoritesPage(f.session, -47));
}

TEST(FavoritesPaging, AFolderThatFitsOnePageDoesNotMove) {
  FavoritesFixture f;
  WriteMany(f, 46);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_FALSE(FavoritesToLastPage(f.session));
  EXPECT_FALSE(MoveFavoritesPage(f.session, 47));
  EXPECT_EQ(f.session.PageStart, 1);
  WriteMany(f, 47);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_TRUE(FavoritesToLastPage(f.session));
  EXPECT_EQ(f.session.PageStart, 2);
}

TEST(FavoritesPaging, ClearsTheSelections) {
  FavoritesFixture f;
  WriteMany(f, 100);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  ToggleFavoriteSelection(f.session, 3);
  ToggleFavoriteSelection(f.session, 5);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 2);
  MoveFavoritesPage(f.session, 47);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 0);
  EXPECT_EQ(f.session.PageStart, 48);
}

TEST(FavoritesSelection, CtrlASelectsAllOrClearsAll) {
  FavoritesFixture f;
  WriteMany(f, 5);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  ToggleFavoriteSelection(f.session, 2);
  ToggleAllFavorites(f.session);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 5);
  ToggleAllFavorites(f.session);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 0);
}

TEST(LoadFavoritesPage, StopsAtThreeHundredWithTheMessageAndChangesNoFile) {
  FavoritesFixture f;
  WriteMany(f, 301);
  const std::string keys = f.Bytes("Okini.dat");
  const std::string photos = f.Bytes("Okini2.dat");
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_EQ(f.ui.LastLines(), (Lines{"フォルダ内に300枚以上の写真があります。", "300枚まで読み込めます。"}));
  EXPECT_EQ(f.session.page.Count, 300);
  EXPECT_EQ(f.session.page[300].Name, "f300.jpg");
  EXPECT_EQ(f.session.store.Favorites.size(), 301u);
  EXPECT_EQ(f.Bytes("Okini.dat"), keys);
  EXPECT_EQ(f.Bytes("Okini2.dat"), photos);
}

TEST(LoadFavoritesPage, SortsByExifDateWithTiesByName) {
  FavoritesFixture f;
  auto jpeg = [&](const char* name, const char* date) {
    testing_support::ExifLayout layout;
    layout.dates = {date};
    return f.dir.Write(std::string("photos/") + name, testing_support::ExifJpeg(layout));
  };
  const std::string a = jpeg("a.jpg", "2004:01:01 10:00:00");
  const std::string b = jpeg("b.jpg", "2001:06:28 09:00:00");
  const std::string c = jpeg("c.jpg", "2001:06:28 09:00:00");
  const std::string d = f.dir.Write("photos/d.jpg", "not a photo");
  f.WriteFiles({}, {"zz", "yy", "xx", "ww"},
               {StoredPhotoPath(a), StoredPhotoPath(c), StoredPhotoPath(b), StoredPhotoPath(d)});
  f.state.settings.OkiniSortMode = SortKey::ExifDate;
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  Lines names;
  for (int i = 1; i <= f.session.page.Count; ++i) names.push_back(f.session.page[i].Name);
  // b and c share their date: by name, xx before yy. No date sorts last.
  EXPECT_EQ(names, (Lines{"xx", "yy", "zz", "ww"}));
  f.state.settings.OkiniSortDirection = SortOrder::FromRight;
  ReloadFavoritesPage(f.state, f.ui, f.session);
  EXPECT_EQ(f.session.page[1].Name, "ww");
  f.state.settings.OkiniSortMode = SortKey::Name;
  ReloadFavoritesPage(f.state, f.ui, f.session);
  EXPECT_EQ(f.session.page[1].Name, "zz");
}

TEST(OpenFavoritesWindow, ShowsTheFavoriteJustAddedOnItsPage) {
  FavoritesFixture f;
  WriteMany(f, 100);
  f.session.HighlightKey = "Trip\\f060.jpg";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_TRUE(f.session.page[60].Selected);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 1);
  EXPECT_EQ(f.session.PageStart, 60 - 47 + 1);
  EXPECT_TRUE(f.session.HighlightKey.empty());
}

TEST(OpenFavoritesWindow, AFolderNoLongerListedFallsBackToTheTop) {
  FavoritesFixture f;
  f.WriteFiles({"A"}, {"top.jpg", "A\\a.jpg"}, {"\\p\\top.jpg", "\\p\\a.jpg"});
  f.session.CurrentFavoritesFolder = "Gone";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_EQ(f.session.CurrentFavoritesFolder, "");
  ASSERT_EQ(f.session.page.Count, 1);
  EXPECT_EQ(f.session.page[1].Name, "top.jpg");
  EXPECT_TRUE(SelectFavoritesFolder(f.state, f.ui, f.session, "A"));
  EXPECT_EQ(f.session.page[1].Name, "a.jpg");
  EXPECT_FALSE(SelectFavoritesFolder(f.state, f.ui, f.session, "A"));
}

TEST(OpenFavoritesWindow, SaysSoWhenThePhotoFileLacksLines) {
  FavoritesFixture f;
  f.WriteFiles({}, {"a", "b", "c"}, {"\\p\\a.jpg"});
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_EQ(f.session.page.Count, 1);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.LastLines()[0], "お気に入りのファイル「Okini.dat」と「Okini2.dat」の");
}

struct RemoveCase {
  int selected;
  Lines question;
};

void PrintTo(const RemoveCase& c, std::ostream* os) { *os << c.selected << " selected"; }

class RemoveQuestion : public ::testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveQuestion, CountsTheSelectedFavorites) {
  FavoritesFixture f;
  WriteMany(f, 20);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  for (int i = 1; i <= GetParam().selected; ++i) ToggleFavoriteSelection(f.session, i);
  f.ui.answers = {2};
  EXPECT_FALSE(RemoveSelectedFavorites(f.state, f.ui, f.session, true));
  EXPECT_EQ(f.ui.LastLines(), GetParam().question);
  EXPECT_EQ(f.Lines("Okini.dat").size(), 20u);
}

INSTANTIATE_TEST_SUITE_P(Counts, RemoveQuestion,
                         ::testing::Values(RemoveCase{1, {"選択した写真「f001.jpg」", "をお気に入りから外します。"}},
                                           RemoveCase{3, {"選択した３枚の写真をお気に入りから外します。"}},
                                           RemoveCase{9, {"選択した９枚の写真をお気に入りから外します。"}},
                                           RemoveCase{12, {"選択した12枚の写真をお気に入りから外します。"}}));

TEST(RemoveSelectedFavorites, TakesTheirLinesFromBothFilesOnYes) {
  FavoritesFixture f;
  WriteMany(f, 5);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  ToggleFavoriteSelection(f.session, 2);
  ToggleFavoriteSelection(f.session, 4);
  f.ui.answers = {1};
  EXPECT_TRUE(RemoveSelectedFavorites(f.state, f.ui, f.session, true));
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"Trip\\f001.jpg", "Trip\\f003.jpg", "Trip\\f005.jpg"}));
  EXPECT_EQ(f.Lines("Okini2.dat"), (Lines{"\\nowhere\\f001.jpg", "\\nowhere\\f003.jpg", "\\nowhere\\f005.jpg"}));
  EXPECT_EQ(f.session.page.Count, 3);
  EXPECT_EQ(SelectedFavoriteCount(f.session), 0);
}

TEST(RemoveSelectedFavorites, ExplainsHowToSelectOnlyFromTheMenu) {
  FavoritesFixture f;
  WriteMany(f, 5);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_FALSE(RemoveSelectedFavorites(f.state, f.ui, f.session, false));
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_FALSE(RemoveSelectedFavorites(f.state, f.ui, f.session, true));
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"お気に入りのサムネイルの上で「右クリック」すると", "その写真を選択することができます。",
                   "その後、このメニューでお気に入りから外すことができます。"}));
}

TEST(RenameSelectedFavorites, AsksForEachInTurnAndRefusesATakenName) {
  FavoritesFixture f;
  WriteMany(f, 4);
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  for (int i : {1, 2, 3}) ToggleFavoriteSelection(f.session, i);
  f.ui.rename_replies = {std::string("sea.jpg"), std::string("f004.jpg"), std::string("")};
  EXPECT_TRUE(RenameSelectedFavorites(f.state, f.ui, f.session, true));
  ASSERT_EQ(f.ui.rename_forms.size(), 3u);
  const RenameFormRequest& request = f.ui.rename_forms[0];
  EXPECT_EQ(request.Caption, "お気に入り写真の「お気に入り名」を変更");
  EXPECT_EQ(request.OldLabel, "元のお気に入り名");
  EXPECT_EQ(request.NewLabel, "新しいお気に入り名");
  EXPECT_EQ(request.OldName, "f001.jpg");
  EXPECT_FALSE(request.ExtensionNote);
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"入力されたお気に入り名は、すでに存在", "していますので、変更できませんでした。"}));
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"Trip\\sea.jpg", "Trip\\f002.jpg", "Trip\\f003.jpg", "Trip\\f004.jpg"}));
}

TEST(DropFavoriteOnFolder, MovesItOrSaysWhyNot) {
  FavoritesFixture f;
  f.WriteFiles({"A", "B"}, {"A\\x.jpg", "A\\y.jpg", "B\\x.jpg"}, {"\\p\\1.jpg", "\\p\\2.jpg", "\\p\\3.jpg"});
  f.session.CurrentFavoritesFolder = "A";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  EXPECT_FALSE(DropFavoriteOnFolder(f.state, f.ui, f.session, 1, "A"));
  EXPECT_EQ(f.ui.LastLines(), (Lines{"移動元と移動先のフォルダが同じです。"}));
  EXPECT_FALSE(DropFavoriteOnFolder(f.state, f.ui, f.session, 1, "B"));
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"移動先に、すでに同名のお気に入りが存在", "していますので、移動できませんでした。"}));
  EXPECT_TRUE(DropFavoriteOnFolder(f.state, f.ui, f.session, 2, ""));
  EXPECT_EQ(f.Lines("Okini.dat"), (Lines{"A\\x.jpg", "y.jpg", "B\\x.jpg"}));
  EXPECT_EQ(f.Lines("Okini2.dat"), (Lines{"\\p\\1.jpg", "\\p\\2.jpg", "\\p\\3.jpg"}));
  EXPECT_EQ(f.session.page.Count, 1);
}

TEST(DrawFavoritesPage, CopiesTheThumbnailsFramesTheSelectedAndGreysEmptyCells) {
  FavoritesFixture f;
  const std::string photo = f.Photo("outside/a.bmp", {10, 20, 30});
  f.WriteFiles({}, {"a.bmp"}, {StoredPhotoPath(photo)});
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  ToggleFavoriteSelection(f.session, 1);
  TDibImage page;
  DrawFavoritesPage(f.state, f.ui, f.session, page);
  EXPECT_EQ(page.Width(), 6 * 85);
  EXPECT_EQ(page.Height(), 8 * 65);
  EXPECT_EQ(page.Pixels(44, 34), 0x0A141Eu);       // the photo's colour (0x00BBGGRR)
  EXPECT_EQ(page.Pixels(2, 2), 0x00B0FFu);         // the outer frame, orange
  EXPECT_EQ(page.Pixels(3, 40), 0x00B0FFu);        // the inner frame
  EXPECT_EQ(page.Pixels(89 + 40, 34), 0x808080u);  // an empty cell
  EXPECT_EQ(page.Pixels(0, 0), 0u);
  // The thumbnail is kept below the favorites' own folder.
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/OK/a_bmp.bmp"));
}

TEST(RefreshSelectedThumbnails, DeletesTheirFilesSoThatTheyAreBuiltAgain) {
  FavoritesFixture f;
  const std::string photo = f.Photo("outside/a.bmp", {10, 20, 30});
  f.WriteFiles({}, {"a.bmp"}, {StoredPhotoPath(photo)});
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  TDibImage page;
  DrawFavoritesPage(f.state, f.ui, f.session, page);
  const std::string kept = f.dir / "app/Thumbnail/OK/a_bmp.bmp";
  ASSERT_TRUE(IsRegularFile(kept));
  f.Photo("outside/a.bmp", {200, 100, 50});
  ToggleFavoriteSelection(f.session, 1);
  EXPECT_TRUE(RefreshSelectedThumbnails(f.state, f.ui, f.session, true));
  EXPECT_FALSE(PathExists(kept));
  DrawFavoritesPage(f.state, f.ui, f.session, page);
  EXPECT_EQ(page.Pixels(44, 34), 0xC86432u);
}

}  // namespace
}  // namespace lumetta
