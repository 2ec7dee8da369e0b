#include "core/state/busy.h"
#include "core/view/view_commands.h"

#include <vector>

#include "core/library/open_photo.h"
#include "core/state/settings_file.h"
#include "core/base/numbers.h"
#include "core/base/paths.h"
#include "core/base/rounding.h"
#include "core/library/photo_sort.h"
#include "core/view/quality_choices.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"
#include "core/view/window_layouts.h"

namespace lumetta {

namespace {

using Lines = std::vector<std::string>;

// The help message of a command when no photo is shown, by where it came
// from; the key map shows its own.
bool ExplainWithoutPhoto(AppState& state, UserInterface& ui, CommandSource source, const Lines& button,
                         const Lines& menu) {
  // An unreadable photo is shown as a black view: nothing to zoom or turn.
  if (state.PhotoShown()) return state.CurrentUnreadable;
  if (source == CommandSource::Button && !button.empty()) ui.ShowMessageBox(button);
  if (source == CommandSource::Menu && !menu.empty()) ui.ShowMessageBox(menu);
  return true;
}

const Lines kZoomUpButtonHelp = {"このボタンは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"};
const Lines kZoomUpMenuHelp = {"このメニューは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"};
const Lines kZoomDownButtonHelp = {"このボタンは、現在表示されている写真を", "より縮小して鑑賞したいときに使います。"};
const Lines kZoomDownMenuHelp = {"このメニューは、現在表示されている写真を", "より縮小して鑑賞したいときに使います。"};
const Lines kTurnRightButtonHelp = {"このボタンは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"};
const Lines kTurnRightMenuHelp = {"このメニューは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"};
const Lines kTurnLeftButtonHelp = {"このボタンは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"};
const Lines kTurnLeftMenuHelp = {"このメニューは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"};
const Lines kLeaveZoomMenuHelp = {"このメニューは、ズームモードまたは、パノラマモードを",
                                  "解除して、通常モード（写真全体を表示）にします。"};

void ZoomTo(AppState& state, UserInterface& ui, std::int32_t zoom_percent) {
  SetZoomValue(state, zoom_percent);
  const BusyCursor busy(ui);
  RenderZoom(state, ui, false);
}

enum class ZoomKind { StepUp, StepDown, FineUp, FineDown };

void Zoom(AppState& state, UserInterface& ui, CommandSource source, ZoomKind kind) {
  if (!state.UiReady) return;
  const bool up = kind == ZoomKind::StepUp || kind == ZoomKind::FineUp;
  if (ExplainWithoutPhoto(state, ui, source, up ? kZoomUpButtonHelp : kZoomDownButtonHelp,
                          up ? kZoomUpMenuHelp : kZoomDownMenuHelp)) {
    return;
  }
  if (PanoramaEditGuard(state, ui)) return;
  ViewState& v = state.view;
  std::optional<std::int32_t> next;
  switch (kind) {
    case ZoomKind::StepUp:
      next = NextZoomStepUp(v.ZoomPercent);
      break;
    case ZoomKind::StepDown:
      next = NextZoomStepDown(v.ZoomPercent);
      break;
    case ZoomKind::FineUp:
      next = NextZoomFineUp(v.ZoomPercent);
      break;
    case ZoomKind::FineDown:
      next = NextZoomFineDown(v.ZoomPercent);
      break;
  }
  if (!next) return;
  if (up) {
    if (!ZoomWithinLimit(*next, v.ShownWidth, v.ShownHeight)) return;
  } else if (ZoomOutRedo(*next, v.ShownWidth, v.ShownHeight)) {
    v.Redo = true;
  }
  ZoomTo(state, ui, *next);
}

}  // namespace

Ctl PanoramaMenuOf(PanoramaKind mode) {
  switch (mode) {
    case PanoramaKind::Pair:
      return Ctl::PanoramicMenu;
    case PanoramaKind::PairReversed:
      return Ctl::PanoramicRLMenu;
    case PanoramaKind::Four:
      return Ctl::Panoramic4Menu;
    case PanoramaKind::None:
      break;
  }
  return Ctl::NoPanoramicMenu;
}

bool PanoramaEditGuard(AppState& state, UserInterface& ui) {
  if (!state.InPanorama()) return false;
  ui.ShowMessageBox({"現在パノラマモードになっていますので", "画像の編集はできません。",
                     "編集したい写真をダブルクリックしたのち", "編集をおこなってください。"});
  return true;
}

void ZoomStepUp(AppState& state, UserInterface& ui, CommandSource source) {
  Zoom(state, ui, source, ZoomKind::StepUp);
}

void ZoomStepDown(AppState& state, UserInterface& ui, CommandSource source) {
  Zoom(state, ui, source, ZoomKind::StepDown);
}

void ZoomFineUp(AppState& state, UserInterface& ui, CommandSource source) {
  Zoom(state, ui, source, ZoomKind::FineUp);
}

void ZoomFineDown(AppState& state, UserInterface& ui, CommandSource source) {
  Zoom(state, ui, source, ZoomKind::FineDown);
}

void LeaveZoom(AppState& state, UserInterface& ui, CommandSource source) {
  if (!state.UiReady) return;
  if (ExplainWithoutPhoto(state, ui, source, {}, kLeaveZoomMenuHelp)) return;
  if (!state.current.Edits.ZoomMode && !state.InPanorama()) return;
  const UiNotReady running(state);
  if (state.InPanorama()) {
    state.PanoramaMode = PanoramaKind::None;
    ui.SetChecked(Ctl::NoPanoramicMenu, true);
    ui.SetText(Ctl::JoutaiLbl, "【パノラマ解除中】");
    ui.RepaintPicture(Picture::ViewImg);
    ui.ProcessPendingPaints();
    CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
    return;
  }
  const BusyCursor busy(ui);
  RenderView(state, ui, false);
}

namespace {

void Turn(AppState& state, UserInterface& ui, CommandSource source, bool right) {
  if (!state.UiReady) return;
  if (ExplainWithoutPhoto(state, ui, source, right ? kTurnRightButtonHelp : kTurnLeftButtonHelp,
                          right ? kTurnRightMenuHelp : kTurnLeftMenuHelp)) {
    return;
  }
  if (PanoramaEditGuard(state, ui)) return;
  PhotoEdits& e = state.current.Edits;
  const ViewState& v = state.view;
  e.Rotation = static_cast<std::int8_t>(right ? TurnedRight(e.Rotation) : TurnedLeft(e.Rotation));
  if (e.ZoomMode) {
    // The centre turns with the photo, so the same detail stays in view.
    const std::int32_t cx = e.ZoomCentreX;
    const std::int32_t cy = e.ZoomCentreY;
    if (right) {
      e.ZoomCentreX = v.ShownHeight - cy - 1;
      e.ZoomCentreY = cx;
    } else {
      e.ZoomCentreX = cy;
      e.ZoomCentreY = v.ShownWidth - cx - 1;
    }
  }
  CallHook(state.view.hooks.RecordThumbnailRotation);
  CallHook(state.view.hooks.UpdateStripRotation);
  {
    const BusyCursor busy(ui);
    if (e.ZoomMode) {
      state.view.Redo = true;
      RenderZoom(state, ui, false);
    } else {
      RenderView(state, ui, false);
    }
  }
  if (CompareExtension(state.current.Name) == ".lum") state.EditsDirty = true;
}

}  // namespace

void TurnRight(AppState& state, UserInterface& ui, CommandSource source) { Turn(state, ui, source, true); }

void TurnLeft(AppState& state, UserInterface& ui, CommandSource source) { Turn(state, ui, source, false); }

void ResetAllEdits(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  const Lines help = {"このメニューは、現在表示されている写真の", "回転・明るさ・シャープネスなど全ての編集を",
                      "解除して表示しなおします。"};
  if (!state.PhotoShown()) {
    ui.ShowMessageBox(help);
    return;
  }
  if (state.InPanorama()) {
    Lines lines = help;
    lines.push_back("パノラマモード時には、使用できません。");
    ui.ShowMessageBox(lines);
    return;
  }
  PhotoEdits& e = state.current.Edits;
  e.Rotation = 0;
  e.Brightness = 0;
  e.Contrast = 256;
  e.Sharpness = 0;
  e.Effect = 0;
  {
    const BusyCursor busy(ui);
    RenderView(state, ui, false);
  }
  state.EditsDirty = false;
}

void SetQualityMode(AppState& state, UserInterface& ui, QualityModeKind mode) {
  if (!state.UiReady) return;
  state.settings.QualityMode =
      mode == QualityModeKind::HighSpeed ? QualityModeKind::HighSpeed : QualityModeKind::HighQuality;
  ui.SetChecked(Ctl::KougashitsuMenu, state.settings.QualityMode == QualityModeKind::HighQuality);
  ui.SetChecked(Ctl::KousokuMenu, state.settings.QualityMode == QualityModeKind::HighSpeed);
  WriteSettingsFile(state, ui);
  UpdateModeLabels(state, ui);
  ui.ProcessPendingPaints();
  if (!state.PhotoShown()) return;
  {
    const BusyCursor busy(ui);
    RenderAgain(state, ui);
  }
  CallHook(state.view.hooks.RedrawComments);
}

void ToggleQualityMode(AppState& state, UserInterface& ui) {
  SetQualityMode(state, ui,
                 state.settings.QualityMode == QualityModeKind::HighQuality ? QualityModeKind::HighSpeed
                                                                            : QualityModeKind::HighQuality);
}

void ToggleFillView(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.view.FillView = !state.view.FillView;
  ui.SetChecked(Ctl::WideChk, state.view.FillView);
  // Fill mode changes only fitted views; a zoomed photo stays as it is.
  if (!state.PhotoShown() || (state.current.Edits.ZoomMode && !state.InPanorama())) return;
  const BusyCursor busy(ui);
  RenderView(state, ui, state.InPanorama());
}

void ViewMouseMove(AppState& state, UserInterface& ui, std::int32_t x, std::int32_t y) {
  state.view.CursorX = x;
  state.view.CursorY = y;
  if (state.InPanorama()) {
    ui.SetViewCursor(CursorKind::Hand);
  } else if (state.current.Edits.ZoomMode) {
    ui.SetViewCursor(CursorKind::SizeAll);
  } else {
    ui.SetViewCursor(CursorKind::Default);
  }
}

namespace {

// The pane (1-based) under a view position in panorama mode.
std::int32_t PaneAt(const AppState& state, std::int32_t x, std::int32_t y) {
  const bool left = x < state.view.ViewWidth / 2;
  if (state.PanoramaMode == PanoramaKind::Four) {
    const bool top = y < state.view.ViewHeight / 2;
    return (top ? 1 : 3) + (left ? 0 : 1);
  }
  if (state.PanoramaMode == PanoramaKind::PairReversed) return left ? 2 : 1;
  return left ? 1 : 2;
}

}  // namespace

void ViewDoubleClick(AppState& state, UserInterface& ui, std::int32_t x, std::int32_t y) {
  if (!state.UiReady) return;
  state.view.CursorX = x;
  state.view.CursorY = y;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"写真を表示後に、写真の上でダブルクリックすると", "その部分を拡大して鑑賞できます。"});
    return;
  }
  if (state.InPanorama()) {
    const PhotoRecord pane = state.Panes[PaneAt(state, x, y)];
    // A pane left empty (fewer photos than panes) has nothing to show.
    if (pane.Name.empty()) return;
    state.PanoramaMode = PanoramaKind::None;
    ui.SetChecked(Ctl::NoPanoramicMenu, true);
    ui.SetText(Ctl::JoutaiLbl, "【パノラマ解除中】");
    ui.RepaintPicture(Picture::ViewImg);
    ui.ProcessPendingPaints();
    const BusyCursor busy(ui);
    OpenPhotoByPath(state, ui, JoinPath(pane.Folder, pane.Name));
    return;
  }
  ViewState& v = state.view;
  PhotoEdits& e = state.current.Edits;
  if (e.ZoomCentreX == -1) {
    v.ScrollX = 0;
    v.ScrollY = 0;
  }
  e.ZoomCentreX = R((x + v.ScrollX - v.PhotoLeft) * v.ViewScale) + v.CropLeft;
  e.ZoomCentreY = R((y + v.ScrollY - v.PhotoTop) * v.ViewScale) + v.CropTop;
  ZoomStepUp(state, ui, CommandSource::Button);
}

void ViewMiddleButton(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このボタンは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
                       "（画面いっぱい表示のまま、『Z』『X』などの", "　キーも使えます。『ESC』キーで戻ります）"});
    return;
  }
  CallHook(state.view.hooks.OpenFullScreen);
}

void ViewDragStart(AppState& state, std::int32_t screen_x, std::int32_t screen_y) {
  if (!state.UiReady) return;
  ViewState& v = state.view;
  v.Dragging = true;
  v.DragRedrawn = false;
  v.DragLastX = screen_x;
  v.DragLastY = screen_y;
}

void ViewDragMove(AppState& state, UserInterface& ui, std::int32_t screen_x, std::int32_t screen_y) {
  ViewState& v = state.view;
  if (!v.Dragging) return;
  const std::int32_t dx = v.DragLastX - screen_x;
  const std::int32_t dy = v.DragLastY - screen_y;
  v.DragLastX = screen_x;
  v.DragLastY = screen_y;
  // The zoom window of a single photo moves; panes and fitted views do not.
  if (!state.PhotoShown() || !state.current.Edits.ZoomMode || state.InPanorama()) return;
  if (v.ZoomWidth > v.ViewWidth) v.ScrollX += dx;
  if (v.ZoomHeight > v.ViewHeight) v.ScrollY += dy;
  ShowZoomWindow(state, ui, false);
  v.DragRedrawn = true;
}

void ViewDragEnd(AppState& state, UserInterface& ui) {
  ViewState& v = state.view;
  if (!v.Dragging) return;
  v.Dragging = false;
  // Only a window drawn while moving lacks the sharpening; sharpening the
  // finished view again would darken its edges twice.
  if (!v.DragRedrawn) return;
  v.DragRedrawn = false;
  const BusyCursor busy(ui);
  SharpenView(state);
  if (HighQualityMode(state) && state.settings.HistogramAuto != 0) {
    CallHook(v.hooks.ShowHistogram);
  } else {
    CallHook(v.hooks.ClearHistogram);
  }
  ui.RepaintPicture(RenderTargetPicture(state));
}

void NumericZoomClick(AppState& state, UserInterface& ui,
                      const std::function<std::optional<std::string>()>& run_dialog) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"ここをクリックすると、表示倍率を数値で", "直接指定することができます。",
                       "Lumettaを小さな画面で使用している場合は", "画面右上の「編集」ラベル（黄色パネルに黒字）を",
                       "クリックすることで、同様の操作ができます。",
                       "また、「編集」ラベルの上にマウスカーソルを約１秒",
                       "置くことで、表示倍率を参照することもできます。"});
    return;
  }
  if (state.InPanorama()) {
    ui.ShowMessageBox({"通常ここをクリックすると、表示倍率を数値で", "直接指定することができますが",
                       "現在パノラマモードですので表示倍率の変更はできません。",
                       "表示倍率を変えたい写真をダブルクリックしたのち", "ここをクリックなさってください。"});
    return;
  }
  const std::optional<std::string> text = run_dialog();
  if (!text) return;
  ApplyNumericZoom(state, ui, *text);
}

NumericZoomResult ApplyNumericZoom(AppState& state, UserInterface& ui, std::string_view text) {
  const std::int32_t z = ParseLeadingInt(text);
  if (z < kMinNumericZoomPercent || z > kMaxNumericZoomPercent) {
    ui.ShowMessageBox({"入力された数値は、範囲を超えています。", "表示倍率の直接指定は「１～400％」の範囲",
                       "で、整数のみ指定できます。"});
    return NumericZoomResult::OutOfRange;
  }
  if (!ZoomWithinLimit(z, state.view.ShownWidth, state.view.ShownHeight)) {
    ui.ShowMessageBox({"元の画像の原寸大サイズが大きすぎるため", "拡大できませんでした。"});
    return NumericZoomResult::TooLarge;
  }
  ZoomTo(state, ui, z);
  return NumericZoomResult::Applied;
}

std::string GensunText(const AppState& state) {
  return SizeText(state.view.ShownWidth, state.view.ShownHeight) + "→" + std::to_string(state.view.ZoomPercent) +
         "%";
}

bool CompactModeLabels(const Settings& settings) {
  return CompactLabelsLayout(SizeChoiceOf(settings).Layout);
}

void UpdateModeLabels(const AppState& state, UserInterface& ui) {
  const bool speed = !HighQualityMode(state);
  if (CompactModeLabels(state.settings)) {
    ui.SetText(Ctl::GashitsuModeSLbl, speed ? "S" : "Q");
    return;
  }
  ui.SetText(Ctl::GashitsuModeLbl, speed ? "【高速】" : "【高画質】");
  const Colour colour = speed ? 0x808080 : 0xFFFFFF;
  ui.SetTextColour(Ctl::SharpLbl, colour);
  ui.SetTextColour(Ctl::KoukaLbl, colour);
  ui.SetText(Ctl::KoukaLbl, EffectChoiceOf(state.settings.GlobalEffect).label);
  ui.SetText(Ctl::SharpLbl, SharpnessChoiceOf(state.settings.GlobalSharpness).label);
}

}  // namespace lumetta
