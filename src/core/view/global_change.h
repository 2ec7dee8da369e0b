#pragma once
// The steps the global colour effect and the global sharpness share when
// the user sets them: the new value stored and shown, the offer to leave
// the high-speed mode, and the question whether the photo's own value
// gives way to it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/quality_switch.h"

namespace lumetta {

struct GlobalSetting {
  std::int32_t Settings::*global;  // the value of all photos
  std::int32_t PhotoEdits::*own;   // the photo's own value (0: follows the global one)
  void (*check_menu)(const AppState&, UserInterface&);
  // The effect stores the settings before it updates the labels, the
  // sharpness after.
  bool labels_first;
  std::vector<std::string> switch_lines;  // the offer to leave the high-speed mode
  std::vector<std::string> own_question;  // whether the photo's own value goes
};

// What the photo was shown with before the change, for the last step.
struct ShownBefore {
  std::int32_t own;     // the photo's own value before the question
  std::int32_t global;  // the global value before the change
  QualitySwitch offered;
};

// Sets the global value and runs the shared steps; returns what the photo
// was shown with when the change goes on to its last step (showing the
// photo anew), nothing when the user declined a question.
std::optional<ShownBefore> ChangeGlobalSetting(AppState& state, UserInterface& ui, const GlobalSetting& setting,
                                               std::int32_t value);

}  // namespace lumetta
