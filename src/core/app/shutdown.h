#pragma once
// Closing the program: the monthly sweep of the thumbnail cache, the
// settings file and the scratch folder.

#include <functional>
#include <string>
#include <string_view>

#include "core/app/app_state.h"
#include "core/app/user_interface.h"

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

// The year and month as six digits, "202612".
std::string MonthStamp(const CalendarDate& date);

// The cache folder's name for a slot root: its last component, or for a
// root ending in ":" (a drive) the root without the ":" and a full-width
// colon; "" for no root.
std::string SlotCacheName(std::string_view slot_root);

// Runs the sweep of every slot when the month stamp is later than the last
// sweep, and stores the new stamp. Returns whether it ran.
bool SweepThumbnailCacheIfDue(AppState& state);

// Removes from one slot's cache folder what no longer has a source: entry is
// a folder directly in cache.
void ThumbnailCacheSweep(std::string_view slot_root, std::string_view name, std::string_view cache,
                         std::string_view entry);

// Deletes every entry of folder (never a filesystem root). Symbolic links are
// removed as links; nothing outside folder is touched.
void ClearTempFolder(std::string_view folder);

// Deletes path (a file, a link or a whole folder) when it lies inside root.
// Links are removed, never followed. Returns whether path is gone.
bool RemoveInside(std::string_view root, std::string_view path);

}  // namespace lumetta
