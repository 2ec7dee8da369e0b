#pragma once
// Closing the program: the monthly sweep of the thumbnail cache, the
// settings file and the scratch folder.

#include <functional>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// What the main window must do with a close request.
enum class CloseAnswer { Refuse, Close };

struct CloseHooks {
  // Stops a running or paused slide show; true when one was running.
  std::function<bool()> StopSlideShow;
  // Offers to save unsaved edits of the displayed photo.
  std::function<void()> ConfirmSaveEdits;
};

// The close steps. other_instance_running is asked only when the scratch
// folder is to be emptied. The window's current position is in
// settings.WindowLeft/WindowTop when this is called.
CloseAnswer CloseQuery(AppState& state, UserInterface& ui, bool other_instance_running,
                       const CloseHooks& hooks = {});

}  // namespace lumetta
