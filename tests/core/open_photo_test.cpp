#include "core/library/open_photo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/base/paths.h"
#include "core/library/photo_extensions.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;

struct Opener {
  Opener() {
    state.PhotoExtensions = BuildPhotoExtensions({});
    AppHooks& h = state.hooks;
    h.CheckSlotRadio = [this](std::int32_t slot) {
      calls.push_back("radio " + std::to_string(slot) + (state.UiReady ? " ready" : " quiet"));
    };
    h.ClearTree = [this] { calls.push_back("clear tree"); };
    h.RebuildTree = [this](const std::string& target) { calls.push_back("tree " + target); };
    h.PaintStrip = [this](std::int32_t order, bool) { calls.push_back("strip " + std::to_string(order)); };
    h.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
      calls.push_back("show " + std::to_string(position) + " step " + std::to_string(step));
    };
  }
  AppState state;
  FakeUi ui;
  std::vector<std::string> calls;
};

TEST(OpenPhotoByPath, OpensThePhotoInTheSlotWhoseRootBeginsItsFolder) {
  TempDir dir;
  const std::string folder = dir.MakeDir("Photos2/2004");
  for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) dir.Write(std::string("Photos2/2004/") + name);
  Opener o;
  o.state.settings.SlotFolder[2] = dir / "photo";  // a prefix, ignoring case, without a separator check
  o.state.settings.SlotFolder[3] = dir / "Photos2";
  o.state.settings.SortDirection = SortOrder::FromRight;
  OpenPhotoByPath(o.state, o.ui, JoinPath(folder, "B.JPG"));
  EXPECT_EQ(o.state.CurrentFolder, folder);
  EXPECT_EQ(o.state.SlotIndex, 2);
  EXPECT_EQ(o.state.StripPos, 2);
  EXPECT_EQ(o.state.SlotLastFolder[2], folder);
  EXPECT_EQ(o.state.SlotStripPos[2], 2);
  EXPECT_EQ(o.calls, (std::vector<std::string>{"radio 2 quiet", "tree " + folder, "strip 1", "show 2 step -1"}));
  EXPECT_TRUE(o.state.UiReady);
  EXPECT_TRUE(o.ui.boxes.empty());
}

TEST(OpenPhotoByPath, AFolderOutsideTheSlotsBecomesTheOpenFolder) {
  TempDir dir;
  const std::string photo = dir.Write("elsewhere/x.jpg");
  Opener o;
  o.state.settings.SlotFolder[1] = dir / "slot1";
  o.state.SlotIndex = 1;
  OpenPhotoByPath(o.state, o.ui, photo);
  EXPECT_EQ(o.state.SlotIndex, 0);
  EXPECT_EQ(o.state.OpenFolder, dir / "elsewhere");
  EXPECT_EQ(o.state.SlotLastFolder[1], "");
  EXPECT_EQ(o.calls, (std::vector<std::string>{"radio 0 quiet", "clear tree", "strip 1", "show 1 step 1"}));
}

TEST(OpenPhotoByPath, FindsTheEditedVersionThatStandsForThePhoto) {
  TempDir dir;
  dir.Write("cam/IMG_0001_jpg.lum", "100\r\n");
  dir.Write("cam/IMG_0002.JPG");
  Opener o;
  OpenPhotoByPath(o.state, o.ui, dir / "cam/IMG_0001.JPG");
  EXPECT_EQ(o.state.StripPos, 1);
  EXPECT_EQ(o.calls.back(), "show 1 step 1");
  EXPECT_TRUE(o.ui.boxes.empty());
}

TEST(OpenPhotoByPath, APhotoNotInTheListIsReportedAndNothingIsShown) {
  TempDir dir;
  dir.Write("cam/other.jpg");
  dir.Write("cam/notes.txt");
  Opener o;
  o.state.StripPos = 1;
  OpenPhotoByPath(o.state, o.ui, dir / "cam/IMG_0009.JPG");
  EXPECT_EQ(o.ui.LastLines(),
            (std::vector<std::string>{"画像ファイル", "「IMG_0009_jpg.lum」", "が見つかりませんでした。"}));
  OpenPhotoByPath(o.state, o.ui, dir / "cam/notes.txt");
  EXPECT_EQ(o.ui.LastLines()[1], "「notes_txt.lum」");
  EXPECT_EQ(o.calls.back(), "strip 1");
  EXPECT_EQ(o.state.CurrentFolder, dir / "cam");
  EXPECT_EQ(o.state.photos.PhotoCount, 1);
}

TEST(OpenPhotoByPath, SlotsMatchIgnoringCase) {
  AppState state;
  state.settings.SlotFolder[1] = "";
  state.settings.SlotFolder[2] = "/Media/Photo";
  state.settings.SlotFolder[3] = "/media";
  EXPECT_EQ(SlotOfFolder(state, "/media/photos2/x"), 2);
  EXPECT_EQ(SlotOfFolder(state, "/media/music"), 3);
  EXPECT_EQ(SlotOfFolder(state, "/home"), 0);
}

}  // namespace
}  // namespace lumetta
