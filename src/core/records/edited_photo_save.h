#pragma once
// Saving the shown photo's edits to its edited-photo file.

#include <cstdint>

namespace lumetta {

struct AppState;
class UserInterface;

// Offers to save unsaved edits of the photo shown before the view leaves it
// for the photo at list position target; a save can renumber the list.
// Returns the position at which the target photo now stands.
std::int32_t ConfirmSaveEdits(AppState& state, UserInterface& ui, std::int32_t target);

}  // namespace lumetta
