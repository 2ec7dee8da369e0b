#include "core/view/sharpness_commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/state/settings.h"
#include "core/view/view_render.h"
#include "support/temp_dir.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::TempDir;
using testing_support::ViewFixture;
using Lines = std::vector<std::string>;

const Lines kSwitchQuestion = {"現在「高速モード」になっています。",
                               "シャープネスの設定は、「高画質モード」で反映されます。",
                               "「高画質モード」に切り替えます。"};
const Lines kOwnSharpnessQuestion = {"現在表示中の写真は「個別にシャープネスが設定」",
                                     "されています。この写真の「個別シャープネス設定」",
                                     "を解除して、全体のシャープネス設定が反映される", "ようにしますか？"};

// An 80 x 60 photo with a vertical edge, shown at 100 % in an 80 x 60 view,
// with a settings folder.
TDibImage EdgePhoto() {
  return MakeImage(80, 60, [](std::int32_t x, std::int32_t) { return x < 40 ? Rgb{60, 60, 60} : Rgb{180, 180, 180}; });
}

struct Shown : ViewFixture {
  Shown() : ViewFixture(EdgePhoto(), 80, 60) { state.folders.AppFolder = dir.Path(); }
  // The view as a fresh render shows it with the global level and the
  // photo's own sharpness.
  TDibImage RenderedWith(std::int32_t global, std::int32_t own) {
    ViewFixture other(EdgePhoto(), 80, 60);
    other.state.settings.GlobalSharpness = global;
    other.state.current.Edits.Sharpness = own;
    RenderView(other.state, other.ui, false);
    return other.state.ViewPicture;
  }
  Settings Stored() const { return LoadSettings(state.folders.SettingsFile()); }
  TempDir dir;
};

class NeverSharpened : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(NeverSharpened, NashiKeepsThePhotoUnsharpenedUnderAnyGlobalLevel) {
  Shown f;
  f.state.settings.GlobalSharpness = 12;
  RenderView(f.state, f.ui, false);
  f.ui.sharp_form_choices = {-1};
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.state.current.Edits.Sharpness, -1);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(0, 0)));
  // Keeping its own setting when asked, the photo stays as it is.
  SetGlobalSharpness(f.state, f.ui, GetParam());
  EXPECT_EQ(f.state.current.Edits.Sharpness, -1);
  RenderView(f.state, f.ui, false);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(0, 0)));
}

INSTANTIATE_TEST_SUITE_P(GlobalLevels, NeverSharpened, ::testing::Values(4, 6, 8, 10, 12, 16, 0));

TEST(SharpForm, FollowingTheGlobalLevelAgainSharpensAtIt) {
  Shown f;
  f.state.settings.GlobalSharpness = 8;
  f.state.current.Edits.Sharpness = -1;
  RenderView(f.state, f.ui, false);
  f.ui.sharp_form_choices = {0};
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.ui.sharp_forms, (std::vector<std::int32_t>{-1}));
  EXPECT_EQ(f.state.current.Edits.Sharpness, 0);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(8, 0)));
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 39, 5), (Rgb{0, 0, 0}));  // 60 - (120 + 4)
}

TEST(SharpForm, ConfirmSharpensWhatIsShownMarksTheEditsAndUpdatesTheHistogram) {
  Shown f;
  f.state.settings.HistogramAuto = 1;
  RenderView(f.state, f.ui, false);
  f.calls.clear();
  f.ui.repaints.clear();
  f.ui.sharp_form_choices = {12};
  SharpCommand(f.state, f.ui, CommandSource::Button);
  EXPECT_EQ(f.state.current.Edits.Sharpness, 12);
  EXPECT_TRUE(f.state.EditsDirty);
  // Not sharpened before: only what is shown is sharpened, no render.
  EXPECT_EQ(f.calls, (std::vector<std::string>{"show histogram"}));
  EXPECT_EQ(f.ui.repaints, (std::vector<Picture>{Picture::ViewImg}));
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(0, 12)));
}

TEST(SharpForm, ClearsTheHistogramWhenItIsNotAutomatic) {
  Shown f;
  RenderView(f.state, f.ui, false);
  f.calls.clear();
  f.ui.sharp_form_choices = {16};
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"clear histogram"}));
}

TEST(SharpForm, CancelChangesNothing) {
  Shown f;
  f.state.current.Edits.Sharpness = 6;
  RenderView(f.state, f.ui, false);
  const TDibImage shown = f.state.ViewPicture;
  f.calls.clear();
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.ui.sharp_forms.size(), 1u);
  EXPECT_EQ(f.state.current.Edits.Sharpness, 6);
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_TRUE(f.calls.empty());
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, shown));
}

TEST(SharpForm, InHighSpeedOpensOnlyAfterSwitchingToHighQuality) {
  Shown f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.ui.LastLines(), kSwitchQuestion);
  EXPECT_TRUE(f.ui.sharp_forms.empty());
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighSpeed);

  f.ui.answers = {1};
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighQuality);
  EXPECT_TRUE(f.ui.checked[Ctl::KougashitsuMenu]);
  EXPECT_EQ(f.ui.sharp_forms.size(), 1u);
}

TEST(SharpForm, ExplainsItselfWithoutAPhotoAndIsRefusedInPanoramaMode) {
  Shown f;
  f.state.current.Name.clear();
  const Lines rest = {"シャープネスを調整したいときに使います。", "調整後、「Lumetta専用形式（.lum）」で保存しますと",
                      "元画像を変更することなく、小さなファイルで保存できます。"};
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  Lines menu = {"このメニューは、現在表示されている写真の"};
  menu.insert(menu.end(), rest.begin(), rest.end());
  EXPECT_EQ(f.ui.LastLines(), menu);
  SharpCommand(f.state, f.ui, CommandSource::Button);
  Lines button = {"「Sharp」ボタンは、現在表示されている写真の"};
  button.insert(button.end(), rest.begin(), rest.end());
  EXPECT_EQ(f.ui.LastLines(), button);

  f.state.current.Name = "photo.bmp";
  f.state.PanoramaMode = PanoramaKind::Four;
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.ui.LastLines().front(), "現在パノラマモードになっていますので");
  EXPECT_TRUE(f.ui.sharp_forms.empty());
}

TEST(GlobalSharpness, MenuItemChecksItselfStoresTheSettingAndSharpens) {
  Shown f;
  RenderView(f.state, f.ui, false);
  SetGlobalSharpness(f.state, f.ui, 4);
  EXPECT_EQ(f.state.settings.GlobalSharpness, 4);
  EXPECT_EQ(f.Stored().GlobalSharpness, 4);
  EXPECT_TRUE(f.ui.checked[Ctl::SPKanariMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::SPNashiMenu]);
  EXPECT_EQ(f.ui.Text(Ctl::SharpLbl), "かなり強");
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(4, 0)));
  // From one level to another the photo is rendered afresh, not sharpened twice.
  SetGlobalSharpness(f.state, f.ui, 16);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(16, 0)));
}

TEST(GlobalSharpness, SharpLblGoesFromNashiToYowameWithTheMenuCheck) {
  Shown f;
  RenderView(f.state, f.ui, false);
  CycleGlobalSharpness(f.state, f.ui);
  EXPECT_EQ(f.state.settings.GlobalSharpness, 16);
  EXPECT_TRUE(f.ui.checked[Ctl::SPYowameMenu]);
  for (const Ctl other :
       {Ctl::SPKanariMenu, Ctl::SPDaibuMenu, Ctl::SPTsuyomeMenu, Ctl::SPYayaMenu, Ctl::SPChuuMenu, Ctl::SPNashiMenu}) {
    EXPECT_FALSE(f.ui.checked[other]);
  }
  EXPECT_EQ(f.ui.Text(Ctl::SharpLbl), " 弱め");
  EXPECT_EQ(f.Stored().GlobalSharpness, 16);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(16, 0)));
}

struct CycleCase {
  std::int32_t from;
  std::int32_t to;
};

void PrintTo(const CycleCase& c, std::ostream* os) { *os << c.from << "->" << c.to; }

class SharpLblCycle : public ::testing::TestWithParam<CycleCase> {};

TEST_P(SharpLblCycle, TakesTheNextLevel) { EXPECT_EQ(NextGlobalSharpness(GetParam().from), GetParam().to); }

INSTANTIATE_TEST_SUITE_P(Levels, SharpLblCycle,
                         ::testing::Values(CycleCase{4, 0}, CycleCase{6, 0}, CycleCase{8, 0}, CycleCase{10, 0},
                                           CycleCase{12, 0}, CycleCase{16, 12}, CycleCase{0, 16}, CycleCase{-3, 16},
                                           CycleCase{20, 16}));

TEST(GlobalSharpness, DecliningTheSwitchStoresTheLevelWithoutRendering) {
  Shown f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  const TDibImage shown = f.state.ViewPicture;
  f.ui.repaints.clear();
  SetGlobalSharpness(f.state, f.ui, 8);
  EXPECT_EQ(f.ui.LastLines(), kSwitchQuestion);
  EXPECT_EQ(f.state.settings.GlobalSharpness, 8);
  EXPECT_EQ(f.Stored().GlobalSharpness, 8);
  EXPECT_EQ(f.ui.Text(Ctl::SharpLbl), " 強め");
  EXPECT_EQ(f.ui.colours[Ctl::SharpLbl], 0x808080u);
  EXPECT_TRUE(f.ui.repaints.empty());
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, shown));
}

TEST(GlobalSharpness, SwitchingToHighQualitySharpensTheNewRenderOnce) {
  Shown f;
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  RenderView(f.state, f.ui, false);
  f.ui.answers = {1};
  SetGlobalSharpness(f.state, f.ui, 12);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighQuality);
  EXPECT_EQ(f.Stored().QualityMode, QualityModeKind::HighQuality);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(12, 0)));
}

TEST(GlobalSharpness, AsksWhetherThePhotosOwnLevelGivesWay) {
  Shown f;
  f.state.current.Edits.Sharpness = 4;
  RenderView(f.state, f.ui, false);
  SetGlobalSharpness(f.state, f.ui, 16);
  EXPECT_EQ(f.ui.LastLines(), kOwnSharpnessQuestion);
  EXPECT_EQ(f.state.current.Edits.Sharpness, 4);
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(0, 4)));

  f.ui.answers = {1};
  SetGlobalSharpness(f.state, f.ui, 8);
  EXPECT_EQ(f.state.current.Edits.Sharpness, 0);
  EXPECT_TRUE(f.state.EditsDirty);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, f.RenderedWith(8, 0)));
}

TEST(GlobalSharpness, WithoutAPhotoOnlyStoresTheLevel) {
  Shown f;
  f.state.current.Name.clear();
  f.state.current.Edits.Sharpness = 4;
  SetGlobalSharpness(f.state, f.ui, 10);
  EXPECT_EQ(f.Stored().GlobalSharpness, 10);
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(GlobalSharpness, ExplanationMenuShowsTheText) {
  Shown f;
  ExplainGlobalSharpness(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), (Lines{"「全シャープネス」の設定は、全ての写真", "に反映されます。",
                                     "個別にシャープネス設定がされている写真に関しては、", "個別の設定が優先されます。",
                                     "", "どちらの場合も、表示の際にシャープネスを掛けるため",
                                     "元の写真ファイルを書き換えることなく、シャープな表示", "での鑑賞が可能です。"}));
}

TEST(GlobalSharpness, StartUpChecksTheStoredLevelsItem) {
  AppState state;
  testing_support::FakeUi ui;
  state.settings.GlobalSharpness = 10;
  CheckGlobalSharpnessMenu(state, ui);
  EXPECT_TRUE(ui.checked[Ctl::SPYayaMenu]);
  EXPECT_FALSE(ui.checked[Ctl::SPChuuMenu]);
  EXPECT_EQ(ui.checked.size(), 7u);
}

TEST(GlobalSharpness, CommandsDoNothingWhileTheProgramIsBusy) {
  Shown f;
  f.state.UiReady = false;
  CycleGlobalSharpness(f.state, f.ui);
  SetGlobalSharpness(f.state, f.ui, 4);
  SharpCommand(f.state, f.ui, CommandSource::Menu);
  EXPECT_EQ(f.state.settings.GlobalSharpness, 0);
  EXPECT_TRUE(f.ui.sharp_forms.empty());
  EXPECT_TRUE(f.ui.boxes.empty());
}

}  // namespace
}  // namespace lumetta
