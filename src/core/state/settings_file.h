#pragma once
// Saving the settings while the program runs.

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// Writes the settings file; a failure is reported in a message box and
// changes nothing in memory. Returns whether the file was written.
bool WriteSettingsFile(const AppState& state, UserInterface& ui);

}  // namespace lumetta
