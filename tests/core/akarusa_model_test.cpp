#include "core/view/akarusa_model.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/imaging/resample.h"
#include "core/view/view_render.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::MakeImage;
using testing_support::PixelAt;
using testing_support::SamePixels;
using testing_support::SolidImage;
using testing_support::ViewFixture;
using Lines = std::vector<std::string>;

constexpr Rgb kGrey{120, 90, 60};

struct LabelCase {
  std::int32_t value;
  const char* opened;
  const char* moved;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.value; }

class AkarusaLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(AkarusaLabel, ShowsTheValueInFourCharactersAndTheArrow) {
  EXPECT_EQ(BrightnessOpenText(GetParam().value), GetParam().opened);
  EXPECT_EQ(BrightnessMovedText(GetParam().value), GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(Values, AkarusaLabel,
                         ::testing::Values(LabelCase{-256, "-256→", "-256→"}, LabelCase{12, "  12→", " +12→"},
                                           LabelCase{0, "   0→", "   0→"}, LabelCase{-5, "  -5→", "  -5→"},
                                           LabelCase{256, " 256→", "+256→"}));

TEST(ContrastLabel, ShowsTheValueInFourCharactersAndTheArrow) {
  EXPECT_EQ(ContrastText(256), " 256→");
  EXPECT_EQ(ContrastText(1), "   1→");
  EXPECT_EQ(ContrastText(1024), "1024→");
}

// A photo whose pixels are black or have every channel at 8 or more, so that
// a 2 x 2 box averages to black only when all four are black: the render
// tests the box, the preview the averaged pixel.
TDibImage SpeckledPhoto(std::int32_t width, std::int32_t height) {
  return MakeImage(width, height, [](std::int32_t x, std::int32_t y) {
    const std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    if (h % 11 == 0) return Rgb{};
    return Rgb{static_cast<std::int32_t>(8 + h % 248), static_cast<std::int32_t>(8 + (h >> 8) % 248),
               static_cast<std::int32_t>(8 + (h >> 16) % 248)};
  });
}

// A main view showing the photo fitted, with the dialog's script.
struct Dialog : ViewFixture {
  explicit Dialog(const TDibImage& photo, std::int32_t view_width = 64, std::int32_t view_height = 48)
      : ViewFixture(photo, view_width, view_height) {
    RenderView(state, ui, false);
    ui.repaints.clear();
    calls.clear();
  }
};

TEST(AkarusaForm, OpensWithThePhotosValuesAndItsLabels) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.current.Edits.Brightness = 12;
  d.state.current.Edits.Contrast = 300;
  std::string akarusa;
  std::string contrast;
  d.ui.akarusa_form = [&](AkarusaModel& model) {
    akarusa = model.AkarusaText();
    contrast = model.ContrastLabelText();
    EXPECT_EQ(model.Brightness(), 12);
    EXPECT_EQ(model.Contrast(), 300);
    model.SetBrightness(-256);
    EXPECT_EQ(model.AkarusaText(), "-256→");
    model.SetBrightness(12);
    EXPECT_EQ(model.AkarusaText(), " +12→");
    model.SetContrast(1024);
    EXPECT_EQ(model.ContrastLabelText(), "1024→");
    return false;
  };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(akarusa, "  12→");
  EXPECT_EQ(contrast, " 300→");
}

TEST(AkarusaForm, PreviewsInThreeHundredTwentyByTwoHundredFortyWithoutTouchingTheView) {
  Dialog d(SolidImage(240, 160, kGrey));
  const TDibImage shown = d.state.ViewPicture;
  d.ui.akarusa_form = [&](AkarusaModel& model) {
    EXPECT_TRUE(d.state.AdjustPreviewActive);
    EXPECT_EQ(d.state.view.ViewWidth, 320);
    EXPECT_EQ(d.state.view.ViewHeight, 240);
    EXPECT_EQ(model.Preview().Width(), 320);
    EXPECT_EQ(model.Preview().Height(), 240);
    // 240 x 160 is smaller than the preview: shown at 100 %, centred.
    EXPECT_EQ(d.state.view.ZoomPercent, 100);
    EXPECT_EQ(PixelAt(model.Preview(), 160, 120), kGrey);
    EXPECT_EQ(PixelAt(model.Preview(), 10, 10), Rgb{});
    model.SetBrightness(20);
    EXPECT_EQ(PixelAt(model.Preview(), 160, 120), (Rgb{140, 110, 80}));
    EXPECT_EQ(d.state.view.WorkImage.Width(), 320);
    return false;
  };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(d.ui.akarusa_forms, 1);
  EXPECT_TRUE(SamePixels(d.state.ViewPicture, shown));
  EXPECT_EQ(d.ui.Text(Ctl::SizeLbl), "240x160");  // the preview leaves the labels alone
}

TEST(AkarusaForm, CancelLeavesTheValuesAndTheUnsavedFlagAndRendersAgain) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.current.Edits.Brightness = -40;
  d.state.current.Edits.Contrast = 200;
  RenderView(d.state, d.ui, false);
  const TDibImage shown = d.state.ViewPicture;
  d.ui.repaints.clear();
  d.ui.akarusa_form = [](AkarusaModel& model) {
    model.SetBrightness(90);
    model.SetContrast(700);
    return false;
  };
  EXPECT_FALSE(AkarusaCommand(d.state, d.ui, CommandSource::Menu));
  EXPECT_EQ(d.state.current.Edits.Brightness, -40);
  EXPECT_EQ(d.state.current.Edits.Contrast, 200);
  EXPECT_FALSE(d.state.EditsDirty);
  EXPECT_EQ(d.ui.repaints.back(), Picture::ViewImg);
  EXPECT_TRUE(SamePixels(d.state.ViewPicture, shown));
  EXPECT_EQ(d.ui.busy_depth, 0);
}

TEST(AkarusaForm, ConfirmGivesThePhotoTheValuesMarksThemUnsavedAndRendersAgain) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.ui.akarusa_form = [](AkarusaModel& model) {
    model.SetBrightness(30);
    model.SetContrast(256);
    return true;
  };
  EXPECT_TRUE(AkarusaCommand(d.state, d.ui, CommandSource::Button));
  EXPECT_EQ(d.state.current.Edits.Brightness, 30);
  EXPECT_EQ(d.state.current.Edits.Contrast, 256);
  EXPECT_TRUE(d.state.EditsDirty);
  EXPECT_EQ(d.ui.repaints.back(), Picture::ViewImg);
  EXPECT_EQ(PixelAt(d.state.ViewPicture, 32, 24), (Rgb{150, 120, 90}));
}

TEST(AkarusaForm, GivesTheViewItsStateBackAndTheScratchImagesTheirSize) {
  Dialog d(SolidImage(240, 160, kGrey));
  SetZoomValue(d.state, 200);
  RenderZoom(d.state, d.ui, false);
  const ViewState before = d.state.view;
  const PhotoEdits edits = d.state.current.Edits;
  d.ui.akarusa_form = [](AkarusaModel&) { return true; };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  const ViewState& v = d.state.view;
  EXPECT_FALSE(d.state.AdjustPreviewActive);
  EXPECT_EQ(v.ViewWidth, 64);
  EXPECT_EQ(v.ViewHeight, 48);
  EXPECT_DOUBLE_EQ(v.ViewScale, before.ViewScale);
  EXPECT_EQ(v.ZoomPercent, 200);
  EXPECT_EQ(v.ScrollX, before.ScrollX);
  EXPECT_EQ(d.state.current.Edits.ZoomCentreX, edits.ZoomCentreX);
  EXPECT_EQ(d.state.current.Edits.ZoomCentreY, edits.ZoomCentreY);
  EXPECT_TRUE(d.state.current.Edits.ZoomMode);
  EXPECT_EQ(v.WorkImage.Width(), 1);
  EXPECT_EQ(v.WorkImage.Height(), 1);
  EXPECT_EQ(v.SharpenMask.Width(), 1);
  EXPECT_EQ(d.ui.Text(Ctl::JoutaiLbl), "【ズームモード】");
}

TEST(AkarusaForm, KeepsTheZoomedPhotosSizeRelativeToTheView) {
  // 240 x 160 at 200 % is 7.5 widths of a 64-pixel view; in the preview
  // that is 2400 pixels, 1000 %.
  Dialog d(SolidImage(240, 160, kGrey));
  SetZoomValue(d.state, 200);
  RenderZoom(d.state, d.ui, false);
  std::int32_t preview_zoom = 0;
  std::int32_t preview_zoom_width = 0;
  d.ui.akarusa_form = [&](AkarusaModel&) {
    preview_zoom = d.state.view.ZoomPercent;
    preview_zoom_width = d.state.view.ZoomWidth;
    return false;
  };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(preview_zoom, 1000);
  EXPECT_EQ(preview_zoom_width, 2400);
}

TEST(AkarusaForm, KeepsTheZoomValueWhenTheRelativeSizeWouldBeTooLarge) {
  // 2000 x 1250 at 100 % in a 64-pixel view would be 500 % in the preview:
  // 62,500,000 pixels, beyond the limit.
  Dialog d(SolidImage(2000, 1250, kGrey));
  SetZoomValue(d.state, 100);
  RenderZoom(d.state, d.ui, false);
  std::int32_t preview_zoom = 0;
  d.ui.akarusa_form = [&](AkarusaModel&) {
    preview_zoom = d.state.view.ZoomPercent;
    return false;
  };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(preview_zoom, 100);
}

class AkarusaPreviewMatch : public ::testing::TestWithParam<std::int32_t> {};

// The preview adjusts the unadjusted render; the main view adjusts while it
// samples. Without sharpening (which the preview runs before adjusting) the
// two agree pixel for pixel.
TEST_P(AkarusaPreviewMatch, ThePreviewEqualsTheRenderWithTheSameValues) {
  const std::int32_t effect = GetParam();
  const TDibImage photo = SpeckledPhoto(640, 480);
  ViewFixture rendered(photo, kPreviewWidth, kPreviewHeight);
  rendered.state.settings.GlobalEffect = effect;
  rendered.state.current.Edits.Brightness = 40;
  rendered.state.current.Edits.Contrast = 330;
  RenderView(rendered.state, rendered.ui, false);

  Dialog d(photo, 200, 150);
  d.state.settings.GlobalEffect = effect;
  bool same = false;
  d.ui.akarusa_form = [&](AkarusaModel& model) {
    model.SetBrightness(40);
    model.SetContrast(330);
    same = SamePixels(model.Preview(), rendered.state.ViewPicture);
    return false;
  };
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_TRUE(same);
}

INSTANTIATE_TEST_SUITE_P(Effects, AkarusaPreviewMatch, ::testing::Values(0, 1, 2, 3));

TEST(AkarusaForm, ExplainsItselfWithoutAPhoto) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.current.Name.clear();
  const Lines rest = {"明るさ・コントラストを調整したいときに使います。",
                      "調整後、「Lumetta専用形式（.lum）」で保存しますと",
                      "元画像を変更することなく、小さなファイルで保存できます。"};
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  Lines menu = {"このメニューは、現在表示されている写真の"};
  menu.insert(menu.end(), rest.begin(), rest.end());
  EXPECT_EQ(d.ui.LastLines(), menu);
  AkarusaCommand(d.state, d.ui, CommandSource::Button);
  Lines button = {"「明るさ」ボタンは、現在表示されている写真の"};
  button.insert(button.end(), rest.begin(), rest.end());
  EXPECT_EQ(d.ui.LastLines(), button);
  EXPECT_EQ(d.ui.akarusa_forms, 0);
}

TEST(AkarusaForm, IsRefusedInPanoramaMode) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.PanoramaMode = PanoramaKind::Pair;
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(d.ui.LastLines(), (Lines{"現在パノラマモードになっていますので", "画像の編集はできません。",
                                     "編集したい写真をダブルクリックしたのち", "編集をおこなってください。"}));
  EXPECT_EQ(d.ui.akarusa_forms, 0);
}

TEST(AkarusaForm, DoesNothingWhileTheProgramIsBusy) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.UiReady = false;
  AkarusaCommand(d.state, d.ui, CommandSource::Menu);
  EXPECT_EQ(d.ui.akarusa_forms, 0);
  EXPECT_TRUE(d.ui.boxes.empty());
}

TEST(AkarusaForm, ARenderFailureLeavesTheViewItsSizeAndTarget) {
  Dialog d(SolidImage(240, 160, kGrey));
  d.state.DecodedPhoto.SetBitCount(8);  // the renderer refuses it
  EXPECT_THROW(AkarusaCommand(d.state, d.ui, CommandSource::Menu), EDibBadDIBType);
  EXPECT_FALSE(d.state.AdjustPreviewActive);
  EXPECT_EQ(d.state.view.ViewWidth, 64);
  EXPECT_EQ(d.state.view.ViewHeight, 48);
  EXPECT_EQ(d.ui.akarusa_forms, 0);
  EXPECT_EQ(d.ui.busy_depth, 0);
}

}  // namespace
}  // namespace lumetta
