#include "core/view/effect_commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/state/settings.h"
#include "core/view/view_render.h"
#include "support/temp_dir.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;
using testing_support::TempDir;
using testing_support::ViewFixture;
using Lines = std::vector<std::string>;

constexpr Rgb kColour{200, 100, 50};
const Rgb kSepia{116, 87, 58};

const Lines kSwitchQuestion = {"現在「高速モード」になっています。",
                               "画質効果の設定は、「高画質モード」で反映されます。",
                               "「高画質モード」に切り替えます。"};

// A photo of one colour shown fitted, with a settings folder.
struct Shown : ViewFixture {
  Shown() : ViewFixture(SolidImage(80, 60, kColour), 80, 60) {
    state.folders.AppFolder = dir.Path();
    RenderView(state, ui, false);
    ui.repaints.clear();
  }
  Rgb Centre() const { return PixelAt(state.ViewPicture, 40, 30); }
  Settings Stored() const { return LoadSettings(state.folders.SettingsFile()); }
  TempDir dir;
};

TEST(GlobalEffect, MenuItemChecksItselfStoresTheSettingAndRendersAgain) {
  Shown f;
  SetGlobalEffect(f.state, f.ui, 2);
  EXPECT_EQ(f.state.settings.GlobalEffect, 2);
  EXPECT_EQ(f.Stored().GlobalEffect, 2);
  EXPECT_TRUE(f.ui.checked[Ctl::GSepiaMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::GNormalMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::GChromaMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::GWhiteBlackMenu]);
  EXPECT_EQ(f.ui.Text(Ctl::KoukaLbl), "セピア");
  EXPECT_EQ(f.Centre(), kSepia);
  EXPECT_EQ(f.ui.repaints, (std::vector<Picture>{Picture::ViewImg}));
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_GT(f.ui.busy_calls, 0);
}

TEST(GlobalEffect, DecliningTheSwitchStoresTheEffectWithoutRendering) {
  Shown f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  f.ui.repaints.clear();
  SetGlobalEffect(f.state, f.ui, 3);
  EXPECT_EQ(f.ui.LastLines(), kSwitchQuestion);
  EXPECT_EQ(f.state.settings.GlobalEffect, 3);
  EXPECT_EQ(f.Stored().GlobalEffect, 3);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighSpeed);
  EXPECT_EQ(f.ui.Text(Ctl::KoukaLbl), " 白黒");
  EXPECT_EQ(f.ui.colours[Ctl::KoukaLbl], 0x808080u);
  EXPECT_TRUE(f.ui.checked[Ctl::GWhiteBlackMenu]);
  EXPECT_TRUE(f.ui.repaints.empty());
  EXPECT_EQ(f.Centre(), kColour);
}

TEST(GlobalEffect, AcceptingTheSwitchShowsTheEffect) {
  Shown f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  f.ui.answers = {1};
  SetGlobalEffect(f.state, f.ui, 2);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighQuality);
  EXPECT_EQ(f.Stored().QualityMode, QualityModeKind::HighQuality);
  EXPECT_EQ(f.ui.Text(Ctl::GashitsuModeLbl), "【高画質】");
  EXPECT_EQ(f.Centre(), kSepia);
}

TEST(GlobalEffect, AsksWhetherThePhotosOwnEffectGivesWay) {
  Shown f;
  f.state.current.Edits.Effect = 3;
  RenderView(f.state, f.ui, false);
  f.ui.repaints.clear();
  SetGlobalEffect(f.state, f.ui, 2);
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"現在表示中の写真は「個別に画質効果が設定」", "されています。この写真の「個別の画質効果設定」",
                   "を解除して、全体の画質効果設定が反映される", "ようにしますか？"}));
  EXPECT_EQ(f.state.current.Edits.Effect, 3);
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_TRUE(f.ui.repaints.empty());

  f.ui.answers = {1};
  SetGlobalEffect(f.state, f.ui, 2);
  EXPECT_EQ(f.state.current.Edits.Effect, 0);
  EXPECT_TRUE(f.state.EditsDirty);
  EXPECT_EQ(f.Centre(), kSepia);
}

TEST(GlobalEffect, TheSameEffectAgainRendersNothing) {
  Shown f;
  SetGlobalEffect(f.state, f.ui, 0);
  EXPECT_TRUE(f.ui.repaints.empty());
  EXPECT_EQ(f.Stored().GlobalEffect, 0);
}

TEST(GlobalEffect, WithoutAPhotoOnlyStoresTheEffect) {
  Shown f;
  f.state.current.Name.clear();
  f.state.current.Edits.Effect = 2;
  CycleGlobalEffect(f.state, f.ui);
  EXPECT_EQ(f.Stored().GlobalEffect, 1);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(GlobalEffect, KoukaLblCyclesWithTheMenuCheck) {
  Shown f;
  CycleGlobalEffect(f.state, f.ui);
  EXPECT_EQ(f.state.settings.GlobalEffect, 1);
  EXPECT_TRUE(f.ui.checked[Ctl::GChromaMenu]);
  EXPECT_EQ(f.ui.Text(Ctl::KoukaLbl), "クローム");
  EXPECT_EQ(f.Centre(), (Rgb{196, 86, 32}));
  CycleGlobalEffect(f.state, f.ui);
  EXPECT_EQ(f.ui.Text(Ctl::KoukaLbl), "セピア");
  CycleGlobalEffect(f.state, f.ui);
  EXPECT_EQ(f.ui.Text(Ctl::KoukaLbl), "ノーマル");
  EXPECT_TRUE(f.ui.checked[Ctl::GNormalMenu]);
  EXPECT_EQ(f.Centre(), kColour);
}

struct CycleCase {
  std::int32_t from;
  std::int32_t to;
};

void PrintTo(const CycleCase& c, std::ostream* os) { *os << c.from << "->" << c.to; }

class EffectCycle : public ::testing::TestWithParam<CycleCase> {};

TEST_P(EffectCycle, TakesTheNextEffect) { EXPECT_EQ(NextGlobalEffect(GetParam().from), GetParam().to); }

INSTANTIATE_TEST_SUITE_P(Effects, EffectCycle,
                         ::testing::Values(CycleCase{0, 1}, CycleCase{1, 2}, CycleCase{2, 0}, CycleCase{3, 0},
                                           CycleCase{9, 0}));

TEST(GlobalEffect, StartUpChecksTheStoredEffectsItem) {
  AppState state;
  testing_support::FakeUi ui;
  state.settings.GlobalEffect = 1;
  CheckGlobalEffectMenu(state, ui);
  EXPECT_TRUE(ui.checked[Ctl::GChromaMenu]);
  EXPECT_FALSE(ui.checked[Ctl::GNormalMenu]);
}

TEST(GlobalEffect, CommandsDoNothingWhileTheProgramIsBusy) {
  Shown f;
  f.state.UiReady = false;
  CycleGlobalEffect(f.state, f.ui);
  SetGlobalEffect(f.state, f.ui, 3);
  EXPECT_EQ(f.state.settings.GlobalEffect, 0);
  EXPECT_TRUE(f.ui.checked.empty());
}

}  // namespace
}  // namespace lumetta
