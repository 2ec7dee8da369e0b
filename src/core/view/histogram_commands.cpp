#include "core/view/histogram_commands.h"

#include "core/imaging/histogram.h"
#include "core/imaging/stretch.h"
#include "core/state/busy.h"
#include "core/state/settings_file.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

bool HistogramHidden(const AppState& state) { return state.FullScreenActive || state.AdjustPreviewActive; }

// ViewImage holds the composed view after a high-quality fitted render; in
// zoom mode and in the high-speed mode only the window shows the pixels.
void TakeDisplayedPixels(AppState& state) {
  ViewState& v = state.view;
  if (state.SlideShowActive) return;
  if (!state.current.Edits.ZoomMode && HighQualityMode(state)) return;
  v.ViewImage.SetBitCount(24);
  v.ViewImage.SetSize(v.ViewWidth, v.ViewHeight);
  v.ViewImage.Fill(0, 0, 0);
  StretchNearest(state.ViewPicture, StretchRect{0, 0, v.ViewWidth, v.ViewHeight}, v.ViewImage,
                 StretchRect{0, 0, v.ViewWidth, v.ViewHeight});
}

}  // namespace

void ShowHistogram(AppState& state, UserInterface& ui) {
  if (HistogramHidden(state)) return;
  TakeDisplayedPixels(state);
  const ViewState& v = state.view;
  std::int32_t x0 = v.PhotoLeft;
  std::int32_t y0 = v.PhotoTop;
  if (state.current.Edits.ZoomMode) {
    x0 = v.ZoomWidth < v.ViewWidth ? v.ViewWidth / 2 - v.ZoomWidth / 2 : 0;
    y0 = v.ZoomHeight < v.ViewHeight ? v.ViewHeight / 2 - v.ZoomHeight / 2 : 0;
  }
  const HistogramBins bins = CountBrightness(v.ViewImage, x0, y0, v.ViewWidth - x0 - 1, v.ViewHeight - y0 - 1);
  DrawHistogram(bins, state.HistogramPicture);
  ui.RepaintPicture(Picture::HistgramImg);
  state.HistogramShown = true;
}

void ClearHistogram(AppState& state, UserInterface& ui) {
  if (HistogramHidden(state)) return;
  state.HistogramPicture.SetBitCount(24);
  state.HistogramPicture.SetSize(kHistogramBins, kHistogramHeight);
  state.HistogramPicture.Fill(0, 0, 0);
  ui.RepaintPicture(Picture::HistgramImg);
  state.HistogramShown = false;
}

void InstallHistogram(AppState& state, UserInterface& ui) {
  DrawHistogramLegend(state.HistogramLegend);
  ui.RepaintPicture(Picture::HistgramImg2);
  state.HistogramPicture.SetBitCount(24);
  state.HistogramPicture.SetSize(kHistogramBins, kHistogramHeight);
  state.HistogramPicture.Fill(0, 0, 0);
  state.view.hooks.ShowHistogram = [&state, &ui] { ShowHistogram(state, ui); };
  state.view.hooks.ClearHistogram = [&state, &ui] { ClearHistogram(state, ui); };
}

void HistogramClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  if (!state.PhotoShown() || state.HistogramShown || state.InPanorama()) return;
  const BusyCursor busy(ui);
  ShowHistogram(state, ui);
}

void ShowHistogramMode(const AppState& state, UserInterface& ui) {
  ui.SetChecked(Ctl::HistgramAutoMenu, state.settings.HistogramAuto != 0);
  ui.SetChecked(Ctl::HistgramHandMenu, state.settings.HistogramAuto == 0);
}

void HistgramAutoMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.HistogramAuto = 1;
  ShowHistogramMode(state, ui);
  WriteSettingsFile(state, ui);
  if (!HighQualityMode(state)) {
    ui.ShowMessageBox({"現在、高速モードになっています。", "高速モードの際、ヒストグラム表示は",
                       "常に手動表示（クリックで表示）になります。"});
    return;
  }
  if (state.PhotoShown() && !state.HistogramShown) {
    const BusyCursor busy(ui);
    ShowHistogram(state, ui);
  }
}

void HistgramHandMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.HistogramAuto = 0;
  ShowHistogramMode(state, ui);
  WriteSettingsFile(state, ui);
}

}  // namespace lumetta
