#include "core/variants/edited_photo_save.h"

#include <filesystem>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/thumb_cache_path.h"
#include "core/records/edited_names.h"
#include "core/records/edited_photo_writer.h"
#include "core/records/info_panel.h"
#include "core/records/variant_numbers.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

// The target's position in the list after a save: the first entry of its
// name, else one past the end.
std::int32_t PositionOfName(const AppState& state, std::string_view name) {
  for (std::int32_t p = 1; p <= state.photos.PhotoCount; ++p) {
    if (SameNameIgnoringCase(state.photos[p].Name, name)) return p;
  }
  return state.photos.PhotoCount + 1;
}

bool ListShowsCurrentFolder(const AppState& state) {
  return !state.CurrentFolder.empty() && state.CurrentFolder == state.current.Folder;
}

}  // namespace

void DropCachedThumbnail(const AppState& state, std::string_view name) {
  if (!IsSlot(state.current.Slot)) return;
  const std::string cache = JoinPath(ResolvedThumbCacheFolder(state, state.current.Slot, state.current.Folder),
                                     ThumbCacheFileName(name));
  std::error_code ec;
  if (const auto found = FindCacheFile(cache)) std::filesystem::remove(ToFsPath(*found), ec);
}

const std::vector<std::string>& SaveFailedLines() {
  static const std::vector<std::string> lines{"ファイルの保存が出来ませんでした。", "表示中写真の場所が、読込専用メディア",
                                              "（CD-ROMや書込み禁止にしてある場合など）", "の可能性があります。"};
  return lines;
}

PhotoEdits EditsToSave(const AppState& state) {
  PhotoEdits edits = state.current.Edits;
  edits.ZoomRatio = ZoomRatioOf(edits.Rotation, state.DecodedPhoto.Width(), state.DecodedPhoto.Height(),
                                state.view.ViewScale, state.view.ViewWidth);
  return edits;
}

bool WriteEditedPhoto(AppState& state, UserInterface& ui, std::string_view path, bool create_new) {
  bool written = false;
  {
    BusyCursor busy(ui);
    try {
      WriteEditedPhotoFile(path, EditsToSave(state), create_new);
      written = true;
    } catch (const EDataFile&) {
    }
  }
  if (!written) {
    ui.ShowMessageBox(SaveFailedLines());
    return false;
  }
  CallHook(state.view.hooks.RedrawComments);
  state.EditsDirty = false;
  state.IgnoreNextChange = true;
  return true;
}

bool SaveEditedPhoto(AppState& state, UserInterface& ui, std::string_view path) {
  if (!WriteEditedPhoto(state, ui, path)) return false;
  BusyCursor busy(ui);
  DropCachedThumbnail(state, state.current.Name);
  const std::string name = FileNameOf(path);
  if (name != state.current.Name) {
    state.current.Name = name;
    ShowPhotoNames(ui, name);
    ui.RepaintPicture(Picture::ViewImg);
    DropCachedThumbnail(state, name);
  }
  if (ListShowsCurrentFolder(state)) ScanFolder(state, ui);
  return true;
}

void RelocateCurrentPhoto(AppState& state, UserInterface& ui, bool rescan) {
  if (!ListShowsCurrentFolder(state)) return;
  BusyCursor busy(ui);
  if (rescan) ScanFolder(state, ui);
  const std::int32_t p = PositionOfName(state, state.current.Name);
  state.current.Pos = p;
  if (IsSlot(state.SlotIndex)) state.SlotStripPos[state.SlotIndex] = p;
  state.StripPos = p;
  CallHook(state.hooks.PaintStrip, 1, false);
}

std::int32_t ConfirmSaveEdits(AppState& state, UserInterface& ui, std::int32_t target) {
  if (!state.EditsDirty) return target;
  if (!state.PhotoShown()) {
    state.EditsDirty = false;  // nothing on show whose edits could be saved
    return target;
  }
  std::string target_name = state.photos.Valid(target) ? state.photos[target].Name : std::string();
  const bool target_is_current = target > 0 && target_name == state.current.Name;
  bool answered_yes = false;
  bool saved = false;
  if (!IsEditedPhotoName(state.current.Name)) {
    answered_yes = ui.AskYesNo({"表示中の写真", state.current.Name, "の明るさ・コントラスト・シャープネス等が",
                                "編集されています。", "Lumetta形式（.lum）で保存しますか？",
                                "（元の画像ファイルは変更されません）"}) == 1;
    if (answered_yes) {
      const std::string name =
          VariantFileName(EditedBaseName(state.current.Name), 0, state.settings.UpperCaseExt != 0);
      if (target_is_current) target_name = name;
      saved = SaveEditedPhoto(state, ui, JoinPath(state.current.Folder, name));
    }
  } else {
    answered_yes = ui.AskYesNo({"表示中の写真", state.current.Name, "の明るさ・シャープネス・回転情報等が",
                                "編集されています。上書き保存しますか？"}) == 1;
    if (answered_yes) saved = SaveEditedPhoto(state, ui, JoinPath(state.current.Folder, state.current.Name));
  }
  if (answered_yes && target > 0) {
    target = PositionOfName(state, target_name);
    state.StripPos = target;
  }
  // A save that failed has shown its message; the edits stay marked so
  // that they are offered again rather than dropped.
  if (!answered_yes || saved) state.EditsDirty = false;
  return target;
}

}  // namespace lumetta
