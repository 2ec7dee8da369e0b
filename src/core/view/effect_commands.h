#pragma once
// The colour effect of all photos ("画質効果"): the items of the menu
// "画質モード", clicks on KoukaLbl and the key F12.
//
// Effects show only in the high-quality mode; in the high-speed mode the
// commands offer to switch. Every command does nothing while UiReady is
// false.

#include <cstdint>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// Checks the item of the global effect alone (the effects and their items
// are kEffectChoices).
void CheckGlobalEffectMenu(const AppState& state, UserInterface& ui);

// A menu item: the effect of all photos.
void SetGlobalEffect(AppState& state, UserInterface& ui, std::int32_t effect);
// KoukaLbl and F12: normal -> chrome -> sepia -> normal; black and white
// goes back to normal.
void CycleGlobalEffect(AppState& state, UserInterface& ui);
std::int32_t NextGlobalEffect(std::int32_t effect);

}  // namespace lumetta
