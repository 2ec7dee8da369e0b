#pragma once
// Sharpness as the user sets it: the photo's own level in the dialog
// "シャープネス", the level of all photos in the menu "全シャープネス" and by
// clicks on SharpLbl.
//
// Sharpening shows only in the high-quality mode; in the high-speed mode the
// commands offer to switch. Every command does nothing while UiReady is
// false.

#include <cstdint>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/view_commands.h"

namespace lumetta {

// Checks the item of the global level alone (the levels, their items and
// the dialog's buttons are kSharpnessChoices); a level no item has checks
// nothing.
void CheckGlobalSharpnessMenu(const AppState& state, UserInterface& ui);

// The menu item "シャープネス" and the button "ｼｬｰﾌﾟ": the dialog over the
// photo's own level (UserInterface::RunSharpForm).
void SharpCommand(AppState& state, UserInterface& ui, CommandSource source);

// A menu item of "全シャープネス".
void SetGlobalSharpness(AppState& state, UserInterface& ui, std::int32_t level);
// A click on SharpLbl: "なし" for the levels 4 to 12, "普通" after "弱め",
// "弱め" after anything else.
void CycleGlobalSharpness(AppState& state, UserInterface& ui);
std::int32_t NextGlobalSharpness(std::int32_t level);
// "（説明）".
void ExplainGlobalSharpness(AppState& state, UserInterface& ui);

}  // namespace lumetta
