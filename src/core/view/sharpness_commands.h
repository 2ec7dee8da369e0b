#pragma once
// Sharpness as the user sets it: the photo's own level in the dialog
// "シャープネス", the level of all photos in the menu "全シャープネス" and by
// clicks on SharpLbl.
//
// Sharpening shows only in the high-quality mode; in the high-speed mode the
// commands offer to switch. Every command does nothing while UiReady is
// false.

#include <array>
#include <cstdint>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/view_commands.h"

namespace lumetta {

// The photo's values of the dialog's radio buttons, in their order:
// "全体の設定に従う" 0, "かなり強め" 4, "だいぶ強め" 6, "強め" 8, "やや強め" 10,
// "普通" 12, "弱め" 16, "なし（常に解除）" -1.
inline constexpr std::array<std::int32_t, 8> kSharpFormValues{0, 4, 6, 8, 10, 12, 16, -1};

// The global levels of the menu items, in their order: "かなり強め" 4 ...
// "弱め" 16, "なし" 0.
inline constexpr std::array<std::int32_t, 7> kGlobalSharpnessLevels{4, 6, 8, 10, 12, 16, 0};

// The menu item of a global level; SPNashiMenu for 0 (and for levels no
// item has, which then check nothing).
Ctl GlobalSharpnessMenu(std::int32_t level);
// Checks the item of the global level alone.
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
