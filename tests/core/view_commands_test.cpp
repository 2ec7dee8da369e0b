#include "core/view/view_commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

#include "core/state/settings.h"
#include "core/base/paths.h"
#include "core/library/photo_extensions.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"
#include "support/temp_dir.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::NoiseImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;
using testing_support::TempDir;
using testing_support::ViewFixture;

constexpr Rgb kGrey{120, 90, 60};

using Lines = std::vector<std::string>;

const Lines kPanoramaGuard = {"現在パノラマモードになっていますので", "画像の編集はできません。",
                              "編集したい写真をダブルクリックしたのち", "編集をおこなってください。"};

// A fitted 240 x 160 photo in a 64 x 48 view (27 %).
struct Shown : ViewFixture {
  Shown() : ViewFixture(NoiseImage(240, 160, 1)) { RenderView(state, ui, false); }
};

TEST(ZoomStepUp, GoesFromTheFittedValueToTheNextTableValue) {
  Shown f;
  ZoomStepUp(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 33);
  EXPECT_DOUBLE_EQ(f.state.view.ViewScale, 3.0);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), " 33%");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【ズームモード】");
  EXPECT_EQ(f.ui.busy_depth, 0);
  EXPECT_GE(f.ui.busy_calls, 1);
  ZoomStepUp(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 50);
}

TEST(ZoomStepUp, StopsAtSixteenHundredAndAtTheSizeLimit) {
  Shown f;
  SetZoomValue(f.state, 1600);
  f.ui.repaints.clear();
  ZoomStepUp(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 1600);
  EXPECT_TRUE(f.ui.repaints.empty());
  // A 10000 x 8000 photo does not reach 100 %.
  SetZoomValue(f.state, 67);
  f.state.view.ShownWidth = 10000;
  f.state.view.ShownHeight = 8000;
  ZoomStepUp(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 67);
  EXPECT_TRUE(f.ui.repaints.empty());
  EXPECT_TRUE(f.ui.boxes.empty());
}

// Zoomed far out, a tiny photo still shows one pixel: no error, the view
// follows the new value.
TEST(ZoomStepDown, ATinyPhotoShrinksToOnePixelWithoutAnError) {
  for (const auto& [w, h, steps] : {std::tuple{2, 2, 8}, std::tuple{3000, 2, 11}}) {
    ViewFixture f(NoiseImage(w, h, 2));
    RenderView(f.state, f.ui, false);
    SetZoomValue(f.state, 100);
    for (int k = 0; k < steps; ++k) ZoomStepDown(f.state, f.ui);
    EXPECT_TRUE(f.ui.boxes.empty()) << w << "x" << h;
    EXPECT_GE(f.state.view.ZoomWidth, 1);
    EXPECT_GE(f.state.view.ZoomHeight, 1);
    EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), RitsuText(f.state.view.ZoomPercent));
  }
}

TEST(ZoomStepDown, SetsTheRedoFlagForTheRenderThatClearsIt) {
  Shown f;
  SetZoomValue(f.state, 400);
  f.state.view.ShownWidth = 1000;
  f.state.view.ShownHeight = 1000;
  bool redo_seen = false;
  f.state.view.hooks.ClearHistogram = [&] { redo_seen = redo_seen || f.state.view.Redo; };
  f.state.settings.QualityMode = QualityModeKind::HighSpeed;
  ZoomStepDown(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 200);
  EXPECT_TRUE(redo_seen);
  EXPECT_FALSE(f.state.view.Redo);
}

TEST(ZoomFine, StepsByOnePercentWithShift) {
  Shown f;
  ZoomFineUp(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 28);
  ZoomFineDown(f.state, f.ui);
  ZoomFineDown(f.state, f.ui);
  EXPECT_EQ(f.state.view.ZoomPercent, 26);
  EXPECT_DOUBLE_EQ(f.state.view.ViewScale, 100.0 / 26);
}

struct HelpCase {
  const char* name;
  void (*command)(AppState&, UserInterface&, CommandSource);
  CommandSource source;
  Lines lines;
};

void PrintTo(const HelpCase& c, std::ostream* os) { *os << c.name; }

class WithoutPhoto : public ::testing::TestWithParam<HelpCase> {};

TEST_P(WithoutPhoto, ExplainsTheCommand) {
  ViewFixture f(SolidImage(8, 8, kGrey));
  f.state.current.Name.clear();
  GetParam().command(f.state, f.ui, GetParam().source);
  if (GetParam().lines.empty()) {
    EXPECT_TRUE(f.ui.boxes.empty());
  } else {
    EXPECT_EQ(f.ui.LastLines(), GetParam().lines);
  }
  EXPECT_TRUE(f.ui.repaints.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WithoutPhoto,
    ::testing::Values(
        HelpCase{"zoom_up_button", ZoomStepUp, CommandSource::Button,
                 {"このボタンは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"}},
        HelpCase{"zoom_up_menu", ZoomStepUp, CommandSource::Menu,
                 {"このメニューは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"}},
        HelpCase{"fine_up_button", ZoomFineUp, CommandSource::Button,
                 {"このボタンは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"}},
        HelpCase{"zoom_down_button", ZoomStepDown, CommandSource::Button,
                 {"このボタンは、現在表示されている写真を", "より縮小して鑑賞したいときに使います。"}},
        HelpCase{"zoom_down_menu", ZoomStepDown, CommandSource::Menu,
                 {"このメニューは、現在表示されている写真を", "より縮小して鑑賞したいときに使います。"}},
        HelpCase{"turn_right_button", TurnRight, CommandSource::Button,
                 {"このボタンは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"}},
        HelpCase{"turn_right_menu", TurnRight, CommandSource::Menu,
                 {"このメニューは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"}},
        HelpCase{"turn_left_button", TurnLeft, CommandSource::Button,
                 {"このボタンは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"}},
        HelpCase{"turn_left_menu", TurnLeft, CommandSource::Menu,
                 {"このメニューは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"}},
        HelpCase{"leave_zoom_menu", LeaveZoom, CommandSource::Menu,
                 {"このメニューは、ズームモードまたは、パノラマモードを", "解除して、通常モード（写真全体を表示）にします。"}},
        HelpCase{"zoom_up_key", ZoomStepUp, CommandSource::Key, {}}),
    [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

TEST(PanoramaEditGuard, RefusesZoomsAndTurnsInPanoramaMode) {
  Shown f;
  f.state.PanoramaMode = PanoramaKind::Four;
  f.ui.repaints.clear();
  for (auto command : {ZoomStepUp, ZoomStepDown, ZoomFineUp, ZoomFineDown, TurnRight, TurnLeft}) {
    f.ui.boxes.clear();
    command(f.state, f.ui, CommandSource::Button);
    EXPECT_EQ(f.ui.LastLines(), kPanoramaGuard);
  }
  EXPECT_EQ(f.state.current.Edits.Rotation, 0);
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(Commands, DoNothingWhileTheUiIsBusy) {
  Shown f;
  f.state.UiReady = false;
  f.ui.repaints.clear();
  ZoomStepUp(f.state, f.ui);
  TurnRight(f.state, f.ui);
  ResetAllEdits(f.state, f.ui);
  ToggleFillView(f.state, f.ui);
  ViewDoubleClick(f.state, f.ui, 10, 10);
  EXPECT_EQ(f.state.view.ZoomPercent, 27);
  EXPECT_EQ(f.state.current.Edits.Rotation, 0);
  EXPECT_FALSE(f.state.view.FillView);
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(TurnRight, TurnsTheZoomCentreWithThePhoto) {
  ViewFixture f(NoiseImage(120, 80, 2));
  SetZoomValue(f.state, 100);
  f.state.current.Edits.ZoomCentreX = 60;
  f.state.current.Edits.ZoomCentreY = 40;
  RenderZoom(f.state, f.ui, false);
  f.calls.clear();
  TurnRight(f.state, f.ui);
  EXPECT_EQ(f.state.current.Edits.Rotation, 1);
  // New centre (80 - 40 - 1, 60) on the 80 x 120 turned photo.
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 39);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 60);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ShownWidth, 80);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 32, 24), PixelAt(f.state.DecodedPhoto, 60, 40));
  EXPECT_EQ(f.calls.at(0), "thumbnail rotation");
  EXPECT_EQ(f.calls.at(1), "strip rotation");
}

TEST(TurnLeft, TurnsTheZoomCentreTheOtherWay) {
  ViewFixture f(NoiseImage(120, 80, 2));
  SetZoomValue(f.state, 100);
  f.state.current.Edits.ZoomCentreX = 70;
  f.state.current.Edits.ZoomCentreY = 40;
  RenderZoom(f.state, f.ui, false);
  TurnLeft(f.state, f.ui);
  EXPECT_EQ(f.state.current.Edits.Rotation, -1);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 40);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 120 - 70 - 1);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 32, 24), PixelAt(f.state.DecodedPhoto, 70, 40));
}

TEST(TurnRight, FourTurnsComeBackToTheSameCentre) {
  ViewFixture f(NoiseImage(120, 80, 3));
  SetZoomValue(f.state, 100);
  f.state.current.Edits.ZoomCentreX = 60;
  f.state.current.Edits.ZoomCentreY = 40;
  RenderZoom(f.state, f.ui, false);
  const TDibImage before = f.state.ViewPicture;
  for (int i = 0; i < 4; ++i) TurnRight(f.state, f.ui);
  EXPECT_EQ(f.state.current.Edits.Rotation, 0);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 60);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 40);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, before));
}

TEST(TurnRight, InTheFittedViewRendersFitted) {
  Shown f;
  TurnRight(f.state, f.ui);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ShownWidth, 160);
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "160x240");
  EXPECT_FALSE(f.state.EditsDirty);
}

TEST(TurnRight, MakesTheEditsOfAnEditedPhotoUnsaved) {
  Shown f;
  f.state.current.Name = "IMG_0001_jpg.LUM";
  TurnRight(f.state, f.ui);
  EXPECT_TRUE(f.state.EditsDirty);
}

TEST(ResetAllEdits, ClearsTheEditsAndLeavesZoom) {
  Shown f;
  PhotoEdits& e = f.state.current.Edits;
  e.Rotation = 2;
  e.Brightness = 30;
  e.Contrast = 400;
  e.Sharpness = 4;
  e.Effect = 3;
  e.Comment = "kept";
  SetZoomValue(f.state, 100);
  RenderZoom(f.state, f.ui, false);
  f.state.EditsDirty = true;
  ResetAllEdits(f.state, f.ui);
  EXPECT_EQ(e.Rotation, 0);
  EXPECT_EQ(e.Brightness, 0);
  EXPECT_EQ(e.Contrast, 256);
  EXPECT_EQ(e.Sharpness, 0);
  EXPECT_EQ(e.Effect, 0);
  EXPECT_EQ(e.Comment, "kept");
  EXPECT_FALSE(e.ZoomMode);
  EXPECT_FALSE(f.state.EditsDirty);
  EXPECT_EQ(f.state.view.ZoomPercent, 27);
}

TEST(ResetAllEdits, ExplainsItselfWithoutAPhotoAndInPanoramaMode) {
  const Lines help = {"このメニューは、現在表示されている写真の", "回転・明るさ・シャープネスなど全ての編集を",
                      "解除して表示しなおします。"};
  Shown f;
  f.state.PanoramaMode = PanoramaKind::Pair;
  ResetAllEdits(f.state, f.ui);
  Lines panorama = help;
  panorama.push_back("パノラマモード時には、使用できません。");
  EXPECT_EQ(f.ui.LastLines(), panorama);
  f.state.current.Name.clear();
  ResetAllEdits(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines(), help);
}

TEST(SetQualityMode, StoresTheSettingAndRendersAgain) {
  TempDir dir;
  Shown f;
  f.state.folders.AppFolder = dir.Path();
  SetZoomValue(f.state, 100);
  RenderZoom(f.state, f.ui, false);
  f.calls.clear();
  SetQualityMode(f.state, f.ui, QualityModeKind::HighSpeed);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighSpeed);
  EXPECT_TRUE(f.ui.checked[Ctl::KousokuMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::KougashitsuMenu]);
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()).QualityMode, QualityModeKind::HighSpeed);
  EXPECT_EQ(f.ui.Text(Ctl::GashitsuModeLbl), "【高速】");
  EXPECT_EQ(f.ui.colours[Ctl::SharpLbl], 0x808080u);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"clear histogram", "redraw comments"}));
  ToggleQualityMode(f.state, f.ui);
  EXPECT_EQ(f.state.settings.QualityMode, QualityModeKind::HighQuality);
  EXPECT_EQ(f.ui.Text(Ctl::GashitsuModeLbl), "【高画質】");
}

TEST(UpdateModeLabels, UsesTheCompactLabelInTheSixHundredFortyLayout) {
  AppState state;
  testing_support::FakeUi ui;
  state.settings.SizeMode = 2;
  state.settings.QualityMode = QualityModeKind::HighSpeed;
  UpdateModeLabels(state, ui);
  EXPECT_EQ(ui.Text(Ctl::GashitsuModeSLbl), "S");
  EXPECT_EQ(ui.texts.count(Ctl::GashitsuModeLbl), 0u);
  state.settings.SizeMode = 3;
  state.settings.GlobalEffect = 3;
  state.settings.GlobalSharpness = 10;
  UpdateModeLabels(state, ui);
  EXPECT_EQ(ui.Text(Ctl::KoukaLbl), " 白黒");
  EXPECT_EQ(ui.Text(Ctl::SharpLbl), "やや強め");
}

TEST(UpdateModeLabels, CustomSizesChooseTheirLayoutBySize) {
  Settings s;
  s.SizeMode = 4;
  s.CustomWidth = 480;
  s.CustomHeight = 360;
  EXPECT_FALSE(CompactModeLabels(s));
  s.CustomWidth = 481;
  EXPECT_TRUE(CompactModeLabels(s));
  s.CustomHeight = 481;
  EXPECT_FALSE(CompactModeLabels(s));
  s.SizeMode = 6;
  EXPECT_TRUE(CompactModeLabels(s));
}

TEST(ToggleFillView, CoversTheViewAndChecksWideChk) {
  Shown f;
  ToggleFillView(f.state, f.ui);
  EXPECT_TRUE(f.state.view.FillView);
  EXPECT_TRUE(f.ui.checked[Ctl::WideChk]);
  EXPECT_EQ(f.state.view.ZoomPercent, 30);
  EXPECT_EQ(f.state.view.CropLeft, 13);
  ToggleFillView(f.state, f.ui);
  EXPECT_FALSE(f.state.view.FillView);
  EXPECT_EQ(f.state.view.ZoomPercent, 27);
}

TEST(ViewDoubleClick, ZoomsInAroundThePointUnderTheCursor) {
  Shown f;
  // (32, 25) on the view is photo pixel (120, R(23 * 3.75) = 86); at 33 %
  // it is zoom pixel (40, 29), the window's centre.
  ViewDoubleClick(f.state, f.ui, 32, 25);
  EXPECT_EQ(f.state.view.ZoomPercent, 33);
  EXPECT_EQ(f.state.view.ScrollX, 40 - 32);
  EXPECT_EQ(f.state.view.ScrollY, 29 - 24);
  // The window's centre as recorded afterwards, back in photo pixels.
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 120);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreY, 87);
}

TEST(ViewDoubleClick, WithoutAPhotoExplainsItself) {
  ViewFixture f(SolidImage(8, 8, kGrey));
  f.state.current.Name.clear();
  ViewDoubleClick(f.state, f.ui, 1, 1);
  EXPECT_EQ(f.ui.LastLines(),
            (Lines{"写真を表示後に、写真の上でダブルクリックすると", "その部分を拡大して鑑賞できます。"}));
}

TEST(ViewDoubleClick, InReversedPanoramaTheLeftHalfShowsTheSecondPhoto) {
  TempDir dir;
  const std::string folder = dir.MakeDir("photos");
  dir.Write("photos/a.jpg");
  dir.Write("photos/b.jpg");
  Shown f;
  f.state.PhotoExtensions = BuildPhotoExtensions({});
  f.state.PanoramaMode = PanoramaKind::PairReversed;
  f.state.Panes[1] = PhotoRecord{"a.jpg", folder, 0, 1, {}};
  f.state.Panes[2] = PhotoRecord{"b.jpg", folder, 0, 2, {}};
  f.calls.clear();
  ViewDoubleClick(f.state, f.ui, 10, 10);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
  EXPECT_TRUE(f.ui.checked[Ctl::NoPanoramicMenu]);
  EXPECT_EQ(f.state.CurrentFolder, folder);
  EXPECT_EQ(f.calls.back(), "show photo 2");
}

TEST(ViewDoubleClick, InFourPanesTheLowerRightIsTheFourthPhoto) {
  Shown f;
  f.state.PanoramaMode = PanoramaKind::Four;
  // Pane 4 is empty: nothing happens.
  ViewDoubleClick(f.state, f.ui, 50, 40);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::Four);
}

TEST(ViewDrag, MovesTheZoomWindowWithinThePhoto) {
  ViewFixture f(NoiseImage(120, 80, 4));
  f.state.settings.GlobalSharpness = 12;
  SetZoomValue(f.state, 100);
  RenderZoom(f.state, f.ui, false);
  EXPECT_EQ(f.state.view.ScrollX, 28);
  ViewDragStart(f.state, 500, 300);
  ViewDragMove(f.state, f.ui, 490, 305);  // left 10, down 5
  EXPECT_EQ(f.state.view.ScrollX, 38);
  EXPECT_EQ(f.state.view.ScrollY, 11);
  EXPECT_EQ(PixelAt(f.state.ViewPicture, 0, 0), PixelAt(f.state.DecodedPhoto, 38, 11));  // not sharpened yet
  ViewDragMove(f.state, f.ui, 300, 500);
  EXPECT_EQ(f.state.view.ScrollX, 56);  // 120 - 64
  EXPECT_EQ(f.state.view.ScrollY, 0);
  EXPECT_EQ(f.state.current.Edits.ZoomCentreX, 88);
  ViewDragEnd(f.state, f.ui);
  EXPECT_FALSE(f.state.view.Dragging);
  // The end sharpens once: the same as a fresh render at that window.
  ViewFixture g(NoiseImage(120, 80, 4));
  g.state.settings.GlobalSharpness = 12;
  SetZoomValue(g.state, 100);
  g.state.current.Edits.ZoomCentreX = 88;
  g.state.current.Edits.ZoomCentreY = 24;
  RenderZoom(g.state, g.ui, false);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, g.state.ViewPicture));
}

TEST(ViewDrag, DoesNotSharpenAgainWhenNothingMoved) {
  ViewFixture f(NoiseImage(120, 80, 5));
  f.state.settings.GlobalSharpness = 12;
  RenderView(f.state, f.ui, false);
  const TDibImage before = f.state.ViewPicture;
  ViewDragStart(f.state, 10, 10);
  ViewDragMove(f.state, f.ui, 40, 40);  // a fitted view does not move
  ViewDragEnd(f.state, f.ui);
  EXPECT_TRUE(SamePixels(f.state.ViewPicture, before));
}

TEST(ViewDrag, KeepsTheAxisThatFitsTheView) {
  ViewFixture f(NoiseImage(120, 30, 6));
  SetZoomValue(f.state, 100);
  RenderZoom(f.state, f.ui, false);
  ViewDragStart(f.state, 0, 0);
  ViewDragMove(f.state, f.ui, -5, -9);
  EXPECT_EQ(f.state.view.ScrollX, 28 + 5);
  EXPECT_EQ(f.state.view.ScrollY, 0);
}

TEST(ViewMouse, SetsTheCursorByMode) {
  Shown f;
  ViewMouseMove(f.state, f.ui, 3, 4);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::Default);
  EXPECT_EQ(f.state.view.CursorX, 3);
  f.state.current.Edits.ZoomMode = true;
  ViewMouseMove(f.state, f.ui, 3, 4);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::SizeAll);
  f.state.PanoramaMode = PanoramaKind::Pair;
  ViewMouseMove(f.state, f.ui, 3, 4);
  EXPECT_EQ(f.ui.view_cursor, CursorKind::Hand);
}

TEST(ViewMiddleButton, OpensTheFullScreenViewOrExplainsIt) {
  Shown f;
  ViewMiddleButton(f.state, f.ui);
  EXPECT_TRUE(f.Called("full screen"));
  f.state.current.Name.clear();
  ViewMiddleButton(f.state, f.ui);
  EXPECT_EQ(f.ui.LastLines().size(), 4u);
  EXPECT_EQ(f.ui.LastLines()[0], "このボタンは、現在表示されている写真を");
}

TEST(LeaveZoom, ReturnsToTheFittedView) {
  Shown f;
  ZoomStepUp(f.state, f.ui);
  LeaveZoom(f.state, f.ui, CommandSource::Menu);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ZoomPercent, 27);
  EXPECT_TRUE(f.state.UiReady);
  // In the fitted view it does nothing.
  f.ui.repaints.clear();
  LeaveZoom(f.state, f.ui, CommandSource::Menu);
  EXPECT_TRUE(f.ui.repaints.empty());
}

TEST(LeaveZoom, EndsPanoramaModeAndShowsThePhotoAlone) {
  Shown f;
  f.state.PanoramaMode = PanoramaKind::Pair;
  f.state.StripPos = 7;
  bool ready_during = true;
  f.state.hooks.ShowPhoto = [&](std::int32_t position, std::int32_t) {
    ready_during = f.state.UiReady;
    f.calls.push_back("show photo " + std::to_string(position));
  };
  LeaveZoom(f.state, f.ui);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::None);
  EXPECT_TRUE(f.ui.checked[Ctl::NoPanoramicMenu]);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【パノラマ解除中】");
  EXPECT_EQ(f.calls.back(), "show photo 7");
  EXPECT_FALSE(ready_during);
  EXPECT_TRUE(f.state.UiReady);
}

TEST(NumericZoom, ExplainsItselfWithoutAPhotoAndInPanoramaMode) {
  Shown f;
  bool opened = false;
  auto dialog = [&]() -> std::optional<std::string> {
    opened = true;
    return std::nullopt;
  };
  f.state.PanoramaMode = PanoramaKind::Pair;
  NumericZoomClick(f.state, f.ui, dialog);
  EXPECT_EQ(f.ui.LastLines().size(), 5u);
  EXPECT_EQ(f.ui.LastLines()[2], "現在パノラマモードですので表示倍率の変更はできません。");
  f.state.current.Name.clear();
  NumericZoomClick(f.state, f.ui, dialog);
  EXPECT_EQ(f.ui.LastLines().size(), 7u);
  EXPECT_EQ(f.ui.LastLines()[0], "ここをクリックすると、表示倍率を数値で");
  EXPECT_FALSE(opened);
}

struct NumericCase {
  const char* text;
  NumericZoomResult result;
  std::int32_t zoom;
};

void PrintTo(const NumericCase& c, std::ostream* os) { *os << "\"" << c.text << "\""; }

class NumericZoomText : public ::testing::TestWithParam<NumericCase> {};

TEST_P(NumericZoomText, IsReadAsItsLeadingNumber) {
  Shown f;
  const NumericCase& c = GetParam();
  EXPECT_EQ(ApplyNumericZoom(f.state, f.ui, c.text), c.result);
  EXPECT_EQ(f.state.view.ZoomPercent, c.zoom);
  if (c.result == NumericZoomResult::OutOfRange) {
    EXPECT_EQ(f.ui.LastLines(), (Lines{"入力された数値は、範囲を超えています。", "表示倍率の直接指定は「１～400％」の範囲",
                                       "で、整数のみ指定できます。"}));
  }
  EXPECT_EQ(f.state.current.Edits.ZoomMode, c.result == NumericZoomResult::Applied);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumericZoomText,
                         ::testing::Values(NumericCase{"150", NumericZoomResult::Applied, 150},
                                           NumericCase{"  +40x", NumericZoomResult::Applied, 40},
                                           NumericCase{"400", NumericZoomResult::Applied, 400},
                                           NumericCase{"1", NumericZoomResult::Applied, 1},
                                           NumericCase{"401", NumericZoomResult::OutOfRange, 27},
                                           NumericCase{"", NumericZoomResult::OutOfRange, 27},
                                           NumericCase{"-5", NumericZoomResult::OutOfRange, 27},
                                           NumericCase{"abc", NumericZoomResult::OutOfRange, 27}));

TEST(NumericZoom, RefusesAZoomBeyondTheSizeLimit) {
  Shown f;
  f.state.view.ShownWidth = 10000;
  f.state.view.ShownHeight = 8000;
  EXPECT_EQ(ApplyNumericZoom(f.state, f.ui, "100"), NumericZoomResult::TooLarge);
  EXPECT_EQ(f.ui.LastLines(), (Lines{"元の画像の原寸大サイズが大きすぎるため", "拡大できませんでした。"}));
}

TEST(NumericZoom, TakesTheDialogsTextAndShowsTheReferenceSize) {
  Shown f;
  EXPECT_EQ(GensunText(f.state), "240x160→27%");
  NumericZoomClick(f.state, f.ui, [] { return std::optional<std::string>("200"); });
  EXPECT_EQ(f.state.view.ZoomPercent, 200);
  EXPECT_EQ(f.state.view.ZoomImage.Width(), 480);
}

}  // namespace
}  // namespace lumetta
