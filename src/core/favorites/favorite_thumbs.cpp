#include "core/favorites/favorite_thumbs.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/favorites/favorite_names.h"
#include "core/favorites/favorites_page.h"
#include "core/favorites/favorites_store.h"
#include "core/library/archive_folders.h"
#include "core/library/thumb_cache_file.h"
#include "core/library/thumb_cache_path.h"
#include "core/library/thumb_rotation_file.h"
#include "core/library/thumbnail_builder.h"
#include "core/imaging/thumbnail_fill.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kOkFolderName = "OK";

bool IsSeparator(char c) { return c == '/' || c == kPathSeparator; }

// path lies strictly inside root once "." and ".." are worked out.
bool LexicallyInside(const std::string& root, const std::string& path) {
  const fs::path r = ToFsPath(root).lexically_normal();
  const fs::path p = ToFsPath(path).lexically_normal();
  auto ri = r.begin();
  auto pi = p.begin();
  for (; ri != r.end(); ++ri, ++pi) {
    if (ri->empty()) continue;  // the empty last element of a trailing separator
    if (pi == p.end() || *ri != *pi) return false;
  }
  return pi != p.end() && !pi->empty();
}

TDibImage GreyThumbnail() {
  TDibImage grey = BlackThumbnail();
  grey.Fill(128, 128, 128);
  return grey;
}

// The slot's cache path of a photo inside slot 1..3; no folder is created.
std::string SlotThumbPath(const AppState& state, std::int32_t slot, const std::string& disk_path) {
  const std::string path = JoinPath(ResolvedThumbCacheFolder(state, slot, ParentFolder(disk_path)),
                                    ThumbCacheFileName(FileNameOf(disk_path)));
  return FindCacheFile(path).value_or(path);
}

}  // namespace

std::string FavoritesThumbFolder(const AppState& state) {
  return ResolveInFolder(state.folders.ThumbnailFolder, kOkFolderName);
}

bool PathLiesIn(std::string_view path, std::string_view folder) {
  if (folder.empty() || path.size() < folder.size() || path.substr(0, folder.size()) != folder) return false;
  if (path.size() == folder.size() || IsSeparator(folder.back())) return true;
  return IsSeparator(path[folder.size()]);
}

std::int32_t SlotHoldingPhoto(const AppState& state, std::string_view disk_path) {
  for (std::int32_t n = 1; n <= 3; ++n) {
    const std::string root = WithoutTrailingSeparator(state.settings.SlotFolder[n]);
    if (!root.empty() && PathLiesIn(disk_path, root)) return n;
  }
  return 0;
}

std::string OkThumbPath(const AppState& state, std::string_view favorites_folder, std::string_view disk_photo_path) {
  if (!IsUsableFavoritesPath(favorites_folder)) return {};
  const std::string name = FileNameOf(disk_photo_path);
  if (name.empty() || name == "." || name == "..") return {};
  const std::string file = ThumbCacheFileName(name);
  if (std::any_of(file.begin(), file.end(), IsSeparator)) return {};
  const std::string ok = FavoritesThumbFolder(state);
  std::string path = ok;
  for (const std::string& level : FavoritesComponents(favorites_folder)) {
    path = JoinPath(path, FindNameInFolder(path, level).value_or(level));
  }
  path = JoinPath(path, file);
  if (!LexicallyInside(ok, path)) return {};
  return FindCacheFile(path).value_or(path);
}

std::string FavoriteThumbPath(const AppState& state, std::string_view favorites_folder,
                              std::string_view stored_photo_path) {
  const std::string disk = DiskPhotoPath(stored_photo_path);
  if (const std::int32_t slot = SlotHoldingPhoto(state, disk); slot != 0) return SlotThumbPath(state, slot, disk);
  return OkThumbPath(state, favorites_folder, disk);
}

bool LoadFavoriteThumb(AppState& state, UserInterface& ui, FavoritesPage& page, std::int32_t i) {
  if (!page.Valid(i)) return false;
  FavoriteSlot& slot = page[i];
  const std::string disk = DiskPhotoPath(slot.PhotoPath);
  const std::int32_t in_slot = SlotHoldingPhoto(state, disk);
  std::string thumb_path;
  if (in_slot != 0) {
    DeleteOwnFavoriteThumb(state, page.Folder, slot.PhotoPath);
    thumb_path = SlotThumbPath(state, in_slot, disk);
  } else {
    thumb_path = OkThumbPath(state, page.Folder, disk);
  }

  std::optional<std::string> cached;
  if (!thumb_path.empty()) {
    cached = FindCacheFile(thumb_path);
    if (auto rotation_file = FindCacheFile(ThumbRotationPath(thumb_path))) {
      slot.Rotation = ReadThumbRotationFile(*rotation_file);
    }
  }
  if (!slot.Thumb) slot.Thumb = std::make_unique<TDibImage>();

  bool built = false;
  if (cached && LoadCachedThumbnail(*cached, *slot.Thumb)) {
    // The kept thumbnail is trusted as long as it exists.
  } else if (slot.Unreadable) {
    slot.Thumb->Assign(GreyThumbnail());
  } else {
    built = true;
    const BusyCursor busy(ui, !state.SlideShowActive);
    ThumbnailRequest request;
    request.PhotoPath = disk;
    // A favorite inside an archive is drawn from a copy, as in the strip.
    ArchiveCopy extracted;
    if (!PathExists(disk) && state.ZipAvailable) {
      extracted = ExtractArchiveEntry(disk, state.folders.TempFolder);
      if (extracted.Extracted()) {
        request.PhotoPath = extracted.Path();
        request.FromArchive = true;
      }
    }
    request.Rotation = slot.Rotation;
    request.GlobalSharpness = state.settings.GlobalSharpness;
    request.BmpByPlugin = state.BmpByPlugin;
    request.TiffByPlugin = state.TiffByPlugin;
    request.CachePath = thumb_path;
    const ThumbnailResult result = BuildThumbnail(request);
    if (result.Made) {
      slot.Thumb->Assign(result.Thumb);
    } else {
      slot.Unreadable = true;
      slot.Thumb->Assign(GreyThumbnail());
    }
  }
  slot.ThumbLoaded = true;
  return built;
}

void DeleteOwnFavoriteThumb(const AppState& state, std::string_view favorites_folder,
                            std::string_view stored_photo_path) {
  const std::string disk = DiskPhotoPath(stored_photo_path);
  const std::string path = OkThumbPath(state, favorites_folder, disk);
  if (path.empty()) return;
  const std::optional<std::string> bmp = FindCacheFile(path);
  const std::optional<std::string> dat = FindCacheFile(ThumbRotationPath(path));
  if (!bmp && !dat) return;
  if (bmp) RemoveCacheFile(*bmp);
  if (dat) RemoveCacheFile(*dat);
  // Only an empty folder goes, and never the "OK" folder itself.
  const std::string folder = ParentFolder(bmp ? *bmp : *dat);
  if (LexicallyInside(FavoritesThumbFolder(state), folder)) {
    std::error_code ec;
    fs::remove(ToFsPath(folder), ec);
  }
}

void DeleteFavoriteThumbFile(const AppState& state, std::string_view favorites_folder,
                             std::string_view stored_photo_path) {
  const std::string path = FavoriteThumbPath(state, favorites_folder, stored_photo_path);
  if (path.empty()) return;
  if (const std::optional<std::string> bmp = FindCacheFile(path)) RemoveCacheFile(*bmp);
}

}  // namespace lumetta
