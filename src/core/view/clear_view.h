#pragma once
// Leaving no photo on show: after the shown photo's file was moved away or
// removed, the view must not keep offering it.

namespace lumetta {

struct AppState;
class UserInterface;

// The view grey (the full-screen view black), no comment overlay and no
// histogram, and no current photo (its unsaved edits are dropped: callers
// offer to save them first).
void ClearView(AppState& state, UserInterface& ui);

}  // namespace lumetta
