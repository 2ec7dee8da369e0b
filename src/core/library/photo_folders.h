#pragma once
// The three photo-folder slots of the folder panel, the folder opened from
// elsewhere ("上記以外から") and the file manager button ("ﾏｲｺﾝﾋﾟｭｰﾀ").

#include <cstdint>

namespace lumetta {

struct AppState;
class UserInterface;

// Selects slot 1..3: its last folder becomes the current folder, the tree
// is rebuilt (or a vanished root reported and cleared), the folder scanned
// and the strip repainted on the slot's last position.
void SelectSlot(AppState& state, UserInterface& ui, std::int32_t slot);

// Rebuilds the tree for the slot, or reports a root folder that is gone and
// clears the slot (in memory; the settings file keeps it until its next write).
void CheckSlotFolder(AppState& state, UserInterface& ui, std::int32_t slot);

// A click on a slot's radio button or on one of its two labels.
void FolderRadioClick(AppState& state, UserInterface& ui, std::int32_t slot);

// The slot's set/clear button: choose its folder, or on cancel offer to
// clear it; the settings file is written either way.
void FolderBtnClick(AppState& state, UserInterface& ui, std::int32_t slot);

// "上記以外から": shows a folder outside the slots, without a tree.
void OpenBtnClick(AppState& state, UserInterface& ui);

// "ﾏｲｺﾝﾋﾟｭｰﾀ": the current folder in the desktop's file manager.
void ExplorerBtnClick(AppState& state, UserInterface& ui);

}  // namespace lumetta
