#include "core/library/folder_commands.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/state/app_state.h"
#include "core/state/settings_file.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/folder_tree.h"
#include "core/library/photo_folders.h"
#include "core/library/slot_labels.h"
#include "core/library/thumb_cache_path.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

// The folder dialog's path label, in the slot labels' font.
constexpr int kFolderFormLabelWidth = 300;

constexpr std::string_view kNewFolderName = "新しいフォルダ";
constexpr std::string_view kForbiddenChars = "\\/:*?\"<>|";

bool SlotSelected(const AppState& state) { return IsSlot(state.SlotIndex); }

bool HasSeparator(std::string_view path) {
  return path.find('/') != std::string_view::npos || path.find(kPathSeparator) != std::string_view::npos;
}

// The path once the folder old_folder is called new_folder, when path is
// that folder or lies below it.
std::optional<std::string> Rebased(std::string_view path, std::string_view old_folder, std::string_view new_folder) {
  if (path.size() < old_folder.size() || path.substr(0, old_folder.size()) != old_folder) return std::nullopt;
  const std::string_view rest = path.substr(old_folder.size());
  if (!rest.empty() && rest.front() != kPathSeparator && rest.front() != '/') return std::nullopt;
  return std::string(new_folder) + std::string(rest);
}

bool Rebase(std::string& path, std::string_view old_folder, std::string_view new_folder) {
  if (auto moved = Rebased(path, old_folder, new_folder)) {
    path = std::move(*moved);
    return true;
  }
  return false;
}

// Another entry of the folder already bears the name, whatever its case:
// the folder would clash with it on a disk that ignores case.
bool NameTaken(const std::string& parent, const std::string& name, const std::string& own_name) {
  if (PathExists(JoinPath(parent, name)) && name != own_name) return true;
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(parent), ec);
  if (ec) return false;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string entry = FromFsPath(it->path().filename());
    if (entry != own_name && SameNameIgnoringCase(entry, name)) return true;
  }
  return false;
}

// Everything the program holds that named the folder now names it anew.
// Returns whether a slot root moved.
bool FollowRename(AppState& state, const std::string& old_folder, const std::string& new_folder) {
  bool roots_moved = false;
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    roots_moved |= Rebase(state.settings.SlotFolder[n], old_folder, new_folder);
    Rebase(state.SlotLastFolder[n], old_folder, new_folder);
  }
  Rebase(state.CurrentFolder, old_folder, new_folder);
  Rebase(state.OpenFolder, old_folder, new_folder);
  Rebase(state.current.Folder, old_folder, new_folder);
  for (PhotoRecord& pane : state.Panes) Rebase(pane.Folder, old_folder, new_folder);
  return roots_moved;
}

// The folder's cached thumbnails move with it; a cache that cannot be moved
// stays for the monthly sweep.
void MoveThumbCache(const std::string& old_cache, const std::string& new_cache) {
  if (old_cache.empty() || new_cache.empty() || old_cache == new_cache) return;
  if (!IsDirectory(old_cache) || PathExists(new_cache)) return;
  std::error_code ec;
  fs::create_directories(ToFsPath(ParentFolder(new_cache)), ec);
  fs::rename(ToFsPath(old_cache), ToFsPath(new_cache), ec);
}

bool IsPlainDirectory(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(ToFsPath(path), ec).type() == fs::file_type::directory && !ec;
}

}  // namespace

int OpenFolderForm(AppState& state, UserInterface& ui, const std::string& folder, bool rename_only) {
  FolderFormRequest request;
  request.Folder = folder;
  const SlotLines lines = SlotDisplayName(state, ui, folder, kFolderFormLabelWidth);
  request.ShownPath = lines.Line1 + (lines.Line2 == " " ? std::string() : lines.Line2);
  request.RenameOnly = rename_only;
  return ui.RunFolderForm(request,
                          [&state, &ui, &folder](const std::string& typed) {
                            return RenameDiskFolder(state, ui, folder, typed);
                          });
}

bool RenameDiskFolder(AppState& state, UserInterface& ui, const std::string& folder, const std::string& typed) {
  if (typed.find_first_of(kForbiddenChars) != std::string::npos) {
    ui.ShowMessageBox({"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"});
    return false;
  }
  // An empty name would name the parent folder itself.
  if (typed.empty()) return false;
  const std::string parent = ParentFolder(folder);
  const std::string renamed = JoinPath(parent, typed);
  if (renamed == folder) return true;
  if (NameTaken(parent, typed, FileNameOf(folder))) {
    ui.ShowMessageBox({"フォルダ名「" + typed + "」は", "すでに存在していますので、フォルダ名を変更できません。"});
    return false;
  }

  const bool in_slot = SlotSelected(state);
  const std::string old_cache = in_slot ? ResolvedThumbCacheFolder(state, state.SlotIndex, folder) : std::string();
  std::error_code ec;
  fs::rename(ToFsPath(folder), ToFsPath(renamed), ec);
  if (ec) {
    ui.ShowMessageBox({"ハード的なエラーが原因で", "フォルダ名を変更できませんでした。"});
    return false;
  }

  if (FollowRename(state, folder, renamed)) {
    WriteSettingsFile(state, ui);
    // The slot's two-line label and its hint show the new path.
    RefreshSlotLabels(state, ui);
  }
  RebuildTree(state, ui, state.CurrentFolder);
  if (in_slot) MoveThumbCache(old_cache, ResolvedThumbCacheFolder(state, state.SlotIndex, renamed));
  CallHook(state.hooks.RenameFavoritePhotoFolder, folder, renamed);
  // The watched folder may be the one renamed.
  CallHook(state.hooks.SetDirectory, WatchFolderFor(state));
  state.IgnoreNextChange = true;
  return true;
}

void DeleteCurrentFolder(AppState& state, UserInterface& ui) {
  if (WithoutTrailingSeparator(state.CurrentFolder) == WithoutTrailingSeparator(SlotRoot(state))) {
    ui.ShowMessageBox({"ルートフォルダは削除できません。"});
    return;
  }
  // Only ever one empty folder: a link, even to an empty folder, is no
  // folder of the user's to remove, and removing a directory fails unless
  // it is empty.
  std::error_code ec;
  bool removed = false;
  if (IsPlainDirectory(state.CurrentFolder)) removed = fs::remove(ToFsPath(state.CurrentFolder), ec);
  if (!removed || ec) {
    ui.ShowMessageBox({"フォルダが空でないか", "もしくはハード的なエラーのため", "フォルダを削除できませんでした。"});
    return;
  }
  state.CurrentFolder = ParentFolder(state.CurrentFolder);
  if (SlotSelected(state)) {
    state.SlotLastFolder[state.SlotIndex] = state.CurrentFolder;
    state.SlotStripPos[state.SlotIndex] = 1;
  }
  CheckSlotFolder(state, ui, state.SlotIndex);
  ScanFolder(state, ui);
  CallHook(state.hooks.PaintStrip, 1, true);
  state.IgnoreNextChange = true;
}

void CreateFolderInCurrent(AppState& state, UserInterface& ui) {
  const std::string created = JoinPath(state.CurrentFolder, kNewFolderName);
  if (PathExists(created) || FindNameInFolder(state.CurrentFolder, kNewFolderName)) {
    ui.ShowMessageBox({"フォルダ名「新しいフォルダ」が", "すでに存在していますので", "新しいフォルダは作成できません。"});
    return;
  }
  std::error_code ec;
  if (!fs::create_directory(ToFsPath(created), ec) || ec) {
    ui.ShowMessageBox({"ハード的なエラーが原因で", "新しいフォルダを作成できませんでした。"});
    return;
  }
  CheckSlotFolder(state, ui, state.SlotIndex);
  state.IgnoreNextChange = true;
  OpenFolderForm(state, ui, created, true);
}

void FolderTreeMouseDown(AppState& state, UserInterface& ui, FolderNode* node, bool right_button) {
  ui.SetFocus(Ctl::DummyBtn);
  if (state.SlideShowActive) {
    CallHook(state.hooks.StopSlideShow);
    return;
  }
  FolderTree& tree = state.tree;
  if (tree.ExpandInProgress) {
    tree.ExpandInProgress = false;
    return;
  }
  if (!state.UiReady || !SlotSelected(state)) return;
  if (node != nullptr) {
    tree.Select(node);
    OpenNode(state, ui, *node, false);
  }
  if (!right_button || !IsDirectory(state.CurrentFolder) || !HasSeparator(state.CurrentFolder)) return;
  // The dialog may rebuild the tree: node is not used after this.
  const std::string folder = state.CurrentFolder;
  switch (OpenFolderForm(state, ui, folder, false)) {
    case kFolderFormDelete:
      DeleteCurrentFolder(state, ui);
      break;
    case kFolderFormNewFolder:
      CreateFolderInCurrent(state, ui);
      break;
    default:
      break;
  }
}

}  // namespace lumetta
