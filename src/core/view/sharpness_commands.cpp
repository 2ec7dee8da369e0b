#include "core/view/sharpness_commands.h"

#include <optional>
#include <string>
#include <vector>

#include "core/view/global_change.h"
#include "core/view/quality_choices.h"
#include "core/view/quality_switch.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

const std::vector<std::string> kSwitchLines = {"現在「高速モード」になっています。",
                                               "シャープネスの設定は、「高画質モード」で反映されます。",
                                               "「高画質モード」に切り替えます。"};

const GlobalSetting kGlobalSharpness{
    &Settings::GlobalSharpness, &PhotoEdits::Sharpness, CheckGlobalSharpnessMenu, true, kSwitchLines,
    {"現在表示中の写真は「個別にシャープネスが設定」", "されています。この写真の「個別シャープネス設定」",
     "を解除して、全体のシャープネス設定が反映される", "ようにしますか？"},
};

void ApplyGlobalSharpness(AppState& state, UserInterface& ui, std::int32_t level) {
  const std::optional<ShownBefore> before = ChangeGlobalSetting(state, ui, kGlobalSharpness, level);
  if (!before) return;
  // The levels the shown pixels were sharpened with: the switch to the
  // high-quality mode renders the photo afresh at the new level, and
  // sharpening that render once more would darken its edges twice.
  const std::int32_t shown_global = before->offered == QualitySwitch::Switched ? level : before->global;
  SharpenChange(state, ui, before->own, shown_global);
}

}  // namespace

void CheckGlobalSharpnessMenu(const AppState& state, UserInterface& ui) {
  const std::int32_t current = state.settings.GlobalSharpness;
  for (const SharpnessChoice& choice : kSharpnessChoices) ui.SetChecked(choice.menu, choice.level == current);
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
