#pragma once
// The favorites album as its three files hold it: the favorites folders
// ("OkiniF.dat"), the favorites' keys ("Okini.dat") and, line for line, the
// photos they show ("Okini2.dat"). The operations here change the lists in
// memory only; favorites_files writes them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

inline constexpr std::int32_t MaxFavoritesPerFolder = 300;

struct Favorite {
  // The folder's path, "\" and the favorite's name; the name alone in the
  // top folder.
  std::string FavoriteKey;
  // The photo as the file stores it: its full path with "\" between the
  // names (see StoredPhotoPath).
  std::string PhotoPath;

  bool operator==(const Favorite&) const = default;
};

struct FavoritesStore {
  // Folder paths in file order: every folder after its parent.
  std::vector<std::string> Folders;
  // Favorites in the order they were added.
  std::vector<Favorite> Favorites;
  // Lines of the longer of "Okini.dat" and "Okini2.dat" that had no partner
  // in the other when the files were read; they are not kept.
  std::size_t UnpairedLines = 0;
};

// The favorites of a folder, as positions in Favorites, in file order.
std::vector<std::size_t> FavoritesIn(const FavoritesStore& store, std::string_view folder);
std::size_t CountFavoritesIn(const FavoritesStore& store, std::string_view folder);
bool FavoriteKeyExists(const FavoritesStore& store, std::string_view key);
bool FavoritesFolderExists(const FavoritesStore& store, std::string_view path);
// Whether some other folder lies below path.
bool HasFavoritesSubfolders(const FavoritesStore& store, std::string_view path);

enum class AddFavoriteResult { Added, KeyExists, FolderFull };
// Appends folder\name with its photo, unless the key exists or the folder
// already holds MaxFavoritesPerFolder favorites (one more could not be
// shown).
AddFavoriteResult AddFavorite(FavoritesStore& store, std::string_view folder, std::string_view name,
                              std::string_view photo_path);

// Deletes the first favorite with the key; false when there is none.
bool RemoveFavorite(FavoritesStore& store, std::string_view key);

enum class RenameFavoriteResult { Renamed, Unchanged, KeyExists, Missing };
// Gives the favorite old_name of folder the name new_name, in its line.
RenameFavoriteResult RenameFavorite(FavoritesStore& store, std::string_view folder, std::string_view old_name,
                                    std::string_view new_name);

enum class MoveFavoriteResult { Moved, SameFolder, KeyExists, FolderFull, Missing };
// Moves the favorite with key into target (same name, same line).
MoveFavoriteResult MoveFavorite(FavoritesStore& store, std::string_view key, std::string_view target);

// Inserts a folder before the first line with at least as many "\" as the
// path (appended when there is none), so that it follows its parent. False
// when the path is listed already.
bool CreateFavoritesFolder(FavoritesStore& store, std::string_view path);

enum class DeleteFolderResult { Deleted, HasFavorites, HasSubfolders, Missing };
// Deletes an empty folder without sub-folders.
DeleteFolderResult DeleteFavoritesFolder(FavoritesStore& store, std::string_view path);

// Every folder and key equal to old_path or below it gets new_path in its
// place, in its line. False when nothing was renamed: old_path is not
// listed, or new_path (or a folder below old_path once moved) is listed
// already.
bool RenameFavoritesFolder(FavoritesStore& store, std::string_view old_path, std::string_view new_path);

// A folder on disk was renamed: every photo path equal to it or below it
// follows. Both folders are disk paths; returns how many favorites followed.
std::size_t RebaseFavoritePhotos(FavoritesStore& store, std::string_view old_folder, std::string_view new_folder);

// A disk path as "Okini2.dat" holds it: "\" between the names, on every
// platform; and back.
std::string StoredPhotoPath(std::string_view disk_path);
std::string DiskPhotoPath(std::string_view stored_path);
// Whether a disk path survives being stored: it holds no "\" of its own (a
// name on Linux may) and no line end or other control character.
bool CanStorePhotoPath(std::string_view disk_path);

}  // namespace lumetta
