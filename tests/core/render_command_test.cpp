// lumetta-cli render: the view as the main view shows it, for the options
// that set the view, the quality and the photo's edits.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/state/app_state.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/resample.h"
#include "core/plugins/plugin_formats.h"
#include "core/plugins/spis.h"
#include "core/view/view_render.h"
#include "core/support/cli_run.h"
#include "core/support/fake_ui.h"
#include "core/support/temp_dir.h"
#include "core/support/view_images.h"
#include "platform/plugin_library.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::RunCli;
using testing_support::NoiseImage;
using testing_support::ReadAll;
using testing_support::SamePixels;
using testing_support::TempDir;

struct RenderCase {
  const char* name;
  const char* options;
  void (*set)(AppState&);
  std::int32_t zoom;  // 0: fitted
};

void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.name; }

class RenderCommand : public ::testing::TestWithParam<RenderCase> {};

TEST_P(RenderCommand, WritesTheViewAsTheMainViewShowsIt) {
  const RenderCase& c = GetParam();
  TempDir dir;
  const TDibImage photo = NoiseImage(90, 60, 21);
  const std::string photo_path = dir / "photo.bmp";
  photo.SaveToFile(photo_path);
  const std::string before = ReadAll(photo_path);
  const std::string out = dir / "view.bmp";
  ASSERT_EQ(RunCli(dir, "render \"" + photo_path + "\" --view 40x30 " + c.options + " -o \"" + out + "\"").status, 0)
      << ReadAll(dir / "cli-stderr.txt");
  EXPECT_EQ(ReadAll(photo_path), before);

  AppState state;
  FakeUi ui;
  state.view.ViewWidth = 40;
  state.view.ViewHeight = 30;
  state.current.Name = "photo.bmp";
  state.DecodedPhoto.Assign(photo);
  SizeImage24(state.ViewPicture, 40, 30);
  c.set(state);
  if (c.zoom == 0) {
    RenderView(state, ui, false);
  } else {
    SetZoomValue(state, c.zoom);
    RenderZoom(state, ui, false);
  }
  TDibImage written;
  written.LoadFromFile(out);
  EXPECT_TRUE(SamePixels(written, state.ViewPicture));
}

INSTANTIATE_TEST_SUITE_P(
    Options, RenderCommand,
    ::testing::Values(
        // The first-run defaults: high quality, chrome, sharpness 12.
        RenderCase{"defaults", "", [](AppState&) {}, 0},
        RenderCase{"speed_fill_turned", "--quality speed --fill --rotation 1 --brightness 20",
                   [](AppState& s) {
                     s.settings.QualityMode = QualityModeKind::HighSpeed;
                     s.view.FillView = true;
                     s.current.Edits.Rotation = 1;
                     s.current.Edits.Brightness = 20;
                   },
                   0},
        RenderCase{"edits", "--rotation -1 --contrast 400 --effect 2 --sharpness 4 --global-sharpness 0",
                   [](AppState& s) {
                     s.current.Edits.Rotation = -1;
                     s.current.Edits.Contrast = 400;
                     s.current.Edits.Effect = 2;
                     s.current.Edits.Sharpness = 4;
                     s.settings.GlobalSharpness = 0;
                   },
                   0},
        RenderCase{"zoom_centre", "--zoom 200 --centre 70,12 --global-effect 3",
                   [](AppState& s) {
                     s.settings.GlobalEffect = 3;
                     s.current.Edits.ZoomCentreX = 70;
                     s.current.Edits.ZoomCentreY = 12;
                   },
                   200}),
    [](const ::testing::TestParamInfo<RenderCase>& info) { return std::string(info.param.name); });

TEST(RenderCommand, RefusesWrongArguments) {
  TempDir dir;
  const std::string photo = dir / "photo.bmp";
  NoiseImage(20, 10, 1).SaveToFile(photo);
  const std::string p = "\"" + photo + "\" ";
  const std::string o = " -o \"" + (dir / "out.bmp") + "\"";
  EXPECT_EQ(RunCli(dir, "render " + p + o).status, 2);  // no --view
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 --rotation 3" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 --quality best" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 --centre 1,1" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 --zoom 1601" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 --zoom 200 --centre 20,5" + o).status, 2);
  EXPECT_EQ(RunCli(dir, "render " + p + "--view 40x30 -o \"" + photo + "\"").status, 2);
  EXPECT_EQ(RunCli(dir, "render \"" + (dir / "missing.bmp") + "\" --view 40x30" + o).status, 1);
}

TEST(RenderCommand, DecodesJpegAndTiffPhotosAsTheViewDoes) {
  // The view with the plug-ins built beside lumetta-cli, as it loads them.
  TSPIs plugins(platform::NativePluginLibrary());
  plugins.SearchPlugins("*.spi", {LUMETTA_PLUGIN_DIR});
  for (const char* fixture : {"jpeg/h2v1.jpg", "tiff/rgb_be_short_strips.tif", "plugins/rgb.png"}) {
    SCOPED_TRACE(fixture);
    TempDir dir;
    const std::string photo = std::string(LUMETTA_FIXTURES) + "/" + fixture;
    const std::string out = dir / "view.bmp";
    ASSERT_EQ(RunCli(dir, "render \"" + photo + "\" --view 40x30 -o \"" + out + "\"").status, 0) << ReadAll(dir / "cli-stderr.txt");

    AppState state;
    FakeUi ui;
    state.view.ViewWidth = 40;
    state.view.ViewHeight = 30;
    state.current.Name = "photo";
    RegisterPluginFormats(state, PluginFormatsOf(plugins));
    DecodePhoto(photo, state.DecodedPhoto, state.Decoders());
    SizeImage24(state.ViewPicture, 40, 30);
    RenderView(state, ui, false);
    TDibImage written;
    written.LoadFromFile(out);
    EXPECT_TRUE(SamePixels(written, state.ViewPicture));
  }
}

}  // namespace
}  // namespace lumetta
