#include "core/view/akarusa_model.h"

#include <algorithm>
#include <vector>

#include "core/base/rounding.h"
#include "core/imaging/adjust_preview.h"
#include "core/imaging/resample.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

// The labels are four characters wide, right-aligned, then the arrow.
std::string LastFourThenArrow(const std::string& text) {
  return text.substr(text.size() > 4 ? text.size() - 4 : 0) + "→";
}

}  // namespace

std::string BrightnessOpenText(std::int32_t brightness) {
  return LastFourThenArrow("   " + std::to_string(brightness));
}

std::string BrightnessMovedText(std::int32_t brightness) {
  return LastFourThenArrow(std::string("  ") + (brightness > 0 ? "+" : " ") + std::to_string(brightness));
}

std::string ContrastText(std::int32_t contrast) { return LastFourThenArrow("   " + std::to_string(contrast)); }

AkarusaModel::AkarusaModel(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {}

AkarusaModel::~AkarusaModel() {
  if (open_) RestoreView();
}

void AkarusaModel::Open() {
  ViewState& v = state_.view;
  PhotoEdits& e = state_.current.Edits;
  brightness_ = e.Brightness;
  contrast_ = e.Contrast;
  akarusa_text_ = BrightnessOpenText(brightness_);
  contrast_text_ = ContrastText(contrast_);

  saved_width_ = v.ViewWidth;
  saved_height_ = v.ViewHeight;
  saved_scale_ = v.ViewScale;
  saved_zoom_ = v.ZoomPercent;
  saved_centre_x_ = e.ZoomCentreX;
  saved_centre_y_ = e.ZoomCentreY;
  open_ = true;
  state_.AdjustPreviewActive = true;
  v.ViewWidth = kPreviewWidth;
  v.ViewHeight = kPreviewHeight;
  SizeImage24(state_.PreviewPicture, kPreviewWidth, kPreviewHeight);
  state_.PreviewPicture.Fill(128, 128, 128);
  ui_.RepaintPicture(Picture::PreviewImg);

  {
    const BusyCursor busy(ui_);
    if (e.ZoomMode) {
      // The zoomed photo keeps its width relative to the view, so the
      // preview shows the same detail as the main view, only smaller.
      const double ratio = (v.ShownWidth / v.ViewScale) / saved_width_;
      const double scale = v.ShownWidth / (kPreviewWidth * ratio);
      const std::int32_t zoom = R(100 / scale);
      if (ZoomWithinLimit(zoom, v.ShownWidth, v.ShownHeight)) {
        v.ViewScale = scale;
        v.ZoomPercent = zoom;
      }
      RenderZoom(state_, ui_, false);
    } else {
      RenderView(state_, ui_, false);
    }
  }

  v.WorkImage.Assign(state_.PreviewPicture);
  v.WorkImage.MakeUnique();
  UpdatePreview();
}

void AkarusaModel::SetBrightness(std::int32_t brightness) {
  brightness_ = std::clamp(brightness, kMinBrightness, kMaxBrightness);
  akarusa_text_ = BrightnessMovedText(brightness_);
  UpdatePreview();
}

void AkarusaModel::SetContrast(std::int32_t contrast) {
  contrast_ = std::clamp(contrast, kMinContrast, kMaxContrast);
  contrast_text_ = ContrastText(contrast_);
  UpdatePreview();
}

void AkarusaModel::UpdatePreview() {
  const std::int32_t effect = CurrentEffect(state_);
  AdjustPreview(state_.view.WorkImage, state_.PreviewPicture, AdjustValuesOf(brightness_, contrast_, effect),
                effect);
  ui_.RepaintPicture(Picture::PreviewImg);
}

void AkarusaModel::RestoreView() {
  ViewState& v = state_.view;
  PhotoEdits& e = state_.current.Edits;
  SizeImage24(v.WorkImage, 1, 1);
  SizeImage24(v.SharpenMask, 1, 1);
  v.ViewWidth = saved_width_;
  v.ViewHeight = saved_height_;
  v.ViewScale = saved_scale_;
  v.ZoomPercent = saved_zoom_;
  e.ZoomCentreX = saved_centre_x_;
  e.ZoomCentreY = saved_centre_y_;
  state_.AdjustPreviewActive = false;
  open_ = false;
}

void AkarusaModel::Close(bool confirmed) {
  if (!open_) return;
  RestoreView();
  if (confirmed) {
    state_.current.Edits.Brightness = brightness_;
    state_.current.Edits.Contrast = contrast_;
    state_.EditsDirty = true;
  }
  const BusyCursor busy(ui_);
  RenderAgain(state_, ui_);
}

bool AkarusaCommand(AppState& state, UserInterface& ui, CommandSource source) {
  if (!state.UiReady) return false;
  if (PanoramaEditGuard(state, ui)) return false;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({source == CommandSource::Button ? "「明るさ」ボタンは、現在表示されている写真の"
                                                       : "このメニューは、現在表示されている写真の",
                       "明るさ・コントラストを調整したいときに使います。",
                       "調整後、「Lumetta専用形式（.lum）」で保存しますと",
                       "元画像を変更することなく、小さなファイルで保存できます。"});
    return false;
  }
  AkarusaModel model(state, ui);
  model.Open();
  const bool confirmed = ui.RunAkarusaForm(model);
  model.Close(confirmed);
  return confirmed;
}

}  // namespace lumetta
