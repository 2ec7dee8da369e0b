#pragma once
// The monthly sweep of the thumbnail cache: cached thumbnails and rotation
// files whose photo is gone are removed.

#include <string>
#include <string_view>

#include "core/library/thumb_cache_path.h"
#include "core/state/app_state.h"

namespace lumetta {

// The year and month as six digits, "202612".
std::string MonthStamp(const CalendarDate& date);

// Runs the sweep of every slot when the month stamp is later than the last
// sweep, and stores the new stamp. Returns whether it ran.
bool SweepThumbnailCacheIfDue(AppState& state);

// Removes from one slot's cache folder what no longer has a source: entry is
// a folder directly in cache.
void ThumbnailCacheSweep(std::string_view slot_root, std::string_view name, std::string_view cache,
                         std::string_view entry);

}  // namespace lumetta
