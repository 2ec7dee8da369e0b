#include "core/app/main_layout.h"
#include "core/view/view_geometry.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/state/settings.h"
#include "core/view/view_render.h"
#include "support/temp_dir.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::NoiseImage;
using testing_support::TempDir;
using testing_support::ViewFixture;

TEST(ZoomForWidthShare, KeepsTheZoomedWidthRelativeToTheView) {
  // A 1600-pixel photo at 100 % in an 800 view is twice the view wide; in a
  // 1024 view twice the width is 128 %.
  const auto kept = ZoomForWidthShare(1600, 1200, 1024, 2.0);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->zoom_percent, 128);
  EXPECT_DOUBLE_EQ(kept->scale, 0.78125);
  // Back to the 480 view: 60 %.
  EXPECT_EQ(ZoomForWidthShare(1600, 1200, 480, 2.0)->zoom_percent, 60);
}

TEST(ZoomForWidthShare, RefusesAZoomBeyondTheLargestZoomImage) {
  // 8000 x 6000 at 100 % in a 480 view is 16.7 view widths; in the 1024
  // view that is 213 %, 17040 x 12780 pixels: over 50,000,000.
  EXPECT_FALSE(ZoomForWidthShare(8000, 6000, 1024, 8000.0 / 480).has_value());
  EXPECT_FALSE(ZoomForWidthShare(0, 6000, 1024, 2.0).has_value());
  EXPECT_FALSE(ZoomForWidthShare(800, 600, 1024, 0.0).has_value());
}

struct ZoomedPhoto : ViewFixture {
  ZoomedPhoto() : ViewFixture(NoiseImage(1600, 1200, 7), 800, 600) {
    state.settings.SizeMode = 3;
    state.view.ShownWidth = 1600;
    state.view.ShownHeight = 1200;
    state.current.Edits.ZoomMode = true;
    SetZoomValue(state, 100);
    RenderZoom(state, ui, false);
  }
};

TEST(Relayout, KeepsTheZoomAcrossTheChangeFromEightHundredToTenTwentyFour) {
  ZoomedPhoto f;
  ASSERT_EQ(f.state.view.ZoomPercent, 100);
  f.state.settings.SizeMode = 8;
  const RelayoutPlan plan = BeginRelayout(f.state, f.ui);
  EXPECT_DOUBLE_EQ(plan.ZoomRatio, 2.0);
  EXPECT_EQ(f.state.view.ViewWidth, 1024);
  EXPECT_EQ(f.state.view.ViewHeight, 768);
  FinishRelayout(f.state, f.ui, plan);
  EXPECT_EQ(f.state.view.ZoomPercent, 128);
  EXPECT_DOUBLE_EQ(f.state.view.ViewScale, 0.78125);
  EXPECT_EQ(f.state.ViewPicture.Width(), 1024);
  EXPECT_EQ(f.state.ViewPicture.Height(), 768);
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), "128%");
  EXPECT_TRUE(f.Called("redraw comments"));
  EXPECT_EQ(f.ui.busy_depth, 0);
}

TEST(Relayout, WithoutAPhotoLeavesAGreyViewOfTheNewSizeAndTheLabelsOfTheLayout) {
  AppState state;
  FakeUi ui;
  state.settings.SizeMode = 4;
  state.settings.CustomWidth = 500;
  state.settings.CustomHeight = 400;
  const RelayoutPlan plan = BeginRelayout(state, ui);
  EXPECT_EQ(plan.Size.Layout, WindowLayoutKind::L640);
  EXPECT_EQ(ui.Text(Ctl::SizeNiniMenu), "任意（500x400）");
  EXPECT_TRUE(ui.visible.at(Ctl::GashitsuModeSLbl));
  EXPECT_EQ(ui.hints.at(Ctl::HenshuLbl),
            "写真を表示すると、ここに表示倍率（原寸大サイズに対する倍率）がヒント表示されます。");
  FinishRelayout(state, ui, plan);
  EXPECT_EQ(state.ViewPicture.Width(), 500);
  EXPECT_EQ(state.ViewPicture.Height(), 400);
  EXPECT_EQ(state.ViewPicture.Pixels(499, 399), 0x808080u);
  EXPECT_EQ(state.view.ViewImage.Width(), 500);
  EXPECT_EQ(ui.Text(Ctl::GashitsuModeSLbl), "Q");

  state.settings.SizeMode = 8;
  FinishRelayout(state, ui, BeginRelayout(state, ui));
  EXPECT_FALSE(ui.visible.at(Ctl::GashitsuModeSLbl));
  EXPECT_EQ(ui.Text(Ctl::JoutaiLbl), "【写真未表示】");
  EXPECT_EQ(ui.Text(Ctl::RitsuLbl), "   %");
  EXPECT_EQ(ui.Text(Ctl::GashitsuModeLbl), "【高画質】");
  EXPECT_EQ(ui.Text(Ctl::SizeNiniMenu), "任意の大きさ");
}

TEST(Relayout, ADamagedCustomSizeGivesTheEightHundredView) {
  AppState state;
  FakeUi ui;
  state.settings.SizeMode = 4;
  state.settings.CustomWidth = 0;
  state.settings.CustomHeight = -7;
  const RelayoutPlan plan = BeginRelayout(state, ui);
  FinishRelayout(state, ui, plan);
  EXPECT_EQ(plan.Size.Layout, WindowLayoutKind::L800);
  EXPECT_EQ(state.view.ViewWidth, 800);
  EXPECT_EQ(state.view.ViewHeight, 600);
  EXPECT_EQ(state.ViewPicture.Width(), 800);
}

TEST(ChooseSizeMode, ChecksStoresAndWritesOnlyWhenReady) {
  TempDir dir;
  AppState state;
  FakeUi ui;
  state.folders.AppFolder = dir.Path();
  state.UiReady = false;
  EXPECT_FALSE(ChooseSizeMode(state, ui, 8));
  EXPECT_EQ(state.settings.SizeMode, 3);
  state.UiReady = true;
  EXPECT_TRUE(ChooseSizeMode(state, ui, 8));
  EXPECT_EQ(state.settings.SizeMode, 8);
  EXPECT_TRUE(ui.checked.at(Ctl::Size1024Menu));
  EXPECT_EQ(LoadSettings(state.folders.SettingsFile()).SizeMode, 8);
  // The mode in force chosen again is written all the same.
  std::filesystem::remove(state.folders.SettingsFile());
  EXPECT_TRUE(ChooseSizeMode(state, ui, 8));
  EXPECT_EQ(LoadSettings(state.folders.SettingsFile()).SizeMode, 8);
}

TEST(ChooseCustomSize, StoresTheModeAndTheSize) {
  TempDir dir;
  AppState state;
  FakeUi ui;
  state.folders.AppFolder = dir.Path();
  EXPECT_TRUE(ChooseCustomSize(state, ui, 4, 700, 300));
  EXPECT_TRUE(ui.checked.at(Ctl::SizeNiniMenu));
  const Settings read = LoadSettings(state.folders.SettingsFile());
  EXPECT_EQ(read.SizeMode, 4);
  EXPECT_EQ(read.CustomWidth, 700);
  EXPECT_EQ(read.CustomHeight, 300);
  CheckSizeMenu(state, ui);
  EXPECT_EQ(ui.Text(Ctl::SizeNiniMenu), "任意（700x300）");
}

}  // namespace
}  // namespace lumetta
