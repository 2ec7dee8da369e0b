#include "core/app/missing_source.h"

#include <vector>

#include "core/state/app_state.h"
#include "core/library/open_photo.h"
#include "core/app/show_photo.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/file_operations.h"
#include "core/library/folder_scan.h"
#include "core/library/thumb_strip.h"
#include "core/records/edited_names.h"
#include "core/view/clear_view.h"

namespace lumetta {

namespace {

// Moves every edited-photo file of the old source into the chosen source's
// folder, named after it: IMG_0001_JPG-002.lum follows trip.JPG as
// trip_JPG-002.lum. A file whose new name is taken stays where it is.
// Returns the new name of the file being shown, or nothing when it did not
// move.
std::optional<std::string> MoveEditedFilesTo(AppState& state, const std::string& edited_path,
                                             const std::string& old_source, const std::string& new_source) {
  const std::string folder = ParentFolder(new_source);
  const std::string new_base = EditedBaseName(FileNameOf(new_source));
  const std::size_t old_base_length = EditedBaseName(FileNameOf(old_source)).size();
  std::optional<std::string> shown_name;
  bool moved = false;
  for (const std::string& file : ListEditedFiles(old_source)) {
    const std::string name = FileNameOf(file);
    if (name.size() < old_base_length) continue;
    const std::string new_name = new_base + name.substr(old_base_length);
    if (!MoveFileKeepingTarget(file, JoinPath(folder, new_name))) continue;
    moved = true;
    if (name == FileNameOf(edited_path)) shown_name = new_name;
  }
  if (moved) state.IgnoreNextChange = true;
  return shown_name;
}

void LocateSource(AppState& state, UserInterface& ui, const std::string& edited_path, const std::string& source,
                  const std::string& chosen) {
  ui.ProcessPendingPaints();
  const std::optional<std::string> moved_name = MoveEditedFilesTo(state, edited_path, source, chosen);
  // The moved file is opened under its new name, since under its old one
  // it would be found nowhere when the chosen source is named otherwise.
  // When it could not move (its new name was taken), the chosen photo is
  // opened, shown through the edited-photo file that stands for it there.
  OpenPhotoByPath(state, ui, moved_name ? JoinPath(ParentFolder(chosen), *moved_name) : chosen);
}

// Sends the edited-photo file to the trash, leaves the view empty and shows
// the photo that now stands at the strip's position.
void TrashEditedFile(AppState& state, UserInterface& ui, std::int32_t step, const std::string& edited_name) {
  MoveToRecycleBin(state, ui, state.SlotIndex, JoinPath(state.CurrentFolder, edited_name));
  ClearView(state, ui);

  const std::int32_t kept = state.StripPos;
  ScanFolder(state, ui);
  state.StripPos = kept;
  if (state.StripPos > state.photos.PhotoCount && state.photos.PhotoCount > 0) {
    state.StripPos = state.photos.PhotoCount;
  }
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, 1, false);
  if (state.photos.Valid(state.StripPos) && !state.photos[state.StripPos].Name.empty()) {
    CallHook(state.hooks.RemoveHoverLabel);
    ShowPhoto(state, ui, state.StripPos, step);
  }
}

}  // namespace

void FollowMissingSource(AppState& state, UserInterface& ui, std::int32_t position, std::int32_t step,
                         const std::string& edited_path, const std::string& source_path) {
  if (!IsRegularFile(edited_path) || state.SlideShowActive || state.InPanorama()) {
    ShowReadError(state, ui, position, false);
    return;
  }
  const std::string edited_name = FileNameOf(edited_path);
  const std::string source_name = FileNameOf(source_path);
  if (ui.AskYesNo(
          {"元の画像ファイル", source_name, "が存在しません。", "元の画像ファイルのある場所を指定しますか？"}) == 1) {
    const std::optional<std::string> chosen =
        ui.ChooseOpenFile("「" + edited_name + "」の元画像ファイルを指定", state.CurrentFolder, source_name);
    if (!chosen) {
      ShowReadError(state, ui, position, false);
      return;
    }
    LocateSource(state, ui, edited_path, source_path, *chosen);
    return;
  }
  if (ui.AskYesNo({"Lumetta形式ファイル", edited_name, "をごみ箱へ移動しますか？"}) == 1) {
    TrashEditedFile(state, ui, step, edited_name);
    return;
  }
  ShowReadError(state, ui, position, false);
}

}  // namespace lumetta
