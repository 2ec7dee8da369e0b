#pragma once
// The viewer's commands on the shown photo's file: to the trash (Del), a new
// name (F2), and a move by dragging the view or a strip cell onto a folder
// of the folder tree. The photo's edited-photo files and cached thumbnails
// always go with it.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/library/file_operations.h"

namespace lumetta {

struct AppState;
class UserInterface;

// "この写真をごみ箱へ移動 ［Del］": asks, then moves the shown photo to the
// trash with its numbered variants (an edited-photo file goes alone, so
// that its photo is listed again) and shows the photo that follows.
void DeleteMenuClick(AppState& state, UserInterface& ui);

// "この写真のファイル名を変更 ［Ｆ２］". For an edited-photo file,
// edited_rename runs the edited-photo rename dialog with its own renames and
// answers 99 when the user chose to rename the source photo instead; unset,
// F2 on an edited-photo file renames its source photo at once.
void RenameMenuClick(AppState& state, UserInterface& ui, const std::function<int()>& edited_rename = {});

// Renames the source photo of the edited-photo file on show, with all its
// edited-photo files, and shows the file under its new name: the
// hand-over of the edited-photo rename dialog's "rename the source photo".
void RenameShownSourcePhoto(AppState& state, UserInterface& ui);

// The rename dialog for the photo file at old_path and the rename itself
// with its edited-photo files and cache. The new file name, or nothing when
// cancelled, refused or failed (the user has been told why).
std::optional<std::string> AskNewName(AppState& state, UserInterface& ui, std::string_view old_path);

// A rename as the dialog's "決定" does it with typed, after the checks and
// the extension question (the old extension added when typed has none):
// the photo, its edited-photo files and cache renamed, IgnoreNextChange
// set. Nothing when refused, declined or failed (the user has been told).
std::optional<PhotoFilesOutcome> RenamePhotoAsTyped(AppState& state, UserInterface& ui, std::string_view old_path,
                                                    std::string_view typed);

// The shown photo dragged from the view onto folder (the tree node's
// folder).
void DropViewOnTree(AppState& state, UserInterface& ui, std::string_view folder);
// The photo of a strip cell (its list position) dragged onto folder.
void DropStripCellOnTree(AppState& state, UserInterface& ui, std::int32_t position, std::string_view folder);

// The path source takes in folder, after the checks (each refusal told to
// the user): not from or into an archive, not into its own folder, no file
// of its name there in any case.
std::optional<std::string> MoveTargetFor(UserInterface& ui, std::string_view source, std::string_view folder);

// Moves the photo at source into folder with its companions, after the
// checks: not from or into an archive, not into its own folder, no file of
// its name there. reopen clears the view and shows the photo that follows.
bool MoveToTreeNode(AppState& state, UserInterface& ui, std::string_view source, std::string_view folder,
                    bool reopen);

// After the shown photo's file went away: an empty view, and with rescan
// the list read again and the photo now at the strip's position shown.
void ClearAfterRemoval(AppState& state, UserInterface& ui, bool rescan);

// The messages these commands show.
extern const std::vector<std::string> kRenameFailedLines;
extern const std::vector<std::string> kMoveFailedLines;
extern const std::vector<std::string> kTrashFailedLines;
std::vector<std::string> SourceKeptLines(std::string_view name);

}  // namespace lumetta
