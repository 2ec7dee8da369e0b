#include "core/view/sharpness_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "core/state/settings_file.h"
#include "core/view/quality_switch.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

const std::vector<std::string> kSwitchLines = {"現在「高速モード」になっています。",
                                               "シャープネスの設定は、「高画質モード」で反映されます。",
                                               "「高画質モード」に切り替えます。"};

void ApplyGlobalSharpness(AppState& state, UserInterface& ui, std::int32_t level) {
  const std::int32_t old_global = state.settings.GlobalSharpness;
  state.settings.GlobalSharpness = level;
  CheckGlobalSharpnessMenu(state, ui);
  UpdateModeLabels(state, ui);
  WriteSettingsFile(state, ui);

  // The levels the shown pixels were sharpened with: the switch to the
  // high-quality mode renders the photo afresh at the new level, and
  // sharpening that render once more would darken its edges twice.
  std::int32_t shown_global = old_global;
  switch (OfferHighQuality(state, ui, kSwitchLines)) {
    case QualitySwitch::Declined:
      return;
    case QualitySwitch::Switched:
      shown_global = level;
      break;
    case QualitySwitch::AlreadyHighQuality:
      break;
  }
  PhotoEdits& edits = state.current.Edits;
  const std::int32_t shown_own = edits.Sharpness;
  if (state.PhotoShown() && edits.Sharpness != 0) {
    const int answer = ui.AskYesNo({"現在表示中の写真は「個別にシャープネスが設定」",
                                    "されています。この写真の「個別シャープネス設定」",
                                    "を解除して、全体のシャープネス設定が反映される", "ようにしますか？"});
    if (answer != 1) return;
    edits.Sharpness = 0;
    state.EditsDirty = true;
  }
  SharpenChange(state, ui, shown_own, shown_global);
}

}  // namespace

Ctl GlobalSharpnessMenu(std::int32_t level) {
  switch (level) {
    case 4:
      return Ctl::SPKanariMenu;
    case 6:
      return Ctl::SPDaibuMenu;
    case 8:
      return Ctl::SPTsuyomeMenu;
    case 10:
      return Ctl::SPYayaMenu;
    case 12:
      return Ctl::SPChuuMenu;
    case 16:
      return Ctl::SPYowameMenu;
    default:
      return Ctl::SPNashiMenu;
  }
}

void CheckGlobalSharpnessMenu(const AppState& state, UserInterface& ui) {
  const std::int32_t current = state.settings.GlobalSharpness;
  for (const std::int32_t level : kGlobalSharpnessLevels) ui.SetChecked(GlobalSharpnessMenu(level), level == current);
}

void SharpCommand(AppState& state, UserInterface& ui, CommandSource source) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({source == CommandSource::Button ? "「Sharp」ボタンは、現在表示されている写真の"
                                                       : "このメニューは、現在表示されている写真の",
                       "シャープネスを調整したいときに使います。", "調整後、「Lumetta専用形式（.lum）」で保存しますと",
                       "元画像を変更することなく、小さなファイルで保存できます。"});
    return;
  }
  if (PanoramaEditGuard(state, ui)) return;
  if (OfferHighQuality(state, ui, kSwitchLines) == QualitySwitch::Declined) return;

  PhotoEdits& edits = state.current.Edits;
  const std::optional<std::int32_t> chosen = ui.RunSharpForm(edits.Sharpness);
  if (!chosen) return;
  const std::int32_t old_sharpness = edits.Sharpness;
  edits.Sharpness = *chosen;
  SharpenChange(state, ui, old_sharpness, state.settings.GlobalSharpness);
  if (HighQualityMode(state) && state.settings.HistogramAuto != 0) {
    CallHook(state.view.hooks.ShowHistogram);
  } else {
    CallHook(state.view.hooks.ClearHistogram);
  }
  state.EditsDirty = true;
}

void SetGlobalSharpness(AppState& state, UserInterface& ui, std::int32_t level) {
  if (!state.UiReady) return;
  ApplyGlobalSharpness(state, ui, level);
}

std::int32_t NextGlobalSharpness(std::int32_t level) {
  if (level >= 4 && level <= 12) return 0;
  if (level == 16) return 12;
  return 16;
}

void CycleGlobalSharpness(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  ApplyGlobalSharpness(state, ui, NextGlobalSharpness(state.settings.GlobalSharpness));
}

void ExplainGlobalSharpness(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  ui.ShowMessageBox({"「全シャープネス」の設定は、全ての写真", "に反映されます。",
                     "個別にシャープネス設定がされている写真に関しては、", "個別の設定が優先されます。", "",
                     "どちらの場合も、表示の際にシャープネスを掛けるため",
                     "元の写真ファイルを書き換えることなく、シャープな表示", "での鑑賞が可能です。"});
}

}  // namespace lumetta
