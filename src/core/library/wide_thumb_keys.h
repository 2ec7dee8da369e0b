#pragma once
// The keys of the wide thumbnail window: the strip's paging and photo steps,
// with the window closed first where the step leaves it.

#include "core/state/key_map.h"

namespace lumetta {

enum class WideKeyCommand {
  None,
  NextPhoto,       // closes the window first
  PreviousPhoto,   // closes the window first
  PreviousFolder,  // closes the window first
  NextFolder,      // closes the window first
  StepLeft8,
  StepRight8,
  StepLeft1,
  StepRight1,
  ToStart,
  ToEnd,  // WideToEnd
  Close,
  KeyboardHelp,
  RefreshThumbnail,
};

// The command of a key press in the wide window; sort_direction is the
// photo list's (1 or -1).
WideKeyCommand MapWideKey(Key key, bool shift, bool ctrl, SortOrder sort_direction);

// Whether the command closes the wide window before it acts.
bool WideKeyCloses(WideKeyCommand command);

}  // namespace lumetta
