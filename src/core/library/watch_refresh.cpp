#include "core/library/watch_refresh.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <unordered_set>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/library/thumb_strip.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace fs = std::filesystem;

void DirWatcherChange(AppState& state, UserInterface& ui, ChangeIgnore::Clock::time_point now) {
  if (!state.WatchArmed) return;
  if (state.IgnoreNextChange.Take(now)) return;
  RefreshAfterChange(state, ui);
}

bool PhotoListChanged(const AppState& state) {
  std::unordered_set<std::string> listed;
  for (std::int32_t pos = 1; pos <= state.photos.PhotoCount; ++pos) {
    const std::string& name = state.photos[pos].Name;
    if (!PathExists(JoinPath(state.CurrentFolder, name))) return true;
    listed.insert(FoldCase(name));
  }
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(state.CurrentFolder), ec);
  for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    const std::string name = FromFsPath(it->path().filename());
    if (IsPhotoName(state.PhotoExtensions, name) && listed.count(FoldCase(name)) == 0) return true;
  }
  return false;
}

void RefreshAfterChange(AppState& state, UserInterface& ui) {
  const std::string remembered = state.photos.Valid(state.StripPos) ? state.photos[state.StripPos].Name : "";
  if (!IsDirectory(state.CurrentFolder)) {
    if (!state.CurrentFolder.empty() && !SplitArchivePath(state.CurrentFolder).ArchiveFile.empty()) {
      CallHook(state.hooks.RebuildTree, state.CurrentFolder);
      return;
    }
    // The folder shown is gone: back to the slot's root.
    if (IsSlot(state.SlotIndex)) {
      state.CurrentFolder = state.settings.SlotFolder[state.SlotIndex];
      state.SlotLastFolder[state.SlotIndex] = state.CurrentFolder;
      state.SlotStripPos[state.SlotIndex] = 1;
    } else {
      state.CurrentFolder.clear();
    }
  }
  CallHook(state.hooks.RebuildTree, state.CurrentFolder);
  if (!PhotoListChanged(state)) return;
  ScanFolder(state, ui);
  state.StripPos = state.photos.PhotoCount;
  if (!remembered.empty()) {
    for (std::int32_t pos = 1; pos <= state.photos.PhotoCount; ++pos) {
      if (SameNameIgnoringCase(state.photos[pos].Name, remembered)) {
        state.StripPos = pos;
        break;
      }
    }
  }
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, 1, true);
}

}  // namespace lumetta
