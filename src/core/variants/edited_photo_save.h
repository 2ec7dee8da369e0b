#pragma once
// Saving the shown photo's edits to an edited-photo file, and the question
// asked before unsaved edits would be lost.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct AppState;
class UserInterface;

// The four lines shown when an edited-photo file cannot be written.
const std::vector<std::string>& SaveFailedLines();

// Drops the cached thumbnail of a file of the current photo's folder (when
// the photo lies in a photo-folder slot), so that it is built again with
// the saved state.
void DropCachedThumbnail(const AppState& state, std::string_view name);

// The current edits as they are saved: the zoom ratio measured from the
// view as it is now.
struct PhotoEdits;
PhotoEdits EditsToSave(const AppState& state);

// Writes the current edits to path: over a file of that name, or, with
// create_new, only when no file of that name exists. On success the comment
// overlay is redrawn, EditsDirty cleared and the watcher told to ignore the
// change; on failure the four-line message shows, an old file stays as it
// was and EditsDirty is kept.
bool WriteEditedPhoto(AppState& state, UserInterface& ui, std::string_view path, bool create_new = false);

// WriteEditedPhoto, then: the cached thumbnail of the current file dropped;
// when the file written is another, it becomes the current photo (names,
// window and its cached thumbnail follow); and the list is scanned again
// when it shows the photo's folder.
bool SaveEditedPhoto(AppState& state, UserInterface& ui, std::string_view path);

// Finds the current photo in the list again (after a save or a rename that
// changed its name), when the list shows its folder: its position, the
// slot's strip position and the strip follow. With rescan, the folder is
// scanned first.
void RelocateCurrentPhoto(AppState& state, UserInterface& ui, bool rescan);

// Offers to save unsaved edits of the photo shown before the view leaves it
// for the photo at list position target; a save can renumber the list.
// Returns the position at which the target photo now stands. A save that
// fails keeps EditsDirty, so that the edits are not lost unseen.
std::int32_t ConfirmSaveEdits(AppState& state, UserInterface& ui, std::int32_t target);

}  // namespace lumetta
