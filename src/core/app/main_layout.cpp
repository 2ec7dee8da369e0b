#include "core/app/main_layout.h"

#include <cmath>

#include "core/library/slot_labels.h"
#include "core/library/sort_commands.h"
#include "core/state/busy.h"
#include "core/state/settings_file.h"
#include "core/view/view_geometry.h"
#include "core/view/histogram_commands.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"
#include "core/view/window_layouts.h"

namespace lumetta {

namespace {

constexpr const char* kHenshuHint =
    "写真を表示すると、ここに表示倍率（原寸大サイズに対する倍率）がヒント表示されます。";

Ctl SizeMenuOf(std::uint8_t size_mode) {
  switch (size_mode) {
    case kSize480Mode: return Ctl::Size480Menu;
    case kSize640Mode: return Ctl::Size640Menu;
    case kSize1024Mode: return Ctl::Size1024Menu;
    case kSize800Mode: return Ctl::Size800Menu;
    default: return IsCustomSizeMode(size_mode) ? Ctl::SizeNiniMenu : Ctl::Size800Menu;
  }
}

void PrepareLabels(WindowLayoutKind layout, UserInterface& ui) {
  if (CompactLabelsLayout(layout)) {
    ui.SetText(Ctl::GashitsuModeSLbl, "");
    ui.SetVisible(Ctl::GashitsuModeSLbl, true);
    return;
  }
  ui.SetText(Ctl::GashitsuModeLbl, "");
  ui.SetText(Ctl::KoukaLbl, "");
  ui.SetText(Ctl::SharpLbl, "");
  ui.SetVisible(Ctl::GashitsuModeSLbl, false);
  if (layout != WindowLayoutKind::L480) {
    ui.SetText(Ctl::JoutaiLbl, "【写真未表示】");
    ui.SetText(Ctl::RitsuLbl, "   %");
  }
}

void FillGrey(TDibImage& image, std::int32_t width, std::int32_t height) {
  image.SetBitCount(24);
  image.SetSize(width, -height);
  image.Fill(128, 128, 128);
}

}  // namespace

RelayoutPlan BeginRelayout(AppState& state, UserInterface& ui) {
  RelayoutPlan plan;
  ViewState& v = state.view;
  if (state.current.Edits.ZoomMode && v.ViewScale > 0 && v.ViewWidth > 0) {
    plan.ZoomRatio = v.ShownWidth / v.ViewScale / v.ViewWidth;
  }
  ui.SetHint(Ctl::HenshuLbl, kHenshuHint);
  plan.Size = SizeChoiceOf(state.settings);
  v.ViewWidth = plan.Size.ViewWidth;
  v.ViewHeight = plan.Size.ViewHeight;
  ui.SetText(Ctl::SizeNiniMenu, SizeNiniCaption(state.settings));
  PrepareLabels(plan.Size.Layout, ui);
  return plan;
}

void FinishRelayout(AppState& state, UserInterface& ui, const RelayoutPlan& plan) {
  ViewState& v = state.view;
  FillGrey(state.ViewPicture, v.ViewWidth, v.ViewHeight);
  ui.RepaintPicture(Picture::ViewImg);
  if (!state.FirstRun) {
    CallHook(v.hooks.HideComments);
    CallHook(v.hooks.ClearHistogram);
  }
  FillGrey(v.ViewImage, v.ViewWidth, v.ViewHeight);

  RefreshSlotLabels(state, ui);
  UpdateModeLabels(state, ui);
  ShowSortDirection(state, ui);
  ui.ProcessPendingPaints();

  if (!state.PhotoShown()) return;
  const BusyCursor busy(ui);
  const bool panorama = state.InPanorama();
  if (state.current.Edits.ZoomMode) {
    if (const auto kept = ZoomForWidthShare(v.ShownWidth, v.ShownHeight, v.ViewWidth, plan.ZoomRatio)) {
      v.ViewScale = kept->scale;
      v.ZoomPercent = kept->zoom_percent;
    }
    RenderZoom(state, ui, panorama);
  } else {
    RenderView(state, ui, panorama);
  }
  CallHook(v.hooks.RedrawComments);
  if (HighQualityMode(state) && state.settings.HistogramAuto != 0 && !panorama) {
    CallHook(v.hooks.ShowHistogram);
  } else {
    CallHook(v.hooks.ClearHistogram);
  }
}

void CheckSizeMenu(const AppState& state, UserInterface& ui) {
  ui.SetChecked(SizeMenuOf(state.settings.SizeMode), true);
  ui.SetText(Ctl::SizeNiniMenu, SizeNiniCaption(state.settings));
}

bool ChooseSizeMode(AppState& state, UserInterface& ui, std::uint8_t size_mode) {
  ui.ProcessPendingPaints();
  if (!state.UiReady) return false;
  ui.SetChecked(SizeMenuOf(size_mode), true);
  state.settings.SizeMode = size_mode;
  WriteSettingsFile(state, ui);
  return true;
}

bool ChooseCustomSize(AppState& state, UserInterface& ui, std::uint8_t size_mode, std::int32_t width,
                      std::int32_t height) {
  if (!state.UiReady) return false;
  state.settings.SizeMode = size_mode;
  state.settings.CustomWidth = width;
  state.settings.CustomHeight = height;
  RepairSizeSettings(state.settings);
  ui.SetChecked(SizeMenuOf(state.settings.SizeMode), true);
  WriteSettingsFile(state, ui);
  return true;
}

}  // namespace lumetta
