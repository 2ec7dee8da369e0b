#pragma once
// What the program does when the directory watcher reports a change in the
// watched folder: nothing for its own changes and while the watch is not
// armed; otherwise the folder tree is built again, and the photo list read
// again only when photos appeared or vanished.

#include "core/state/change_ignore.h"

namespace lumetta {

struct AppState;
class UserInterface;

// The watcher's event. now: when it came (tests give their own time).
void DirWatcherChange(AppState& state, UserInterface& ui, ChangeIgnore::Clock::time_point now = ChangeIgnore::Clock::now());

// Rebuilds the tree; falls back to the slot root when the shown folder is
// gone; reads the list again when it no longer matches the folder, keeping
// the strip on the photo it was on.
void RefreshAfterChange(AppState& state, UserInterface& ui);

// True when a listed photo is gone from CurrentFolder or the folder holds a
// photo file that is not listed (names compared ignoring case).
bool PhotoListChanged(const AppState& state);

}  // namespace lumetta
