#include "core/favorites/favorites_store.h"

#include <algorithm>

#include "core/base/paths.h"
#include "core/favorites/favorite_names.h"

namespace lumetta {

namespace {

bool InFolder(const Favorite& favorite, std::string_view folder) {
  return FavoritesParent(favorite.FavoriteKey) == folder;
}

std::vector<Favorite>::iterator FindKey(FavoritesStore& store, std::string_view key) {
  return std::find_if(store.Favorites.begin(), store.Favorites.end(),
                      [key](const Favorite& f) { return f.FavoriteKey == key; });
}

// The stored form of a folder on disk, without a trailing separator, so
// that the whole-name prefix test holds for the root too.
std::string StoredFolder(std::string_view disk_folder) {
  std::string stored = StoredPhotoPath(WithoutTrailingSeparator(disk_folder));
  while (!stored.empty() && stored.back() == kFavoritesSeparator) stored.pop_back();
  return stored;
}

}  // namespace

std::vector<std::size_t> FavoritesIn(const FavoritesStore& store, std::string_view folder) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < store.Favorites.size(); ++i) {
    if (InFolder(store.Favorites[i], folder)) found.push_back(i);
  }
  return found;
}

std::size_t CountFavoritesIn(const FavoritesStore& store, std::string_view folder) {
  return static_cast<std::size_t>(std::count_if(store.Favorites.begin(), store.Favorites.end(),
                                                [folder](const Favorite& f) { return InFolder(f, folder); }));
}

bool FavoriteKeyExists(const FavoritesStore& store, std::string_view key) {
  return std::any_of(store.Favorites.begin(), store.Favorites.end(),
                     [key](const Favorite& f) { return f.FavoriteKey == key; });
}

bool FavoritesFolderExists(const FavoritesStore& store, std::string_view path) {
  return std::find(store.Folders.begin(), store.Folders.end(), path) != store.Folders.end();
}

bool HasFavoritesSubfolders(const FavoritesStore& store, std::string_view path) {
  if (path.empty()) return !store.Folders.empty();
  return std::any_of(store.Folders.begin(), store.Folders.end(), [path](const std::string& folder) {
    return folder != path && InOrBelowFavoritesFolder(folder, path);
  });
}

AddFavoriteResult AddFavorite(FavoritesStore& store, std::string_view folder, std::string_view name,
                              std::string_view photo_path) {
  const std::string key = JoinFavoritesPath(folder, name);
  if (FavoriteKeyExists(store, key)) return AddFavoriteResult::KeyExists;
  if (CountFavoritesIn(store, folder) >= static_cast<std::size_t>(MaxFavoritesPerFolder)) {
    return AddFavoriteResult::FolderFull;
  }
  store.Favorites.push_back({key, std::string(photo_path)});
  return AddFavoriteResult::Added;
}

bool RemoveFavorite(FavoritesStore& store, std::string_view key) {
  const auto it = FindKey(store, key);
  if (it == store.Favorites.end()) return false;
  store.Favorites.erase(it);
  return true;
}

RenameFavoriteResult RenameFavorite(FavoritesStore& store, std::string_view folder, std::string_view old_name,
                                    std::string_view new_name) {
  const std::string old_key = JoinFavoritesPath(folder, old_name);
  const std::string new_key = JoinFavoritesPath(folder, new_name);
  if (new_key == old_key) return RenameFavoriteResult::Unchanged;
  if (FavoriteKeyExists(store, new_key)) return RenameFavoriteResult::KeyExists;
  const auto it = FindKey(store, old_key);
  if (it == store.Favorites.end()) return RenameFavoriteResult::Missing;
  it->FavoriteKey = new_key;
  return RenameFavoriteResult::Renamed;
}

MoveFavoriteResult MoveFavorite(FavoritesStore& store, std::string_view key, std::string_view target) {
  const auto it = FindKey(store, key);
  if (it == store.Favorites.end()) return MoveFavoriteResult::Missing;
  if (FavoritesParent(key) == target) return MoveFavoriteResult::SameFolder;
  const std::string moved = JoinFavoritesPath(target, FavoritesLeaf(key));
  if (FavoriteKeyExists(store, moved)) return MoveFavoriteResult::KeyExists;
  if (CountFavoritesIn(store, target) >= static_cast<std::size_t>(MaxFavoritesPerFolder)) {
    return MoveFavoriteResult::FolderFull;
  }
  it->FavoriteKey = moved;
  return MoveFavoriteResult::Moved;
}

bool CreateFavoritesFolder(FavoritesStore& store, std::string_view path) {
  if (path.empty() || FavoritesFolderExists(store, path)) return false;
  const std::size_t depth = FavoritesDepth(path);
  const auto at = std::find_if(store.Folders.begin(), store.Folders.end(),
                               [depth](const std::string& line) { return FavoritesDepth(line) >= depth; });
  store.Folders.insert(at, std::string(path));
  return true;
}

DeleteFolderResult DeleteFavoritesFolder(FavoritesStore& store, std::string_view path) {
  const auto it = std::find(store.Folders.begin(), store.Folders.end(), path);
  if (path.empty() || it == store.Folders.end()) return DeleteFolderResult::Missing;
  if (CountFavoritesIn(store, path) > 0) return DeleteFolderResult::HasFavorites;
  if (HasFavoritesSubfolders(store, path)) return DeleteFolderResult::HasSubfolders;
  store.Folders.erase(it);
  return DeleteFolderResult::Deleted;
}

bool RenameFavoritesFolder(FavoritesStore& store, std::string_view old_path, std::string_view new_path) {
  if (old_path.empty() || new_path.empty() || old_path == new_path) return false;
  if (!FavoritesFolderExists(store, old_path) || InOrBelowFavoritesFolder(new_path, old_path)) return false;
  // Nothing may already answer to the new name: no folder, and no favorite
  // of a folder that a damaged file left unlisted.
  const auto taken = [new_path](std::string_view path) { return InOrBelowFavoritesFolder(path, new_path); };
  if (std::any_of(store.Folders.begin(), store.Folders.end(), taken)) return false;
  if (std::any_of(store.Favorites.begin(), store.Favorites.end(),
                  [&taken](const Favorite& f) { return taken(FavoritesParent(f.FavoriteKey)); })) {
    return false;
  }
  for (std::string& folder : store.Folders) folder = RebaseFavoritesPath(folder, old_path, new_path);
  for (Favorite& favorite : store.Favorites) {
    const std::string folder = FavoritesParent(favorite.FavoriteKey);
    if (InOrBelowFavoritesFolder(folder, old_path)) {
      favorite.FavoriteKey = RebaseFavoritesPath(favorite.FavoriteKey, old_path, new_path);
    }
  }
  return true;
}

std::size_t RebaseFavoritePhotos(FavoritesStore& store, std::string_view old_folder, std::string_view new_folder) {
  const std::string from = StoredFolder(old_folder);
  const std::string to = StoredFolder(new_folder);
  if (from.empty() || from == to) return 0;
  std::size_t moved = 0;
  for (Favorite& favorite : store.Favorites) {
    if (!InOrBelowFavoritesFolder(favorite.PhotoPath, from)) continue;
    favorite.PhotoPath = RebaseFavoritesPath(favorite.PhotoPath, from, to);
    ++moved;
  }
  return moved;
}

std::string StoredPhotoPath(std::string_view disk_path) {
  std::string stored(disk_path);
  std::replace(stored.begin(), stored.end(), kPathSeparator, kFavoritesSeparator);
  std::replace(stored.begin(), stored.end(), '/', kFavoritesSeparator);
  return stored;
}

std::string DiskPhotoPath(std::string_view stored_path) {
  std::string disk(stored_path);
  std::replace(disk.begin(), disk.end(), kFavoritesSeparator, kPathSeparator);
  return disk;
}

bool CanStorePhotoPath(std::string_view disk_path) {
  if (disk_path.empty() || HasControlChar(disk_path)) return false;
  // Where "\" is no separator it would turn into one on the way back.
  return kPathSeparator == kFavoritesSeparator || disk_path.find(kFavoritesSeparator) == std::string_view::npos;
}

}  // namespace lumetta
