#include "core/library/open_photo.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

// A relative path (from the command line) is taken from the working folder,
// so that slots and the watcher see the folder the user meant.
std::string AbsolutePath(std::string_view path) {
  std::filesystem::path p = ToFsPath(path);
  if (p.is_absolute()) return std::string(path);
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(p, ec);
  return ec ? std::string(path) : FromFsPath(absolute.lexically_normal());
}

// The slot radio buttons change without their click handlers acting.
void CheckSlotRadioQuietly(AppState& state, std::int32_t slot) {
  const bool ready = state.UiReady;
  state.UiReady = false;
  CallHook(state.hooks.CheckSlotRadio, slot);
  state.UiReady = ready;
}

}  // namespace

int SlotOfFolder(const AppState& state, std::string_view folder) {
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    const std::string& root = state.settings.SlotFolder[n];
    if (!root.empty() && StartsWithIgnoringCase(folder, root)) return n;
  }
  return 0;
}

void OpenPhotoByPath(AppState& state, UserInterface& ui, std::string_view path) {
  const std::string photo_path = AbsolutePath(path);
  state.CurrentFolder = ParentFolder(photo_path);

  const int slot = SlotOfFolder(state, state.CurrentFolder);
  if (slot == 0) {
    state.OpenFolder = state.CurrentFolder;
    CheckSlotRadioQuietly(state, 0);
    state.SlotIndex = 0;
    CallHook(state.hooks.ClearTree);
  } else {
    CheckSlotRadioQuietly(state, slot);
    state.SlotIndex = slot;
    CallHook(state.hooks.RebuildTree, state.CurrentFolder);
  }

  ScanFolder(state, ui);

  const std::string name = FileNameOf(photo_path);
  std::int32_t position = FindPhotoPosition(state.photos, name);
  const std::string edited_name = ListedEditedName(name);
  if (position == 0) position = FindPhotoPosition(state.photos, edited_name);
  if (position == 0) {
    ui.ShowMessageBox({"画像ファイル", "「" + edited_name + "」", "が見つかりませんでした。"});
    CallHook(state.hooks.PaintStrip, 1, true);
    return;
  }

  state.StripPos = position;
  if (IsSlot(state.SlotIndex)) {
    state.SlotLastFolder[state.SlotIndex] = state.CurrentFolder;
    state.SlotStripPos[state.SlotIndex] = position;
  }
  CallHook(state.hooks.PaintStrip, 1, true);
  CallHook(state.hooks.ShowPhoto, position, SortStep(state));
}

}  // namespace lumetta
