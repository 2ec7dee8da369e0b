#pragma once
// The two-line path labels of the photo-folder slots.

#include <functional>
#include <string>
#include <string_view>

#include "core/state/settings.h"
#include "core/state/user_interface.h"

namespace lumetta {

struct AppFolders;
struct AppState;

// Each slot's first and second path label.
inline constexpr PerSlot<Ctl> kSlotFirstLabels{Ctl::FolderLbl1, Ctl::FolderLbl2, Ctl::FolderLbl3};
inline constexpr PerSlot<Ctl> kSlotSecondLabels{Ctl::FolderLbl1B, Ctl::FolderLbl2B, Ctl::FolderLbl3B};

// The slot rows of the folder panel below its title bar, one every 28
// pixels: the radio button, the two path labels and the set/clear button.
inline constexpr int kSlotRowHeight = 28;
inline int SlotRowTop(int slot) { return 22 + kSlotRowHeight * (slot - 1); }
// The design tops of a slot's first and second path label.
inline int SlotLabelTop(int slot) { return SlotRowTop(slot) + 1; }
inline int SlotLabelBTop(int slot) { return SlotRowTop(slot) + 14; }

struct SlotLines {
  std::string Line1;
  std::string Line2;
  bool operator==(const SlotLines&) const = default;
};

// The path as the user knows it: the pictures, documents and desktop
// folders (compared ignoring case, at a folder boundary) become
// "マイ ピクチャ", "マイ ドキュメント" and "デスクトップ".
std::string SlotPathName(const AppFolders& folders, std::string_view path);

// Splits a name over two lines of at most available pixels each: line 1
// takes what fits, line 2 the end of the rest, after "…" when its middle
// has to go. An empty line 1 reads "（未設定）", an empty line 2 " ".
SlotLines ShortenPath(std::string_view name, int available, const std::function<int(std::string_view)>& text_width);

// The two display lines of a path, measured in the slot labels' font;
// width 0 gives each line the folder panel's width less 47 pixels, any
// other width gives each line half of it.
SlotLines SlotDisplayName(const AppState& state, UserInterface& ui, std::string_view path, int width);

// Shows every slot's path on its two labels, with the whole path as hint;
// a slot that needs one line has its first label 1 pixel lower.
void RefreshSlotLabels(const AppState& state, UserInterface& ui);

}  // namespace lumetta
