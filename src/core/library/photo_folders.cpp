#include "core/library/photo_folders.h"

#include <string>

#include "core/state/app_state.h"
#include "core/state/settings_file.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_scan.h"
#include "core/library/folder_tree.h"
#include "core/library/slot_labels.h"

namespace lumetta {

namespace {

// What the folder chooser starts on: a drive root gets its separator, and
// the desktop, where the chooser starts anyway, none at all.
std::string Preselection(const AppState& state, const std::string& folder) {
  if (folder.empty()) return folder;
  if (!state.folders.DesktopFolder.empty() &&
      SameNameIgnoringCase(WithoutTrailingSeparator(folder), WithoutTrailingSeparator(state.folders.DesktopFolder))) {
    return "";
  }
  if (folder.back() == ':') return folder + kPathSeparator;
  return folder;
}

std::string ChosenFolder(const std::optional<std::string>& chosen) {
  return chosen ? WithoutTrailingSeparator(*chosen) : std::string();
}

void ForgetCurrentPhotoSlot(AppState& state, std::int32_t slot) {
  if (state.current.Slot == slot) state.current.Slot = 0;
}

}  // namespace

void SelectSlot(AppState& state, UserInterface& ui, std::int32_t slot) {
  if (!IsSlot(slot)) return;
  CallHook(state.hooks.CheckSlotRadio, slot);
  ui.SetFocus(Ctl::DummyBtn);
  state.SlotIndex = slot;
  state.CurrentFolder = state.SlotLastFolder[slot];
  CheckSlotFolder(state, ui, slot);
  ScanFolder(state, ui);
  std::int32_t& kept = state.SlotStripPos[slot];
  state.StripPos = kept;
  if (state.StripPos > state.photos.PhotoCount) {
    state.StripPos = state.photos.PhotoCount;
    kept = state.photos.PhotoCount;
  }
  CallHook(state.hooks.PaintStrip, 1, true);
}

void CheckSlotFolder(AppState& state, UserInterface& ui, std::int32_t slot) {
  ClearFolderTree(state);
  if (!IsSlot(slot)) return;
  std::string& root = state.settings.SlotFolder[slot];
  if (root.empty()) return;
  if (IsDirectory(root)) {
    RebuildTree(state, ui, state.CurrentFolder);
    return;
  }
  ui.ShowMessageBox({"設定されているフォルダが見つかりませんでした。", "このフォルダの設定を解除しました。"});
  root.clear();
  RefreshSlotLabels(state, ui);
}

void FolderRadioClick(AppState& state, UserInterface& ui, std::int32_t slot) {
  ui.SetFocus(Ctl::DummyBtn);
  if (state.SlideShowActive) {
    CallHook(state.hooks.StopSlideShow);
    // The click checked the button; the selection has not changed.
    CallHook(state.hooks.CheckSlotRadio, state.SlotIndex);
    return;
  }
  if (!state.UiReady) {
    CallHook(state.hooks.CheckSlotRadio, state.SlotIndex);
    return;
  }
  SelectSlot(state, ui, slot);
}

void FolderBtnClick(AppState& state, UserInterface& ui, std::int32_t slot) {
  if (!state.UiReady || !IsSlot(slot)) return;
  const std::string number = std::to_string(slot);
  std::string& root = state.settings.SlotFolder[slot];
  const std::string chosen =
      ChosenFolder(ui.ChooseFolder("「写真のあるフォルダ(" + number + ")」を設定", Preselection(state, root)));
  if (!chosen.empty()) {
    root = chosen;
    WriteSettingsFile(state, ui);
    ForgetCurrentPhotoSlot(state, slot);
    state.SlotLastFolder[slot] = root;
    state.SlotStripPos[slot] = 1;
    RefreshSlotLabels(state, ui);
    SelectSlot(state, ui, slot);
  } else if (!root.empty() &&
             ui.AskYesNo({"「写真のあるフォルダ(" + number + ")」の設定を解除しますか？",
                          "（サムネイル画像のキャッシュもクリアされます）"}) == 1) {
    // The slot's cached thumbnails go with the monthly sweep of the cache.
    root.clear();
    WriteSettingsFile(state, ui);
    ForgetCurrentPhotoSlot(state, slot);
    state.SlotLastFolder[slot].clear();
    state.SlotStripPos[slot] = 1;
    RefreshSlotLabels(state, ui);
    if (state.SlotIndex == slot) SelectSlot(state, ui, slot);
  }
  ui.SetFocus(Ctl::DummyBtn);
}

void OpenBtnClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  const std::string chosen =
      ChosenFolder(ui.ChooseFolder("「写真を開くフォルダ」を設定", Preselection(state, state.OpenFolder)));
  if (chosen.empty()) return;
  state.CurrentFolder = chosen;
  state.OpenFolder = chosen;
  CallHook(state.hooks.CheckSlotRadio, 0);
  state.SlotIndex = 0;
  ClearFolderTree(state);
  ScanFolder(state, ui);
  CallHook(state.hooks.PaintStrip, 1, true);
}

void ExplorerBtnClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  std::string folder = state.CurrentFolder.empty() ? state.folders.DesktopFolder : state.CurrentFolder;
  if (!IsDirectory(folder)) {
    const std::string archive = SplitArchivePath(folder).ArchiveFile;
    folder = archive.empty() ? std::string() : ParentFolder(archive);
  }
  if (!folder.empty()) ui.OpenInFileManager(folder);
}

}  // namespace lumetta
