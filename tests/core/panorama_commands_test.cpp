#include "core/app/panorama_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/show_fixture.h"

namespace lumetta {
namespace {

using testing_support::ShowFixture;

struct PanoramaFixture : ShowFixture {
  PanoramaFixture() {
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) WritePhoto(std::string("photos/") + name, Rgb{50, 60, 70});
    Open("photos");
  }
  void ShowSecond() {
    state.StripPos = 2;
    ShowPhoto(state, ui, 2, 1);
    ui.checked.clear();
  }
};

TEST(PanoramaCommands, EachMenuItemChecksItselfAndShowsTheSelectedPhotoInItsMode) {
  const std::vector<std::pair<PanoramaKind, Ctl>> items = {{PanoramaKind::Pair, Ctl::PanoramicMenu},
                                                           {PanoramaKind::PairReversed, Ctl::PanoramicRLMenu},
                                                           {PanoramaKind::Four, Ctl::Panoramic4Menu},
                                                           {PanoramaKind::None, Ctl::NoPanoramicMenu}};
  PanoramaFixture f;
  f.ShowSecond();
  for (const auto& [mode, menu] : items) {
    SCOPED_TRACE(static_cast<int>(mode));
    SetPanoramaMode(f.state, f.ui, mode);
    EXPECT_EQ(f.state.PanoramaMode, mode);
    EXPECT_TRUE(f.ui.checked[menu]);
    EXPECT_EQ(f.state.current.Name, "b.bmp");
    if (mode != PanoramaKind::None) {
      EXPECT_EQ(f.state.Panes[2].Name, "c.bmp");
    }
    EXPECT_EQ(f.ui.busy_depth, 0);
  }
}

TEST(PanoramaCommands, WithoutAPhotoTheModeChangesAndNothingIsShown) {
  PanoramaFixture f;
  SetPanoramaMode(f.state, f.ui, PanoramaKind::Four);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::Four);
  EXPECT_TRUE(f.ui.checked[Ctl::Panoramic4Menu]);
  EXPECT_TRUE(f.state.current.Name.empty());
  EXPECT_EQ(f.ViewAt(0, 0), (Rgb{128, 128, 128}));
}

TEST(PanoramaCommands, MenuItemsDoNothingWhileAnOperationRuns) {
  PanoramaFixture f;
  f.state.UiReady = false;
  SetPanoramaMode(f.state, f.ui, PanoramaKind::Pair);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
  EXPECT_TRUE(f.ui.checked.empty());
}

TEST(PanoramaCommands, TheStatusLabelEntersAndLeavesTheTwoPhotoMode) {
  PanoramaFixture f;
  f.ShowSecond();
  JoutaiLblMouseDown(f.state, f.ui);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::Pair);
  EXPECT_TRUE(f.ui.checked[Ctl::PanoramicMenu]);
  EXPECT_EQ(f.state.Panes[1].Name, "b.bmp");
  EXPECT_EQ(f.state.Panes[2].Name, "c.bmp");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【パノラマモード】");

  f.state.PanoramaMode = PanoramaKind::Four;  // any panorama mode is left the same way
  JoutaiLblMouseDown(f.state, f.ui);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
  EXPECT_TRUE(f.ui.checked[Ctl::NoPanoramicMenu]);
  EXPECT_EQ(f.state.current.Name, "b.bmp");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【全体を表示中】");
}

TEST(PanoramaCommands, TheStatusLabelWithoutAPhotoOnlySwitchesTheMode) {
  PanoramaFixture f;
  JoutaiLblMouseDown(f.state, f.ui);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::Pair);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【パノラマモード】");
  JoutaiLblMouseDown(f.state, f.ui);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【写真未表示】");
  EXPECT_TRUE(f.state.current.Name.empty());
}

TEST(PanoramaCommands, TheStatusLabelStopsASlideShowInstead) {
  PanoramaFixture f;
  f.state.SlideShowActive = true;
  f.state.hooks.StopSlideShow = [&f] { f.calls.push_back("stop slide show"); };
  JoutaiLblMouseDown(f.state, f.ui);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"stop slide show"}));
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
}

}  // namespace
}  // namespace lumetta
