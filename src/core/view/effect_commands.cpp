#include "core/view/effect_commands.h"

#include <string>
#include <vector>

#include "core/state/settings_file.h"
#include "core/imaging/pixel_adjust.h"
#include "core/view/quality_switch.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

void ApplyGlobalEffect(AppState& state, UserInterface& ui, std::int32_t effect) {
  PhotoEdits& edits = state.current.Edits;
  const std::int32_t old_global = state.settings.GlobalEffect;
  const std::int32_t old_own = edits.Effect;
  state.settings.GlobalEffect = effect;
  CheckGlobalEffectMenu(state, ui);
  WriteSettingsFile(state, ui);
  UpdateModeLabels(state, ui);

  const QualitySwitch offered =
      OfferHighQuality(state, ui,
                       {"現在「高速モード」になっています。", "画質効果の設定は、「高画質モード」で反映されます。",
                        "「高画質モード」に切り替えます。"});
  if (offered == QualitySwitch::Declined) return;
  if (state.PhotoShown() && edits.Effect != 0) {
    const int answer =
        ui.AskYesNo({"現在表示中の写真は「個別に画質効果が設定」", "されています。この写真の「個別の画質効果設定」",
                     "を解除して、全体の画質効果設定が反映される", "ようにしますか？"});
    if (answer != 1) return;
    edits.Effect = 0;
    state.EditsDirty = true;
  }
  if (!state.PhotoShown()) return;
  if (edits.Effect == old_own && state.settings.GlobalEffect == old_global) return;
  const BusyCursor busy(ui);
  RenderAgain(state, ui);
}

}  // namespace

Ctl GlobalEffectMenu(std::int32_t effect) {
  switch (effect) {
    case kEffectChrome:
      return Ctl::GChromaMenu;
    case kEffectSepia:
      return Ctl::GSepiaMenu;
    case kEffectBlackWhite:
      return Ctl::GWhiteBlackMenu;
    default:
      return Ctl::GNormalMenu;
  }
}

void CheckGlobalEffectMenu(const AppState& state, UserInterface& ui) {
  const std::int32_t current = state.settings.GlobalEffect;
  for (const std::int32_t effect : kGlobalEffects) ui.SetChecked(GlobalEffectMenu(effect), effect == current);
}

void SetGlobalEffect(AppState& state, UserInterface& ui, std::int32_t effect) {
  if (!state.UiReady) return;
  ApplyGlobalEffect(state, ui, effect);
}

std::int32_t NextGlobalEffect(std::int32_t effect) {
  if (effect == kEffectNormal) return kEffectChrome;
  if (effect == kEffectChrome) return kEffectSepia;
  return kEffectNormal;
}

void CycleGlobalEffect(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  ApplyGlobalEffect(state, ui, NextGlobalEffect(state.settings.GlobalEffect));
}

}  // namespace lumetta
