#include "core/state/busy.h"
#include "core/library/thumbnail_cache.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "core/state/app_state.h"
#include "core/base/folder_cleanup.h"
#include "core/library/thumbnail_cache_sweep.h"
#include "core/state/user_interface.h"
#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"
#include "core/library/thumb_cache_file.h"
#include "core/library/thumb_cache_path.h"
#include "core/library/thumb_rotation_file.h"
#include "core/library/thumb_strip.h"
#include "core/library/thumbnail_builder.h"
#include "core/imaging/thumbnail_fill.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

// The cached ".bmp" of a photo when there is one; no folder is created.
std::optional<std::string> ExistingCacheFile(const AppState& state, std::int32_t slot, const std::string& folder,
                                             const std::string& name) {
  return FindCacheFile(JoinPath(ResolvedThumbCacheFolder(state, slot, folder), ThumbCacheFileName(name)));
}

void DropCachedThumbnail(const AppState& state, const PhotoRecord& photo) {
  if (photo.Name.empty() || !IsSlot(photo.Slot)) return;
  if (auto cached = ExistingCacheFile(state, photo.Slot, photo.Folder, photo.Name)) RemoveCacheFile(*cached);
}

// A plain photo shown from the strip's folder: its rotation lives in the
// cache, an edited-photo file keeps its own.
bool IsPlainPhoto(const PhotoRecord& photo) { return !photo.Name.empty() && !IsEditedPhotoName(photo.Name); }

}  // namespace

void LoadThumbnail(AppState& state, UserInterface& ui, std::int32_t pos) {
  if (pos < 1 || pos > MaxPhotos) return;
  PhotoEntry& entry = state.photos[pos];
  if (entry.Name.empty()) return;

  std::string cache_path;
  std::optional<std::string> cached;
  if (IsSlot(state.SlotIndex)) {
    cache_path = ThumbCachePath(state, state.SlotIndex, state.CurrentFolder, entry.Name);
    cached = FindCacheFile(cache_path);
    if (auto rotation_file = FindCacheFile(ThumbRotationPath(cache_path))) {
      entry.Rotation = ReadThumbRotationFile(*rotation_file);
    }
  }
  if (!entry.ThumbCreated) {
    entry.Thumb = std::make_unique<TDibImage>();
    entry.ThumbCreated = true;
  }

  const bool from_cache = cached && LoadCachedThumbnail(*cached, *entry.Thumb);
  if (from_cache) {
    // The cached file is trusted as long as it exists.
  } else if (entry.Unreadable) {
    entry.Thumb->Assign(BlackThumbnail());
  } else {
    const BusyCursor busy(ui, !state.SlideShowActive);
    ThumbnailRequest request;
    request.PhotoPath = JoinPath(state.CurrentFolder, entry.Name);
    // A photo in an archive is read from a copy, which goes when the build
    // is done; its thumbnail is cached whatever its size. An archive that
    // cannot be read leaves the photo black: the tree has told why.
    ArchiveCopy extracted;
    if (!PathExists(request.PhotoPath) && state.ZipAvailable) {
      extracted = ExtractArchiveEntry(request.PhotoPath, state.folders.TempFolder);
      if (extracted.Extracted()) {
        request.PhotoPath = extracted.Path();
        request.FromArchive = true;
      }
    }
    request.Rotation = entry.Rotation;
    request.GlobalSharpness = state.settings.GlobalSharpness;
    request.BmpByPlugin = state.BmpByPlugin;
    request.TiffByPlugin = state.TiffByPlugin;
    request.CachePath = cache_path;
    const ThumbnailResult result = BuildThumbnail(request);
    if (result.Unreadable) {
      entry.Unreadable = true;
      state.WatchArmed = false;
    }
    entry.Thumb->Assign(result.Thumb);
  }
  entry.ThumbLoaded = true;
}

void ThumbnailMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真の", "サムネイル表示を更新するときに使います。",
                       "（同じファイル名で写真を入れ替えたとき等に）"});
  }
  const std::string remembered = state.photos.NameAt(state.StripPos);
  if (state.InPanorama()) {
    for (std::int32_t p = 1; p <= PaneCountOf(state.PanoramaMode); ++p) {
      DropCachedThumbnail(state, state.Panes[p]);
    }
  } else {
    DropCachedThumbnail(state, state.current);
  }
  ScanFolder(state, ui);
  std::int32_t pos = remembered.empty() ? 0 : FindPhotoPosition(state.photos, remembered);
  if (pos == 0) pos = state.photos.PhotoCount;
  state.StripPos = pos;
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, 1, true);
}

void AllThumbnailMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  if (state.CurrentFolder.empty()) {
    ui.ShowMessageBox({"このメニューは、選択しているフォルダ", "のサムネイル表示（キャッシュ）を全て更新します。",
                       "写真の回転情報も初期化されます。"});
    return;
  }
  const int answer = ui.AskYesNo({"現在選択しているフォルダ「" + FileNameOf(state.CurrentFolder) + "」",
                                  "のサムネイル表示（キャッシュ）を全て更新します。", "写真の回転情報も初期化されます。"});
  if (answer != 1) return;
  const BusyCursor busy(ui, true);
  if (IsSlot(state.SlotIndex)) {
    // Only ever below the thumbnail folder, and links are removed, never
    // followed.
    RemoveInside(state.folders.ThumbnailFolder, ResolvedThumbCacheFolder(state, state.SlotIndex, state.CurrentFolder));
  }
  ScanFolder(state, ui);
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, 1, true);
}

void RecordThumbnailRotation(AppState& state) {
  const PhotoRecord& photo = state.current;
  if (!IsPlainPhoto(photo) || !IsSlot(photo.Slot)) return;
  const std::string cache_path = ThumbCachePath(state, photo.Slot, photo.Folder, photo.Name);
  if (auto cached = FindCacheFile(cache_path)) RemoveCacheFile(*cached);
  const std::string rotation_path = ThumbRotationPath(cache_path);
  try {
    WriteThumbRotationFile(FindCacheFile(rotation_path).value_or(rotation_path), photo.Edits.Rotation);
  } catch (const EDataFile&) {
    // The turn stands in the view; the cache just will not remember it.
  }
}

void UpdateStripRotation(AppState& state) {
  const PhotoRecord& photo = state.current;
  if (!IsPlainPhoto(photo) || photo.Folder != state.CurrentFolder) return;
  PhotoList& photos = state.photos;
  const std::int32_t pos =
      photos.Valid(photo.Pos) && photos[photo.Pos].Name == photo.Name ? photo.Pos : FindPhotoPosition(photos, photo.Name);
  if (pos == 0) return;
  photos[pos].Rotation = photo.Edits.Rotation;
  photos[pos].ThumbLoaded = false;
  CallHook(state.hooks.PaintStrip, 1, true);
}

void ConnectThumbnailHooks(AppState& state) {
  state.view.hooks.RecordThumbnailRotation = [&state] { RecordThumbnailRotation(state); };
  state.view.hooks.UpdateStripRotation = [&state] { UpdateStripRotation(state); };
}

}  // namespace lumetta
