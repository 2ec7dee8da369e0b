#include "core/state/busy.h"
#include "core/library/folder_scan.h"

#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/archive/archive_error.h"
#include "core/library/archive_folders.h"
#include "core/library/date_keys.h"
#include "core/library/photo_extensions.h"
#include "core/library/photo_sort.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

constexpr std::size_t kNameBytes = 255;

// The plain files of a folder in the order the platform lists them: hidden
// and read-only files included, sub-folders and anything that is not a
// regular file (devices, sockets: the system's own files) left out.
std::vector<std::string> PlainFilesOf(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return names;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    names.push_back(FromFsPath(it->path().filename()));
  }
  return names;
}

// Appends the photos among names to the list, leaving out a photo whose
// default edited-photo file is among them too (that file stands for it).
// folder is the folder on disk for file dates, or empty inside an archive.
void ListPhotos(AppState& state, UserInterface& ui, const std::vector<std::string>& names, const std::string& folder) {
  // Every companion ends in ".lum": the index needs only those names.
  FolderIndex edited_files;
  for (const std::string& name : names) {
    if (IsEditedPhotoName(name)) edited_files.Add(name);
  }
  PhotoList& photos = state.photos;
  for (const std::string& name : names) {
    if (!IsPhotoName(state.PhotoExtensions, name)) continue;
    if (edited_files.Contains(ListedEditedName(name))) continue;
    if (photos.PhotoCount >= MaxPhotos) {
      ui.ShowMessageBox({"フォルダ内に10000枚以上の写真があります。", "10000枚まで読み込めます。"});
      return;
    }
    PhotoEntry& entry = photos[++photos.PhotoCount];
    entry.Name = name.size() > kNameBytes ? CutToDataBytes(name, kNameBytes) : name;
    entry.FileDate = folder.empty() ? std::string(NoFileDate) : FileDateKey(JoinPath(folder, entry.Name));
    entry.ThumbLoaded = false;
  }
}

// An archive that cannot be read lists nothing here; the tree has said so.
void ListArchiveFolderPhotos(AppState& state, UserInterface& ui) {
  const ArchivePathParts parts = BrowsableArchive(state, state.CurrentFolder);
  if (parts.ArchiveFile.empty()) return;
  std::vector<std::string> names;
  try {
    names = ListArchiveFolder(state.folders.TempFolder, parts.ArchiveFile, parts.InnerPath);
  } catch (const EArchive&) {
    return;
  }
  ListPhotos(state, ui, names, "");
}

}  // namespace

std::string WatchFolderFor(const AppState& state) {
  const bool slot_selected = IsSlot(state.SlotIndex);
  std::string folder = slot_selected ? state.settings.SlotFolder[state.SlotIndex]
                                     : state.CurrentFolder;
  if (!folder.empty() && folder.back() == ':') folder = state.CurrentFolder;
  if (!IsDirectory(folder)) folder = ParentFolder(SplitArchivePath(folder).ArchiveFile);
  return folder;
}

void ScanFolder(AppState& state, UserInterface& ui) {
  PhotoList& photos = state.photos;
  for (std::int32_t i = 1; i <= photos.PhotoCount; ++i) {
    PhotoEntry& entry = photos[i];
    entry.Name.clear();
    entry.ThumbLoaded = false;
    entry.Unreadable = false;
    entry.Rotation = 0;
  }
  photos.PhotoCount = 0;

  CallHook(state.hooks.SetDirectory, WatchFolderFor(state));
  state.WatchArmed = true;

  if (state.CurrentFolder.empty()) return;
  {
    const BusyCursor busy(ui, !state.SlideShowActive);
    if (IsDirectory(state.CurrentFolder)) {
      ListPhotos(state, ui, PlainFilesOf(state.CurrentFolder), state.CurrentFolder);
    } else {
      ListArchiveFolderPhotos(state, ui);
    }
    SortPhotoList(state);
  }
  state.StripPos = state.settings.SortDirection == SortOrder::FromLeft ? 1 : photos.PhotoCount;
}

}  // namespace lumetta
