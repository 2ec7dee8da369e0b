#include "core/library/thumbnail_cache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "core/state/app_state.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/view/view_commands.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "support/thumb_photos.h"

namespace lumetta {
namespace {

using testing_support::At;
using testing_support::Bgr;
using testing_support::BmpBytes;
using testing_support::FakeUi;
using testing_support::MakePicture;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::Uniform;

constexpr Bgr kBlack{0, 0, 0};
constexpr Bgr kWhite{255, 255, 255};
constexpr Bgr kRed{0, 0, 255};

// Slot 1 with its root Photos/Trip, showing the folder Photos/Trip/Day1.
struct CacheFixture {
  CacheFixture() : state(std::make_unique<AppState>()) {
    state->folders.ThumbnailFolder = dir / "Thumbnail";
    state->settings.SlotFolder[1] = dir / "Photos/Trip";
    state->PhotoExtensions = BuildPhotoExtensions({});
    state->SlotIndex = 1;
    state->CurrentFolder = folder;
    state->hooks.PaintStrip = [this](std::int32_t order, bool keep_hover) {
      paints.push_back(order * (keep_hover ? 10 : 1));
    };
    std::filesystem::create_directories(folder);
  }
  void Photo(const std::string& name, const TDibImage& picture) { dir.Write("Photos/Trip/Day1/" + name, BmpBytes(picture)); }
  void Scan() { ScanFolder(*state, ui); }
  PhotoEntry& Entry(const std::string& name) {
    for (std::int32_t i = 1; i <= state->photos.PhotoCount; ++i) {
      if (state->photos[i].Name == name) return state->photos[i];
    }
    throw std::runtime_error("not listed: " + name);
  }
  std::int32_t Pos(const std::string& name) const {
    for (std::int32_t i = 1; i <= state->photos.PhotoCount; ++i) {
      if (state->photos[i].Name == name) return i;
    }
    return 0;
  }
  void Load(const std::string& name) { LoadThumbnail(*state, ui, Pos(name)); }
  std::string Cache(const std::string& file) const { return dir / ("Thumbnail/01/Trip/Day1/" + file); }

  TempDir dir;
  std::string folder = dir / "Photos/Trip/Day1";
  std::unique_ptr<AppState> state;
  FakeUi ui;
  std::vector<int> paints;
};

TEST(LoadThumbnail, BuildsAndCachesAThumbnailInTheSlotsCache) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.Scan();
  const int busy_before = f.ui.busy_calls;
  f.Load("a.bmp");
  const PhotoEntry& e = f.Entry("a.bmp");
  EXPECT_TRUE(e.ThumbCreated);
  EXPECT_TRUE(e.ThumbLoaded);
  ASSERT_TRUE(e.Thumb);
  EXPECT_EQ(At(*e.Thumb, 40, 30), kWhite);
  EXPECT_EQ(ReadAll(f.Cache("a_bmp.bmp")), BmpBytes(*e.Thumb));
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_EQ(f.ui.busy_calls, busy_before + 1);
}

TEST(LoadThumbnail, ReadsTheCachedThumbnailWhateverItsCase) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.dir.Write("Thumbnail/01/Trip/Day1/A_BMP.Bmp", BmpBytes(Uniform(80, 60, kRed)));
  f.Scan();
  const int busy_before = f.ui.busy_calls;
  f.Load("a.bmp");
  EXPECT_EQ(At(*f.Entry("a.bmp").Thumb, 40, 30), kRed);
  EXPECT_EQ(f.ui.busy_calls, busy_before);
  EXPECT_FALSE(PathExists(f.Cache("a_bmp.bmp")));
}

TEST(LoadThumbnail, RebuildsOverADamagedCacheFile) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.dir.Write("Thumbnail/01/Trip/Day1/a_bmp.bmp", "BM garbage");
  f.Scan();
  f.Load("a.bmp");
  EXPECT_EQ(At(*f.Entry("a.bmp").Thumb, 40, 30), kWhite);
  EXPECT_EQ(ReadAll(f.Cache("a_bmp.bmp")), BmpBytes(*f.Entry("a.bmp").Thumb));
}

TEST(LoadThumbnail, TakesThePlainPhotosRotationFromItsRotationFile) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.dir.Write("Thumbnail/01/Trip/Day1/a_bmp.dat", "100\r\n255\r\n");
  f.Scan();
  f.Load("a.bmp");
  const PhotoEntry& e = f.Entry("a.bmp");
  EXPECT_EQ(e.Rotation, -1);
  EXPECT_EQ(At(*e.Thumb, 10, 30), kBlack);
  EXPECT_EQ(At(*e.Thumb, 40, 30), kWhite);
}

TEST(LoadThumbnail, AnUnreadablePhotoStaysBlackUntilTheNextScan) {
  CacheFixture f;
  f.dir.Write("Photos/Trip/Day1/a.bmp", "BM but not a bitmap");
  f.Scan();
  f.state->WatchArmed = true;
  f.Load("a.bmp");
  PhotoEntry& e = f.Entry("a.bmp");
  EXPECT_TRUE(e.Unreadable);
  EXPECT_FALSE(f.state->WatchArmed);
  EXPECT_EQ(At(*e.Thumb, 40, 30), kBlack);
  EXPECT_FALSE(PathExists(f.Cache("a_bmp.bmp")));

  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  e.ThumbLoaded = false;
  f.Load("a.bmp");
  EXPECT_EQ(At(*e.Thumb, 40, 30), kBlack);

  f.Scan();
  f.Load("a.bmp");
  EXPECT_EQ(At(*f.Entry("a.bmp").Thumb, 40, 30), kWhite);
}

TEST(LoadThumbnail, AFolderOutsideTheSlotsHasNoCache) {
  CacheFixture f;
  f.state->SlotIndex = 0;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.Scan();
  f.Load("a.bmp");
  EXPECT_EQ(At(*f.Entry("a.bmp").Thumb, 40, 30), kWhite);
  EXPECT_FALSE(PathExists(f.dir / "Thumbnail"));
}

TEST(LoadThumbnail, ReusesTheSlotsImageObject) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.Scan();
  f.Load("a.bmp");
  const TDibImage* image = f.Entry("a.bmp").Thumb.get();
  f.Scan();
  f.Load("a.bmp");
  EXPECT_EQ(f.Entry("a.bmp").Thumb.get(), image);
}

TEST(ThumbnailMenuClick, WithoutAPhotoExplainsItselfAndStillRereadsTheFolder) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.Photo("b.bmp", Uniform(160, 120, kWhite));
  f.Scan();
  f.state->StripPos = 2;
  ThumbnailMenuClick(*f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"このメニューは、現在表示されている写真の",
                                                        "サムネイル表示を更新するときに使います。",
                                                        "（同じファイル名で写真を入れ替えたとき等に）"}));
  EXPECT_EQ(f.state->StripPos, 2);
  EXPECT_EQ(f.paints, (std::vector<int>{10}));
}

TEST(ThumbnailMenuClick, DropsTheShownPhotosThumbnailButKeepsItsRotation) {
  CacheFixture f;
  f.Photo("a.bmp", Uniform(160, 120, kWhite));
  f.Photo("b.bmp", Uniform(160, 120, kWhite));
  f.Photo("c.bmp", Uniform(160, 120, kWhite));
  f.Scan();
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) f.Load(name);
  f.dir.Write("Thumbnail/01/Trip/Day1/b_bmp.dat", "100\r\n1\r\n");
  f.state->current = PhotoRecord{"b.bmp", f.folder, 1, 2, {}};
  f.state->StripPos = 3;
  f.state->SlotStripPos[1] = 1;
  ThumbnailMenuClick(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.Cache("b_bmp.bmp")));
  EXPECT_TRUE(PathExists(f.Cache("b_bmp.dat")));
  EXPECT_TRUE(PathExists(f.Cache("a_bmp.bmp")));
  EXPECT_EQ(f.state->StripPos, 3);
  EXPECT_EQ(f.state->SlotStripPos[1], 3);
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(ThumbnailMenuClick, InPanoramaModeDropsEveryPanesThumbnail) {
  CacheFixture f;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) f.Photo(name, Uniform(160, 120, kWhite));
  f.Scan();
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) f.Load(name);
  f.state->PanoramaMode = PanoramaKind::Pair;
  f.state->current = PhotoRecord{"a.bmp", f.folder, 1, 1, {}};
  f.state->Panes[1] = f.state->current;
  f.state->Panes[2] = PhotoRecord{"b.bmp", f.folder, 1, 2, {}};
  ThumbnailMenuClick(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.Cache("a_bmp.bmp")));
  EXPECT_FALSE(PathExists(f.Cache("b_bmp.bmp")));
  EXPECT_TRUE(PathExists(f.Cache("c_bmp.bmp")));
}

TEST(ThumbnailMenuClick, APhotoThatIsGoneLeavesTheStripAtTheEnd) {
  CacheFixture f;
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) f.Photo(name, Uniform(160, 120, kWhite));
  f.Scan();
  f.state->StripPos = 1;
  std::filesystem::remove(f.folder + "/a.bmp");
  ThumbnailMenuClick(*f.state, f.ui);
  EXPECT_EQ(f.state->StripPos, 2);
}

const std::vector<std::string> kAllQuestion = {"現在選択しているフォルダ「Day1」",
                                               "のサムネイル表示（キャッシュ）を全て更新します。",
                                               "写真の回転情報も初期化されます。"};

struct AllFixture : CacheFixture {
  AllFixture() {
    Photo("a.bmp", Uniform(160, 120, kWhite));
    dir.Write("Thumbnail/01/Trip/Day1/a_bmp.bmp", BmpBytes(Uniform(80, 60, kRed)));
    dir.Write("Thumbnail/01/Trip/Day1/a_bmp.dat", "100\r\n1\r\n");
    dir.Write("Thumbnail/01/Trip/Day1/Evening/b_jpg.dat", "100\r\n2\r\n");
    dir.Write("Thumbnail/01/Trip/Day2/c_jpg.dat", "100\r\n2\r\n");
    Scan();
  }
};

TEST(AllThumbnailMenuClick, OnYesRemovesTheFoldersCacheWithItsSubFoldersAndRotations) {
  AllFixture f;
  f.state->StripPos = 1;
  f.state->SlotStripPos[1] = 7;
  f.ui.answers = {1};
  AllThumbnailMenuClick(*f.state, f.ui);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].kind, FakeUi::Box::YesNo);
  EXPECT_EQ(f.ui.boxes[0].lines, kAllQuestion);
  EXPECT_FALSE(PathExists(f.dir / "Thumbnail/01/Trip/Day1"));
  EXPECT_TRUE(PathExists(f.dir / "Thumbnail/01/Trip/Day2/c_jpg.dat"));
  EXPECT_EQ(f.state->SlotStripPos[1], 1);
  EXPECT_EQ(f.paints, (std::vector<int>{10}));
  EXPECT_EQ(f.ui.busy_depth, 0);

  f.Load("a.bmp");
  EXPECT_EQ(f.Entry("a.bmp").Rotation, 0);
  EXPECT_EQ(At(*f.Entry("a.bmp").Thumb, 40, 30), kWhite);
}

TEST(AllThumbnailMenuClick, OnNoKeepsTheCache) {
  AllFixture f;
  f.ui.answers = {2};
  AllThumbnailMenuClick(*f.state, f.ui);
  EXPECT_TRUE(PathExists(f.dir / "Thumbnail/01/Trip/Day1/a_bmp.dat"));
  EXPECT_TRUE(f.paints.empty());
}

TEST(AllThumbnailMenuClick, WithoutAFolderExplainsItself) {
  CacheFixture f;
  f.state->CurrentFolder.clear();
  AllThumbnailMenuClick(*f.state, f.ui);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.ui.boxes[0].kind, FakeUi::Box::Message);
  EXPECT_EQ(f.ui.boxes[0].lines,
            (std::vector<std::string>{"このメニューは、選択しているフォルダ", "のサムネイル表示（キャッシュ）を全て更新します。",
                                      "写真の回転情報も初期化されます。"}));
}

TEST(AllThumbnailMenuClick, NeverFollowsALinkOutOfTheCache) {
  AllFixture f;
  f.dir.Write("Elsewhere/keep.txt", "keep");
  std::filesystem::create_directory_symlink(f.dir / "Elsewhere", f.dir / "Thumbnail/01/Trip/Day1/Link");
  f.ui.answers = {1};
  AllThumbnailMenuClick(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.dir / "Thumbnail/01/Trip/Day1"));
  EXPECT_TRUE(PathExists(f.dir / "Elsewhere/keep.txt"));
}

TEST(AllThumbnailMenuClick, DoesNothingWhileBusy) {
  AllFixture f;
  f.state->UiReady = false;
  f.ui.answers = {1};
  AllThumbnailMenuClick(*f.state, f.ui);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(PathExists(f.dir / "Thumbnail/01/Trip/Day1/a_bmp.dat"));
}

// The turn commands of the view, with the cache's hooks connected.
struct TurnFixture : CacheFixture {
  TurnFixture() {
    Photo("a.bmp", Uniform(16, 12, kWhite));
    Photo("b.bmp", Uniform(16, 12, kWhite));
    Scan();
    ConnectThumbnailHooks(*state);
    state->hooks.ShowPhoto = nullptr;
    state->view.ViewWidth = 64;
    state->view.ViewHeight = 48;
    state->ViewPicture.SetBitCount(24);
    state->ViewPicture.SetSize(64, 48);
    state->DecodedPhoto.Assign(Uniform(16, 12, kWhite));
    state->current = PhotoRecord{"b.bmp", folder, 1, Pos("b.bmp"), {}};
    dir.Write("Thumbnail/01/Trip/Day1/b_bmp.bmp", BmpBytes(Uniform(80, 60, kRed)));
  }
};

TEST(TurningAPhoto, WritesItsRotationFileAndDropsItsCachedThumbnail) {
  TurnFixture f;
  const std::string photo = ReadAll(f.folder + "/b.bmp");
  TurnRight(*f.state, f.ui);
  EXPECT_EQ(ReadAll(f.folder + "/b.bmp"), photo);
  EXPECT_EQ(ReadAll(f.Cache("b_bmp.dat")), "100\r\n1\r\n");
  EXPECT_EQ(f.Entry("b.bmp").Rotation, 1);
  EXPECT_FALSE(f.Entry("b.bmp").ThumbLoaded);
  EXPECT_EQ(f.paints, (std::vector<int>{10}));

  TurnLeft(*f.state, f.ui);
  TurnLeft(*f.state, f.ui);
  EXPECT_EQ(ReadAll(f.Cache("b_bmp.dat")), "100\r\n255\r\n");
  EXPECT_EQ(f.Entry("b.bmp").Rotation, -1);
  TurnRight(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.Cache("b_bmp.dat")));
  EXPECT_FALSE(PathExists(f.Cache("b_bmp.bmp")));
  EXPECT_EQ(f.Entry("b.bmp").Rotation, 0);
}

TEST(TurningAPhoto, OutsideTheSlotsOnlyTurnsTheStripsEntry) {
  TurnFixture f;
  f.state->SlotIndex = 0;
  f.state->current.Slot = 0;
  TurnRight(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.Cache("b_bmp.dat")));
  EXPECT_TRUE(PathExists(f.Cache("b_bmp.bmp")));
  EXPECT_EQ(f.Entry("b.bmp").Rotation, 1);
}

TEST(TurningAPhoto, OfAnotherFolderLeavesTheStripAlone) {
  TurnFixture f;
  f.state->current.Folder = f.dir / "Photos/Trip";
  f.state->current.Name = "a.bmp";
  TurnRight(*f.state, f.ui);
  EXPECT_TRUE(PathExists(f.dir / "Thumbnail/01/Trip/a_bmp.dat"));
  EXPECT_EQ(f.Entry("a.bmp").Rotation, 0);
  EXPECT_TRUE(f.paints.empty());
}

TEST(TurningAPhoto, AnEditedPhotoKeepsItsTurnInItsOwnFile) {
  TurnFixture f;
  f.state->current.Name = "b_bmp.lum";
  TurnRight(*f.state, f.ui);
  EXPECT_FALSE(PathExists(f.Cache("b_bmp_lum.dat")));
  EXPECT_TRUE(f.paints.empty());
}

}  // namespace
}  // namespace lumetta
