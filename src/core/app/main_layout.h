#pragma once
// Laying the main window out for its size mode, around the window's own
// move of its controls: what the view, the labels and the photo on show do
// before and after, and the size menu's commands.

#include <cstdint>
#include <optional>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/size_modes.h"

namespace lumetta {

// What a relayout carries across the window's change.
struct RelayoutPlan {
  SizeChoice Size;
  // The zoomed photo's width in units of the old view width; 0 outside zoom.
  double ZoomRatio = 0.0;
};

// Before the controls move: the zoom ratio, the view size, the custom size's
// caption, the labels of the new layout emptied.
RelayoutPlan BeginRelayout(AppState& state, UserInterface& ui);

// After the controls moved: a grey view of the new size, the labels, and the
// photo on show drawn again (zoomed to the same width relative to the view).
void FinishRelayout(AppState& state, UserInterface& ui, const RelayoutPlan& plan);

// The size menu's check mark and the custom item's caption from the settings.
void CheckSizeMenu(const AppState& state, UserInterface& ui);

// One of the four fixed sizes chosen (1, 2, 3 or 8): checked, stored and
// written. Returns whether the window is to be laid out again (the program
// is ready for commands).
bool ChooseSizeMode(AppState& state, UserInterface& ui, std::uint8_t size_mode);

// A custom size confirmed in the dialog: mode 4, 5, 6, 7 or 9 with its size.
// Returns whether the window is to be laid out again.
bool ChooseCustomSize(AppState& state, UserInterface& ui, std::uint8_t size_mode, std::int32_t width,
                      std::int32_t height);

}  // namespace lumetta
