#pragma once
// The monthly sweep of the thumbnail cache: cached thumbnails and rotation
// files whose photo is gone are removed.

#include <string>
#include <string_view>

#include "core/state/app_state.h"

namespace lumetta {

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

}  // namespace lumetta
