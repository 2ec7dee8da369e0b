#include "core/view/effect_commands.h"

#include "core/imaging/pixel_adjust.h"
#include "core/state/busy.h"
#include "core/view/global_change.h"
#include "core/view/quality_choices.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

const GlobalSetting kGlobalEffect{
    &Settings::GlobalEffect,
    &PhotoEdits::Effect,
    CheckGlobalEffectMenu,
    false,
    {"現在「高速モード」になっています。", "画質効果の設定は、「高画質モード」で反映されます。",
     "「高画質モード」に切り替えます。"},
    {"現在表示中の写真は「個別に画質効果が設定」", "されています。この写真の「個別の画質効果設定」",
     "を解除して、全体の画質効果設定が反映される", "ようにしますか？"},
};

void ApplyGlobalEffect(AppState& state, UserInterface& ui, std::int32_t effect) {
  const std::optional<ShownBefore> before = ChangeGlobalSetting(state, ui, kGlobalEffect, effect);
  if (!before || !state.PhotoShown()) return;
  if (state.current.Edits.Effect == before->own && state.settings.GlobalEffect == before->global) return;
  const BusyCursor busy(ui);
  RenderAgain(state, ui);
}

}  // namespace

void CheckGlobalEffectMenu(const AppState& state, UserInterface& ui) {
  const std::int32_t current = state.settings.GlobalEffect;
  for (const EffectChoice& choice : kEffectChoices) ui.SetChecked(choice.menu, choice.effect == current);
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
