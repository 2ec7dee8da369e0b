// lumetta-cli thumbs, run as the separate program it is.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/state/app_state.h"
#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/library/thumbnail_cache.h"
#include "support/cli_run.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"
#include "support/thumb_photos.h"

namespace lumetta {
namespace {

using testing_support::Bgr;
using testing_support::RunCli;
using testing_support::BmpBytes;
using testing_support::FakeUi;
using testing_support::LumFile;
using testing_support::MakePicture;
using testing_support::ReadAll;
using testing_support::TempDir;
using testing_support::Uniform;

// A slot root Photos with the folder Photos/Day1 of four photos, and the
// program's folder App with its settings.
struct CliFixture {
  CliFixture() {
    dir.Write("Photos/Day1/a.bmp", BmpBytes(MakePicture(160, 120, [](int x, int y) { return Bgr{x, y, x ^ y}; })));
    dir.Write("Photos/Day1/small.bmp", BmpBytes(Uniform(60, 45, {9, 8, 7})));
    dir.Write("Photos/Day1/e.bmp", BmpBytes(Uniform(200, 100, {90, 80, 70})));
    LumFile lum;
    lum.brightness = 30;
    lum.Write(dir / "Photos/Day1/e_bmp.lum");
    dir.Write("Photos/Day1/broken.jpg", "not a jpeg");
    Settings settings;
    settings.SlotFolder[2] = dir / "Photos";
    dir.MakeDir("App");
    SaveSettings(dir / "App/Lumetta-ini.dat", settings);
  }

  // The strip's way: the folder opened in slot 2, every thumbnail loaded.
  std::unique_ptr<AppState> Strip() {
    auto state = std::make_unique<AppState>();
    state->folders.ThumbnailFolder = dir / "Strip/Thumbnail";
    state->settings.SlotFolder[2] = dir / "Photos";
    state->PhotoExtensions = BuildPhotoExtensions({});
    state->SlotIndex = 2;
    state->CurrentFolder = dir / "Photos/Day1";
    ScanFolder(*state, ui);
    for (std::int32_t pos = 1; pos <= state->photos.PhotoCount; ++pos) LoadThumbnail(*state, ui, pos);
    return state;
  }

  TempDir dir;
  FakeUi ui;
};

TEST(CliThumbs, FillsTheSlotsCacheWithTheBytesTheStripCaches) {
  CliFixture f;
  const std::string photo = ReadAll(f.dir / "Photos/Day1/a.bmp");
  const std::string edits = ReadAll(f.dir / "Photos/Day1/e_bmp.lum");
  ASSERT_EQ(RunCli(f.dir, "thumbs '" + (f.dir / "Photos/Day1") + "' --app-folder '" + (f.dir / "App") + "'").status, 0);
  EXPECT_EQ(ReadAll(f.dir / "Photos/Day1/a.bmp"), photo);
  EXPECT_EQ(ReadAll(f.dir / "Photos/Day1/e_bmp.lum"), edits);
  f.Strip();
  for (const char* file : {"a_bmp.bmp", "e_bmp_lum.bmp"}) {
    const std::string strip = ReadAll(f.dir / (std::string("Strip/Thumbnail/02/Photos/Day1/") + file));
    ASSERT_FALSE(strip.empty()) << file;
    EXPECT_EQ(ReadAll(f.dir / (std::string("App/Thumbnail/02/Photos/Day1/") + file)), strip) << file;
  }
  EXPECT_FALSE(PathExists(f.dir / "App/Thumbnail/02/Photos/Day1/small_bmp.bmp"));
  EXPECT_FALSE(PathExists(f.dir / "App/Thumbnail/02/Photos/Day1/broken_jpg.bmp"));
}

TEST(CliThumbs, WritesEveryPhotosThumbnailToTheOutputFolder) {
  CliFixture f;
  ASSERT_EQ(RunCli(f.dir, "thumbs '" + (f.dir / "Photos/Day1") + "' -o '" + (f.dir / "out") + "' --app-folder '" +
                (f.dir / "App") + "'").status,
            0);
  const auto strip = f.Strip();
  for (std::int32_t pos = 1; pos <= strip->photos.PhotoCount; ++pos) {
    const PhotoEntry& e = strip->photos[pos];
    const std::string base = e.Name.substr(0, e.Name.rfind('.')) + "_" + e.Name.substr(e.Name.rfind('.') + 1);
    EXPECT_EQ(ReadAll(f.dir / ("out/" + base + ".bmp")), BmpBytes(*e.Thumb)) << e.Name;
  }
  EXPECT_EQ(strip->photos.PhotoCount, 4);  // e.bmp stands behind e_bmp.lum
}

TEST(CliThumbs, RefusesAFolderOutsideTheSlots) {
  CliFixture f;
  f.dir.Write("Other/x.bmp", BmpBytes(Uniform(100, 100, {1, 1, 1})));
  EXPECT_EQ(RunCli(f.dir, "thumbs '" + (f.dir / "Other") + "' --app-folder '" + (f.dir / "App") + "'").status, 1);
  EXPECT_FALSE(PathExists(f.dir / "App/Thumbnail/02/Other"));
  EXPECT_EQ(RunCli(f.dir, "thumbs").status, 2);
  EXPECT_EQ(RunCli(f.dir, "thumbs '" + (f.dir / "missing") + "'").status, 1);
}

}  // namespace
}  // namespace lumetta
