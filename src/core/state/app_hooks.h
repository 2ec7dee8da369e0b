#pragma once
// Calls from the program's operations into parts that the windows provide:
// the thumbnail strip, the folder tree and its slot buttons, the directory
// watcher, the photo display and the slide show. Each is set by the part
// that carries it out; one not set does nothing (CallHook), so that the
// operations run (and are tested) without them.

#include <cstdint>
#include <functional>
#include <string>

#include "core/state/view_hooks.h"

namespace lumetta {

struct AppHooks {
  // The directory watcher takes a new folder to watch.
  std::function<void(const std::string& folder)> SetDirectory;
  // Repaints the thumbnail strip (order 1: left to right; -1: right to left),
  // keeping the hover label or not.
  std::function<void(std::int32_t order, bool keep_hover)> PaintStrip;
  // Checks the radio button of photo-folder slot 1..3, or clears all three
  // for 0, without running their click handlers.
  std::function<void(std::int32_t slot)> CheckSlotRadio;
  // Empties the folder tree.
  std::function<void()> ClearTree;
  // Builds the tree of the selected slot and opens it down to target.
  std::function<void(const std::string& target)> RebuildTree;
  // Shows the photo at a list position (0: redraws the panes), stepping by
  // step through the panes.
  std::function<void(std::int32_t position, std::int32_t step)> ShowPhoto;
  // Stops a running or paused slide show.
  std::function<void()> StopSlideShow;
  // Fills the strip's cells grey while another folder is being opened.
  std::function<void()> ClearStrip;
  // Removes the strip's hover label (the name over the thumbnail under the
  // cursor) when one is shown.
  std::function<void()> RemoveHoverLabel;
  // Opens the export of the displayed photo (JPEG or BMP).
  std::function<void()> OpenExport;
  // A folder on disk was renamed: the favorites' photo paths below it follow.
  std::function<void(const std::string& old_folder, const std::string& new_folder)> RenameFavoritePhotoFolder;
};

}  // namespace lumetta
