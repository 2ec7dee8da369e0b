#include "core/view/view_render.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/base/rounding.h"
#include "core/imaging/sharpen.h"
#include "core/imaging/stretch.h"
#include "core/library/photo_sort.h"
#include "core/view/view_geometry.h"

namespace lumetta {

std::int32_t CurrentEffect(const AppState& state) {
  const std::int32_t own = state.current.Edits.Effect;
  return own != 0 ? own : state.settings.GlobalEffect;
}

std::int32_t CurrentSharpness(const AppState& state) {
  const std::int32_t own = state.current.Edits.Sharpness;
  return own != 0 ? own : state.settings.GlobalSharpness;
}

bool HighQualityMode(const AppState& state) {
  return state.settings.QualityMode == QualityModeKind::HighQuality;
}

TDibImage& RenderTarget(AppState& state) {
  if (state.SlideShowActive) return state.SlidePicture;
  if (state.FullScreenActive) return state.FullPicture;
  if (state.AdjustPreviewActive) return state.PreviewPicture;
  return state.ViewPicture;
}

Picture RenderTargetPicture(const AppState& state) {
  if (state.SlideShowActive) return Picture::SlideImg;
  if (state.FullScreenActive) return Picture::FullImg;
  if (state.AdjustPreviewActive) return Picture::PreviewImg;
  return Picture::ViewImg;
}

namespace {

// The brightness preview adjusts its picture itself, so the render under it
// applies neither the photo's values nor a colour effect.
std::int32_t RenderEffect(const AppState& state) {
  return state.AdjustPreviewActive ? kEffectNormal : CurrentEffect(state);
}

bool PhotoAdjusted(const AppState& state) {
  const PhotoEdits& e = state.current.Edits;
  return (e.Brightness != 0 || e.Contrast != 256) && !state.AdjustPreviewActive;
}

}  // namespace

QualityTreatment QualityTreatmentOf(const AppState& state) {
  QualityTreatment t;
  t.effect = RenderEffect(state);
  t.on = PhotoAdjusted(state) || t.effect != kEffectNormal;
  // While the brightness dialog previews, nothing is adjusted here.
  if (t.on) t.values = AdjustValuesOf(state.current.Edits.Brightness, state.current.Edits.Contrast, t.effect);
  return t;
}

SpeedTreatment SpeedTreatmentOf(const AppState& state) {
  SpeedTreatment t;
  t.on = PhotoAdjusted(state);
  if (t.on) {
    t.values = AdjustValuesOf(state.current.Edits.Brightness, state.current.Edits.Contrast, RenderEffect(state),
                              AdjustRule::HighSpeed);
  }
  return t;
}

void SetZoomValue(AppState& state, std::int32_t zoom_percent) {
  state.view.ZoomPercent = zoom_percent;
  state.view.ViewScale = ZoomScaleOf(zoom_percent);
}

namespace {

const TDibImage& Photo(const AppState& state) {
  if (state.DecodedPhoto.BitCount() != 24) throw EDibBadDIBType("RenderView: Bad DIB Type");
  return state.DecodedPhoto;
}

// ShownWidth, ShownHeight and SizeLbl.
void TakeShownSize(AppState& state, UserInterface& ui) {
  const TDibImage& photo = Photo(state);
  const ShownSize shown = ShownSizeOf(photo.Width(), photo.Height(), state.current.Edits.Rotation);
  state.view.ShownWidth = shown.width;
  state.view.ShownHeight = shown.height;
  if (!state.SlideShowActive && !state.AdjustPreviewActive && !state.InPanorama()) {
    ui.SetText(Ctl::SizeLbl, SizeText(shown.width, shown.height));
  }
}

void FillAreaBlack(AppState& state, TDibImage& target) {
  const ViewState& v = state.view;
  target.FillRect(v.PaneLeft, v.PaneTop, v.PaneLeft + v.ViewWidth, v.PaneTop + v.ViewHeight, 0, 0, 0);
}

// Copies the whole of an image onto the target at (left, top).
void CopyOnto(const TDibImage& source, TDibImage& target, std::int32_t left, std::int32_t top) {
  StretchNearest(source, StretchRect{0, 0, source.Width(), source.Height()}, target,
                 StretchRect{left, top, source.Width(), source.Height()});
}

void Histogram(AppState& state) {
  if (state.SlideShowActive) return;
  if (HighQualityMode(state) && state.settings.HistogramAuto != 0 && !state.InPanorama()) {
    CallHook(state.view.hooks.ShowHistogram);
  } else {
    CallHook(state.view.hooks.ClearHistogram);
  }
}

// A fresh ViewImage with the rows above and the columns left of the photo
// black; the sampling fills in the rest.
void PrepareViewImage(ViewState& v) {
  SizeImage24(v.ViewImage, v.ViewWidth, v.ViewHeight);
  v.ViewImage.FillRect(0, 0, v.ViewWidth, v.PhotoTop, 0, 0, 0);
  v.ViewImage.FillRect(0, 0, v.PhotoLeft, v.ViewHeight, 0, 0, 0);
}

void ComposeQualityView(AppState& state) {
  ViewState& v = state.view;
  PrepareViewImage(v);
  const double s = v.ViewScale;
  BoxGrid grid;
  if (s > 1 && s < 2) {
    grid.doubled = true;
    grid.step = 2 * s;
    grid.box = static_cast<std::int32_t>(std::ceil(2 * s));
    grid.crop_x = 2 * v.CropLeft;
    grid.crop_y = 2 * v.CropTop;
  } else {
    grid.step = s;
    grid.box = v.BoxSize;
    grid.crop_x = v.CropLeft;
    grid.crop_y = v.CropTop;
  }
  BoxSample(ShownPhoto{&Photo(state), state.current.Edits.Rotation}, grid, QualityTreatmentOf(state), v.ViewImage,
            v.PhotoLeft, v.PhotoTop, v.ViewWidth - v.PhotoLeft, v.ViewHeight - v.PhotoTop);
}

void DrawSpeedView(AppState& state, TDibImage& target) {
  ViewState& v = state.view;
  const TDibImage& photo = Photo(state);
  const SpeedTreatment treatment = SpeedTreatmentOf(state);
  if (state.current.Edits.Rotation == 0) {
    // The whole photo goes to the photo's rectangle, crop or not: in fill
    // mode it is stretched to the view's shape.
    FillAreaBlack(state, target);
    const StretchRect to{v.PaneLeft + v.PhotoLeft, v.PaneTop + v.PhotoTop, v.ViewWidth - 2 * v.PhotoLeft,
                         v.ViewHeight - 2 * v.PhotoTop};
    StretchNearest(photo, StretchRect{0, 0, photo.Width(), photo.Height()}, target, to);
    AdjustRectSpeed(target, to.left, to.top, to.width, to.height, treatment);
    return;
  }
  PrepareViewImage(v);
  const double s = v.ViewScale;
  std::vector<std::int32_t> xs(static_cast<std::size_t>(v.ViewWidth - v.PhotoLeft));
  std::vector<std::int32_t> ys(static_cast<std::size_t>(v.ViewHeight - v.PhotoTop));
  for (std::size_t t = 0; t < xs.size(); ++t) {
    const std::int32_t x = R(static_cast<double>(t) * s) + v.CropLeft;
    xs[t] = x < v.ShownWidth ? x : -1;
  }
  for (std::size_t m = 0; m < ys.size(); ++m) {
    const std::int32_t y = R(static_cast<double>(m) * s) + v.CropTop;
    ys[m] = y < v.ShownHeight ? y : -1;
  }
  NearestSample(ShownPhoto{&photo, state.current.Edits.Rotation}, xs, ys, treatment, v.ViewImage, v.PhotoLeft,
                v.PhotoTop);
  CopyOnto(v.ViewImage, target, v.PaneLeft, v.PaneTop);
}

// Panes other than the first leave the texts to the first.
bool StatusPane(const AppState& state) {
  return !state.InPanorama() || (state.view.PaneLeft == 0 && state.view.PaneTop == 0);
}

void ShowRenderStatus(AppState& state, UserInterface& ui, bool zoom) {
  if (!StatusPane(state)) return;
  const bool panorama = state.InPanorama();
  const bool quiet = state.SlideShowActive || state.AdjustPreviewActive;
  if (!quiet) {
    if (panorama) {
      ui.SetText(Ctl::RitsuLbl, "   %");
      ui.SetHint(Ctl::HenshuLbl, "現在、パノラマ表示モードになっています。『Ｎ』キーで解除ができます。");
    } else {
      ui.SetText(Ctl::RitsuLbl, RitsuText(state.view.ZoomPercent));
      ui.SetHint(Ctl::HenshuLbl, ZoomHintText(state.view.ZoomPercent));
    }
  }
  if (!state.FullScreenActive && !state.AdjustPreviewActive) {
    if (state.SlideShowActive) {
      ui.SetCaption("Lumetta（スライドショーMode）");
      ui.SetText(Ctl::JoutaiLbl, "【スライドショー】");
    } else {
      ui.SetCaption("Lumetta");
      if (panorama) {
        ui.SetText(Ctl::JoutaiLbl, "【パノラマモード】");
        ui.SetText(Ctl::SizeLbl, "");
      } else {
        ui.SetText(Ctl::JoutaiLbl, zoom ? "【ズームモード】" : "【全体を表示中】");
      }
    }
  }
  if (!quiet) {
    ui.SetEnabled(Ctl::ZoomDownBtn, !panorama);
    ui.SetEnabled(Ctl::ZoomUpBtn, !panorama);
    ui.SetEnabled(Ctl::ZoomKaijoBtn, panorama || zoom);
  }
  if (!panorama) ui.SetViewCursor(zoom ? CursorKind::SizeAll : CursorKind::Default);
}

// The enlarged image is held at ZoomWidth div d x ZoomHeight div d, which is
// what ShowZoomWindow copies from. The doublings and the stretch give that
// size for the zoom values the commands reach; any other value (a relayout,
// a restored edit file, a turn with the redo flag) is brought to that size
// here so that the window shows the zoom asked for and never reads past the
// image.
void MatchHeldSize(AppState& state) {
  ViewState& v = state.view;
  const std::int32_t d = ZoomImageDivisor(v.ZoomPercent, v.ShownWidth, v.ShownHeight);
  const std::int32_t held_w = v.ZoomWidth / d;
  const std::int32_t held_h = v.ZoomHeight / d;
  if (v.ZoomImage.Width() == held_w && v.ZoomImage.Height() == held_h) return;
  SizeImage24(v.WorkImage, held_w, held_h);
  StretchNearest(v.ZoomImage, StretchRect{0, 0, v.ZoomImage.Width(), v.ZoomImage.Height()}, v.WorkImage,
                 StretchRect{0, 0, held_w, held_h});
  v.ZoomImage.Assign(v.WorkImage);
  SizeImage24(v.WorkImage, 1, 1);
}

void BuildQualityZoom(AppState& state) {
  ViewState& v = state.view;
  const ShownPhoto shown{&Photo(state), state.current.Edits.Rotation};
  const QualityTreatment treatment = QualityTreatmentOf(state);
  const double s = v.ViewScale;
  if (s >= 1) {
    BoxGrid grid;
    if (s > 1 && s < 2) {
      grid.doubled = true;
      grid.step = 2 * s;
      grid.box = static_cast<std::int32_t>(std::ceil(2 * s));
    } else {
      grid.step = s;
      grid.box = static_cast<std::int32_t>(std::ceil(s));
    }
    SizeImage24(v.ZoomImage, v.ZoomWidth, v.ZoomHeight);
    BoxSample(shown, grid, treatment, v.ZoomImage, 0, 0, v.ZoomWidth, v.ZoomHeight);
    return;
  }
  DiagonalDouble(shown, treatment, v.ZoomImage);
  const bool small = std::int64_t{v.ShownWidth} * v.ShownHeight <= LargePhotoPixels;
  if ((s < 0.5 && small) || (s < 0.25 && v.Redo)) {
    v.WorkImage.Assign(v.ZoomImage);
    DiagonalDouble(ShownPhoto{&v.WorkImage, 0}, QualityTreatment{}, v.ZoomImage);
    SizeImage24(v.WorkImage, 1, 1);
  }
  if (s != 0.5 && s > 0.25) {
    SizeImage24(v.WorkImage, v.ZoomWidth, v.ZoomHeight);
    StretchNearest(v.ZoomImage, StretchRect{0, 0, v.ZoomImage.Width(), v.ZoomImage.Height()}, v.WorkImage,
                   StretchRect{0, 0, v.ZoomWidth, v.ZoomHeight});
    v.ZoomImage.Assign(v.WorkImage);
    SizeImage24(v.WorkImage, 1, 1);
  }
  MatchHeldSize(state);
}

void BuildSpeedZoom(AppState& state) {
  ViewState& v = state.view;
  const TDibImage& photo = Photo(state);
  const SpeedTreatment treatment = SpeedTreatmentOf(state);
  const std::int32_t d = ZoomImageDivisor(v.ZoomPercent, v.ShownWidth, v.ShownHeight);
  const std::int32_t wz = v.ZoomWidth / d;
  const std::int32_t hz = v.ZoomHeight / d;
  SizeImage24(v.ZoomImage, wz, hz);
  if (state.current.Edits.Rotation != 0) {
    // The zoom-sized image that the reduced one is stretched from is never
    // built: each reduced pixel reads the zoom pixel it would have taken.
    const double s = v.ViewScale;
    std::vector<std::int32_t> xs(static_cast<std::size_t>(wz));
    std::vector<std::int32_t> ys(static_cast<std::size_t>(hz));
    for (std::int32_t u = 0; u < wz; ++u) {
      const std::int32_t x = R(StretchSourceIndex(u, v.ZoomWidth, wz) * s);
      xs[static_cast<std::size_t>(u)] = x < v.ShownWidth ? x : -1;
    }
    for (std::int32_t o = 0; o < hz; ++o) {
      const std::int32_t y = R(StretchSourceIndex(o, v.ZoomHeight, hz) * s);
      ys[static_cast<std::size_t>(o)] = y < v.ShownHeight ? y : -1;
    }
    NearestSample(ShownPhoto{&photo, state.current.Edits.Rotation}, xs, ys, treatment, v.ZoomImage, 0, 0);
  } else {
    StretchNearest(photo, StretchRect{0, 0, photo.Width(), photo.Height()}, v.ZoomImage,
                   StretchRect{0, 0, wz, hz});
    AdjustRectSpeed(v.ZoomImage, 0, 0, wz, hz, treatment);
  }
  CallHook(state.view.hooks.ClearHistogram);
}

}  // namespace

void RenderView(AppState& state, UserInterface& ui, bool panorama) {
  if (panorama) {
    CallHook(state.hooks.ShowPhoto, 0, SortStep(state));
    return;
  }
  if (state.CurrentUnreadable) return;
  ViewState& v = state.view;
  PhotoEdits& edits = state.current.Edits;
  TakeShownSize(state, ui);
  const FitGeometry g = ComputeFitGeometry(v.ShownWidth, v.ShownHeight, v.ViewWidth, v.ViewHeight, v.FillView);
  v.ViewScale = g.scale;
  v.BoxSize = g.box_size;
  v.ZoomPercent = g.zoom_percent;
  v.PhotoLeft = g.photo_left;
  v.PhotoTop = g.photo_top;
  v.CropLeft = g.crop_left;
  v.CropTop = g.crop_top;
  edits.ZoomMode = false;
  edits.ZoomCentreX = -1;
  edits.ZoomCentreY = -1;

  TDibImage& target = RenderTarget(state);
  if (HighQualityMode(state)) {
    ComposeQualityView(state);
    CopyOnto(v.ViewImage, target, v.PaneLeft, v.PaneTop);
    SharpenView(state);
    Histogram(state);
  } else {
    DrawSpeedView(state, target);
    CallHook(state.view.hooks.ClearHistogram);
  }
  ShowRenderStatus(state, ui, false);
  ui.RepaintPicture(RenderTargetPicture(state));
}

void RenderZoom(AppState& state, UserInterface& ui, bool panorama) {
  if (panorama) {
    CallHook(state.hooks.ShowPhoto, 0, SortStep(state));
    return;
  }
  if (state.CurrentUnreadable) return;
  ViewState& v = state.view;
  PhotoEdits& edits = state.current.Edits;
  TakeShownSize(state, ui);
  // A tiny photo zoomed far out still shows one pixel in each direction.
  const std::int64_t zoom_w = std::max<std::int64_t>(1, R64(v.ShownWidth / v.ViewScale));
  const std::int64_t zoom_h = std::max<std::int64_t>(1, R64(v.ShownHeight / v.ViewScale));
  // The zoom commands keep within MaxZoomPixels; a value from elsewhere far
  // beyond it is refused before anything is allocated.
  if (zoom_w * zoom_h > 2 * MaxZoomPixels) {
    throw EDibInvalidDIBPara("RenderZoom: zoom size beyond the limit");
  }
  v.ZoomWidth = static_cast<std::int32_t>(zoom_w);
  v.ZoomHeight = static_cast<std::int32_t>(zoom_h);

  if (HighQualityMode(state)) {
    BuildQualityZoom(state);
  } else {
    BuildSpeedZoom(state);
  }

  edits.ZoomMode = true;
  if (edits.ZoomCentreX == -1) {
    v.ScrollX = v.ZoomWidth / 2 - v.ViewWidth / 2;
    v.ScrollY = v.ZoomHeight / 2 - v.ViewHeight / 2;
  } else {
    v.ScrollX = R(edits.ZoomCentreX / v.ViewScale) - v.ViewWidth / 2;
    v.ScrollY = R(edits.ZoomCentreY / v.ViewScale) - v.ViewHeight / 2;
  }
  v.PhotoLeft = 0;
  v.PhotoTop = 0;
  v.CropLeft = 0;
  v.CropTop = 0;
  ShowZoomWindow(state, ui, true);
  v.Redo = false;
  ShowRenderStatus(state, ui, true);
}

void ShowZoomWindow(AppState& state, UserInterface& ui, bool finish) {
  ViewState& v = state.view;
  PhotoEdits& edits = state.current.Edits;
  TDibImage& target = RenderTarget(state);
  if (v.ZoomWidth < v.ViewWidth || v.ZoomHeight < v.ViewHeight) FillAreaBlack(state, target);
  v.ScrollX = std::max(std::min(v.ScrollX, v.ZoomWidth - v.ViewWidth), 0);
  v.ScrollY = std::max(std::min(v.ScrollY, v.ZoomHeight - v.ViewHeight), 0);
  const std::int32_t ox = v.ZoomWidth < v.ViewWidth ? v.ViewWidth / 2 - v.ZoomWidth / 2 : 0;
  const std::int32_t oy = v.ZoomHeight < v.ViewHeight ? v.ViewHeight / 2 - v.ZoomHeight / 2 : 0;
  const std::int32_t d = ZoomImageDivisor(v.ZoomPercent, v.ShownWidth, v.ShownHeight);
  const StretchRect to{v.PaneLeft + ox, v.PaneTop + oy, v.ViewWidth, v.ViewHeight};
  if (d == 1) {
    StretchNearest(v.ZoomImage, StretchRect{v.ScrollX, v.ScrollY, v.ViewWidth, v.ViewHeight}, target, to);
  } else {
    StretchNearest(v.ZoomImage, StretchRect{v.ScrollX / d, v.ScrollY / d, v.ViewWidth / d, v.ViewHeight / d},
                   target, to);
  }
  if (finish && HighQualityMode(state)) {
    SharpenView(state);
    Histogram(state);
  }
  if (!state.SlideShowActive && !state.AdjustPreviewActive) ui.RepaintPicture(RenderTargetPicture(state));
  edits.ZoomCentreX =
      v.ZoomWidth < v.ViewWidth ? v.ShownWidth / 2 : R((v.ViewWidth / 2 + v.ScrollX) * v.ViewScale);
  edits.ZoomCentreY =
      v.ZoomHeight < v.ViewHeight ? v.ShownHeight / 2 : R((v.ViewHeight / 2 + v.ScrollY) * v.ViewScale);
}

void SharpenView(AppState& state) {
  if (!HighQualityMode(state)) return;
  const ViewState& v = state.view;
  SharpenRegion(RenderTarget(state), v.PaneLeft, v.PaneTop, v.ViewWidth, v.ViewHeight, CurrentSharpness(state));
}

void RenderAgain(AppState& state, UserInterface& ui) {
  const bool panorama = state.InPanorama();
  if (state.current.Edits.ZoomMode) {
    RenderZoom(state, ui, panorama);
  } else {
    RenderView(state, ui, panorama);
  }
}

void SharpenChange(AppState& state, UserInterface& ui, std::int32_t old_sharpness, std::int32_t old_global) {
  if (!state.PhotoShown()) return;
  if (old_sharpness == state.current.Edits.Sharpness && old_global == state.settings.GlobalSharpness) return;
  const BusyCursor busy(ui);
  const bool was_sharpened = old_sharpness > 0 || (old_sharpness == 0 && old_global > 0);
  if (was_sharpened || state.InPanorama()) {
    RenderAgain(state, ui);
  } else {
    SharpenView(state);
    ui.RepaintPicture(RenderTargetPicture(state));
  }
}

}  // namespace lumetta
