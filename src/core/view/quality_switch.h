#pragma once
// Sharpness and colour effects show only in the high-quality mode; their
// commands offer the switch when the high-speed mode is in force.

#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

enum class QualitySwitch {
  AlreadyHighQuality,
  Switched,  // the user agreed; the photo shown was rendered again
  Declined,
};

// In the high-speed mode asks with lines whether to switch and switches
// (SetQualityMode) when the user agrees.
QualitySwitch OfferHighQuality(AppState& state, UserInterface& ui, const std::vector<std::string>& lines);

}  // namespace lumetta
