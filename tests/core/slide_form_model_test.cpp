#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/slideshow/slide_form_model.h"
#include "core/slideshow/slide_settings.h"
#include "core/state/settings.h"
#include "support/slide_fixture.h"

namespace lumetta {
namespace {

using testing_support::SlideFixture;

struct FormFixture : SlideFixture {
  FormFixture() {
    WritePhoto("trip/p1.bmp", Rgb{1, 1, 1});
    WritePhoto("trip/p2.bmp", Rgb{2, 2, 2});
    WritePhoto("trip/p3.bmp", Rgb{3, 3, 3});
    Open("trip");
  }
};

class RefusedSeconds : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedSeconds, KeepTheDialogOpenWithTheMessageAndStoreNothing) {
  FormFixture f;
  SlideFormValues values = SlideFormValuesOf(f.state);
  values.interval_code = 0;
  values.custom_seconds = GetParam();
  values.transition = 3;
  const Settings before = f.state.settings;
  EXPECT_FALSE(StoreSlideForm(f.state, f.ui, values));
  EXPECT_EQ(f.ui.LastLines(), (std::vector<std::string>{"表示間隔の秒数は", "１秒以上の整数が指定できます。"}));
  EXPECT_EQ(f.state.settings, before);
  EXPECT_FALSE(std::filesystem::exists(f.state.folders.SettingsFile()));
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedSeconds, ::testing::Values("0", "1.5", ""));

TEST(StoreSlideForm, StoresEveryValueAndWritesTheSettingsFile) {
  FormFixture f;
  f.state.StripPos = 2;
  SlideFormValues values = SlideFormValuesOf(f.state);
  values.interval_code = 0;
  values.custom_seconds = "99999";
  values.repeat = true;
  values.next_folder = false;
  values.transition = 1;
  values.star_sand_speed = 4;
  values.quality_mode = QualityModeKind::HighSpeed;
  values.sharpness = 6;
  values.effect = 2;
  values.comment_visible = false;
  values.comment_position = 3;
  values.panorama_mode = PanoramaKind::PairReversed;
  int comment_menus = 0;
  f.state.view.hooks.CommentSettingsChanged = [&comment_menus] { ++comment_menus; };
  ASSERT_TRUE(StoreSlideForm(f.state, f.ui, values));
  EXPECT_TRUE(f.ui.boxes.empty());
  const Settings& s = f.state.settings;
  EXPECT_EQ(s.SlideInterval, 0);
  EXPECT_EQ(s.SlideCustomSeconds, 99999);
  EXPECT_EQ(SlideIntervalSeconds(s), 99999);
  EXPECT_EQ(s.SlideRepeat, 1);
  EXPECT_EQ(s.SlideNextFolder, 0);
  EXPECT_EQ(s.SlideTransition, 1);
  EXPECT_EQ(s.StarSandSpeed, 4);
  EXPECT_EQ(s.QualityMode, QualityModeKind::HighSpeed);
  EXPECT_EQ(s.GlobalSharpness, 6);
  EXPECT_EQ(s.GlobalEffect, 2);
  EXPECT_EQ(s.CommentVisible, 0);
  EXPECT_EQ(s.CommentPosition, 3);
  EXPECT_EQ(f.state.PanoramaMode, PanoramaKind::PairReversed);
  EXPECT_EQ(comment_menus, 1);
  EXPECT_TRUE(f.ui.checked[Ctl::KousokuMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::KougashitsuMenu]);
  EXPECT_TRUE(f.ui.checked[Ctl::SPDaibuMenu]);
  EXPECT_TRUE(f.ui.checked[Ctl::GSepiaMenu]);
  EXPECT_TRUE(f.ui.checked[Ctl::PanoramicRLMenu]);
  EXPECT_EQ(LoadSettings(f.state.folders.SettingsFile()), s);
  // "カーソル位置から" leaves the strip where it is.
  EXPECT_EQ(f.state.StripPos, 2);
}

TEST(StoreSlideForm, FromTheFirstPutsTheStripOnTheFirstPhotoInDisplayOrder) {
  FormFixture f;
  f.state.StripPos = 2;
  SlideFormValues values = SlideFormValuesOf(f.state);
  values.from_first = true;
  ASSERT_TRUE(StoreSlideForm(f.state, f.ui, values));
  EXPECT_EQ(f.state.StripPos, 1);
  f.state.settings.SortDirection = SortOrder::FromRight;
  f.state.StripPos = 2;
  ASSERT_TRUE(StoreSlideForm(f.state, f.ui, values));
  EXPECT_EQ(f.state.StripPos, 3);
}

TEST(SlideFormValuesOf, PresetsFromTheFirstOnlyOnTheLastPhoto) {
  FormFixture f;
  f.state.StripPos = 2;
  EXPECT_FALSE(SlideFormValuesOf(f.state).from_first);
  f.state.StripPos = 3;
  EXPECT_TRUE(SlideFormValuesOf(f.state).from_first);
  f.state.settings.SortDirection = SortOrder::FromRight;
  EXPECT_FALSE(SlideFormValuesOf(f.state).from_first);
  f.state.StripPos = 1;
  EXPECT_TRUE(SlideFormValuesOf(f.state).from_first);
}

TEST(SlideFormValuesOf, ShowsTheSettingsInForce) {
  FormFixture f;
  f.state.settings.SlideInterval = 30;
  f.state.settings.SlideCustomSeconds = 12;
  f.state.settings.FadeMode = 3;
  const SlideFormValues v = SlideFormValuesOf(f.state);
  EXPECT_EQ(v.interval_code, 30);
  EXPECT_EQ(v.custom_seconds, "12");
  EXPECT_EQ(v.fade_mode, 3);
  // A code no button has shows as "10秒", which is what it means.
  f.state.settings.SlideInterval = 7;
  EXPECT_EQ(SlideFormValuesOf(f.state).interval_code, 10);
}

}  // namespace
}  // namespace lumetta
