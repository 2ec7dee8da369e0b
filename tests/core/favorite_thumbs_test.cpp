#include "core/favorites/favorite_thumbs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/favorites/favorites_window.h"
#include "support/favorites_fixture.h"

namespace lumetta {
namespace {

using Lines = std::vector<std::string>;
using testing_support::FavoritesFixture;

TEST(PathLiesIn, ComparesWholeNames) {
  EXPECT_TRUE(PathLiesIn("/photos/x.jpg", "/photos"));
  EXPECT_TRUE(PathLiesIn("/photos", "/photos"));
  EXPECT_FALSE(PathLiesIn("/photos2/x.jpg", "/photos"));
  EXPECT_FALSE(PathLiesIn("/Photos/x.jpg", "/photos"));
  EXPECT_TRUE(PathLiesIn("/x.jpg", "/"));
  EXPECT_FALSE(PathLiesIn("/x.jpg", ""));
}

TEST(FavoriteThumbPath, APhotoInASlotUsesThatSlotsCache) {
  FavoritesFixture f;
  f.state.settings.SlotFolder[2] = f.dir / "photos";
  const std::string in_slot = StoredPhotoPath(f.dir / "photos/2001/IMG_0001.JPG");
  EXPECT_EQ(FavoriteThumbPath(f.state, "旅行", in_slot), f.dir / "app/Thumbnail/02/photos/2001/IMG_0001_JPG.bmp");
  // A folder that only begins like the slot's root is outside it.
  const std::string look_alike = StoredPhotoPath(f.dir / "photos2/IMG_0001.JPG");
  EXPECT_EQ(FavoriteThumbPath(f.state, "旅行", look_alike), f.dir / "app/Thumbnail/OK/旅行/IMG_0001_JPG.bmp");
  EXPECT_EQ(FavoriteThumbPath(f.state, "", look_alike), f.dir / "app/Thumbnail/OK/IMG_0001_JPG.bmp");
}

TEST(FavoriteThumbPath, NeverLeavesTheFavoritesThumbnailFolder) {
  FavoritesFixture f;
  const std::string photo = StoredPhotoPath(f.dir / "card/IMG_0001.JPG");
  for (const char* folder : {"..", "..\\..", "A\\..\\..", ".", "A\\\\B", " A", "C:"}) {
    EXPECT_EQ(FavoriteThumbPath(f.state, folder, photo), "") << folder;
  }
  EXPECT_EQ(FavoriteThumbPath(f.state, "A", StoredPhotoPath(f.dir / "card/..")), "");
  EXPECT_EQ(FavoriteThumbPath(f.state, "A", ""), "");
}

TEST(FavoriteThumbPath, FindsTheFolderWhateverItsCase) {
  FavoritesFixture f;
  f.dir.Write("app/Thumbnail/ok/Trip/img_0001_jpg.BMP", "x");
  EXPECT_EQ(FavoriteThumbPath(f.state, "TRIP", StoredPhotoPath(f.dir / "card/IMG_0001.JPG")),
            f.dir / "app/Thumbnail/ok/Trip/img_0001_jpg.BMP");
}

TEST(LoadFavoriteThumb, AFavoriteOfAFolderThatClimbsIsMadeInMemoryOnly) {
  FavoritesFixture f;
  const std::string photo = f.Photo("card/a.bmp", {10, 20, 30});
  // A damaged file: a key whose folder climbs out.
  f.WriteFiles({}, {"..\\..\\a.bmp"}, {StoredPhotoPath(photo)});
  f.session.CurrentFavoritesFolder = "..\\..";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  // Not a listed folder: the window shows the top, which holds nothing.
  EXPECT_EQ(f.session.page.Count, 0);
  LoadFavoritesPage(f.session.page, f.session.store, "..\\..", {}, f.ui);
  ASSERT_EQ(f.session.page.Count, 1);
  LoadFavoriteThumb(f.state, f.ui, f.session.page, 1);
  EXPECT_EQ(f.session.page[1].Thumb->Pixels(40, 30), 0x0A141Eu);
  EXPECT_FALSE(PathExists(f.dir / "app/a_bmp.bmp"));
  EXPECT_FALSE(PathExists(f.dir / "a_bmp.bmp"));
}

TEST(LoadFavoriteThumb, AnUnreadablePhotoShowsTheGreyPlaceholder) {
  FavoritesFixture f;
  f.WriteFiles({}, {"gone.jpg"}, {StoredPhotoPath(f.dir / "card/gone.jpg")});
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  LoadFavoriteThumb(f.state, f.ui, f.session.page, 1);
  EXPECT_TRUE(f.session.page[1].Unreadable);
  EXPECT_EQ(f.session.page[1].Thumb->Pixels(0, 0), 0x808080u);
  EXPECT_EQ(f.session.page[1].Thumb->Pixels(79, 59), 0x808080u);
}

TEST(LoadFavoriteThumb, APhotoInASlotDropsAnOwnThumbnailLeftFromBefore) {
  FavoritesFixture f;
  f.state.settings.SlotFolder[2] = f.dir / "photos";
  const std::string photo = f.Photo("photos/a.bmp", {10, 20, 30});
  const std::string own = f.dir.Write("app/Thumbnail/OK/Trip/a_bmp.bmp", "old");
  f.WriteFiles({"Trip"}, {"Trip\\a.bmp"}, {StoredPhotoPath(photo)});
  f.session.CurrentFavoritesFolder = "Trip";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  LoadFavoriteThumb(f.state, f.ui, f.session.page, 1);
  EXPECT_FALSE(PathExists(own));
  EXPECT_FALSE(PathExists(f.dir / "app/Thumbnail/OK/Trip"));
  EXPECT_TRUE(IsDirectory(f.dir / "app/Thumbnail/OK"));
  EXPECT_TRUE(IsRegularFile(f.dir / "app/Thumbnail/02/photos/a_bmp.bmp"));
}

TEST(LoadFavoriteThumb, TakesTheRotationFromTheFileBesideTheThumbnail) {
  FavoritesFixture f;
  // Left half red, right half blue: turned clockwise, red ends on top.
  const std::string photo =
      f.dir.Write("card/p.bmp", testing_support::BmpBytes(testing_support::MakePicture(160, 120, [](int x, int) {
                    return x < 80 ? testing_support::Bgr{0, 0, 255} : testing_support::Bgr{255, 0, 0};
                  })));
  f.dir.Write("app/Thumbnail/OK/p_bmp.dat", "100\r\n1\r\n");
  f.WriteFiles({}, {"p.bmp"}, {StoredPhotoPath(photo)});
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  LoadFavoriteThumb(f.state, f.ui, f.session.page, 1);
  EXPECT_EQ(f.session.page[1].Rotation, 1);
  EXPECT_EQ(f.session.page[1].Thumb->Pixels(40, 5), 0x0000FFu);
  EXPECT_EQ(f.session.page[1].Thumb->Pixels(40, 55), 0xFF0000u);
}

TEST(RemoveSelectedFavorites, DeletesOnlyTheFavoritesOwnThumbnails) {
  FavoritesFixture f;
  f.state.settings.SlotFolder[1] = f.dir / "photos";
  const std::string inside = f.Photo("photos/in.bmp");
  const std::string outside = f.Photo("card/out.bmp");
  f.WriteFiles({"Trip"}, {"Trip\\in.bmp", "Trip\\out.bmp"}, {StoredPhotoPath(inside), StoredPhotoPath(outside)});
  f.session.CurrentFavoritesFolder = "Trip";
  ASSERT_TRUE(OpenFavoritesWindow(f.state, f.ui, f.session));
  TDibImage page;
  DrawFavoritesPage(f.state, f.ui, f.session, page);
  const std::string slot_thumb = f.dir / "app/Thumbnail/01/photos/in_bmp.bmp";
  const std::string own_thumb = f.dir / "app/Thumbnail/OK/Trip/out_bmp.bmp";
  ASSERT_TRUE(IsRegularFile(slot_thumb));
  ASSERT_TRUE(IsRegularFile(own_thumb));
  SelectAllFavorites(f.session);
  f.ui.answers = {1};
  ASSERT_TRUE(RemoveSelectedFavorites(f.state, f.ui, f.session, true));
  EXPECT_TRUE(IsRegularFile(slot_thumb));
  EXPECT_FALSE(PathExists(own_thumb));
  EXPECT_FALSE(PathExists(f.dir / "app/Thumbnail/OK/Trip"));
  EXPECT_TRUE(f.Lines("Okini.dat").empty());
  EXPECT_TRUE(IsRegularFile(inside));
  EXPECT_TRUE(IsRegularFile(outside));
}

}  // namespace
}  // namespace lumetta
