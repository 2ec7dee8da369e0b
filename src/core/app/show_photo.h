#pragma once
// Showing photos of the photo list in the view: one photo, or two or four
// side by side in the panorama modes, decoded, given their edits and drawn
// by the renderer; and the read error of a photo that cannot be shown.

#include <cstdint>

namespace lumetta {

struct AppState;
class UserInterface;

// Shows the photo at list position (1-based). In panorama mode it and the
// photos following it in the direction of step (+1 or -1) fill the panes;
// with step -1 the first photo takes the last pane, so that the panes read
// like the strip. Position 0 draws every pane again from Panes, as the
// renderer asks when the whole panorama view must be redrawn.
//
// A photo that cannot be decoded ends the showing with ShowReadError; the
// panes after it stay black. An edited-photo file whose source photo is gone
// offers to locate the source or to move the file to the trash. Image
// failures of the renderer and an edited-photo file that cannot be read
// propagate; the view's size is restored however the showing ends.
void ShowPhoto(AppState& state, UserInterface& ui, std::int32_t position, std::int32_t step);

// Marks the photo at position unreadable and makes it the current photo
// with default edits, "読み込みエラー" in SizeLbl and a black view; with
// with_message the message box says the file is damaged or of a format the
// program cannot read. Nothing for position 0.
void ShowReadError(AppState& state, UserInterface& ui, std::int32_t position, bool with_message);

}  // namespace lumetta
