#pragma once
// The three favorites files in the program folder: "OkiniF.dat" (folders),
// "Okini.dat" (keys) and "Okini2.dat" (photo paths, line n for key n). Text
// lines ended by CR LF, code page 932 (UTF-8 behind a byte-order mark when a
// line needs it), read whole and written whole.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/favorites/favorites_store.h"
#include "core/state/app_folders.h"

namespace lumetta {

// The store the three files' bytes describe. Never fails: a folder line
// that is empty, holds a name no folder may have, repeats an earlier line
// or has no parent before it is left out; keys and photo paths are paired
// line by line as far as both files go, and the unpaired rest is counted in
// UnpairedLines, never read.
FavoritesStore ParseFavoritesFiles(std::string_view folders_bytes, std::string_view keys_bytes,
                                   std::string_view photos_bytes);

// The files' paths in the program folder, as spelt there whatever their
// case; the names the program gives them when they do not exist.
std::string FavoritesFoldersPath(const AppFolders& folders);
std::string FavoriteKeysPath(const AppFolders& folders);
std::string FavoritePhotosPath(const AppFolders& folders);

// Reads the three files; a missing file is an empty list. Throws EDataFile
// when a file is there but cannot be read.
FavoritesStore ReadFavoritesFiles(const AppFolders& folders);

// Writes "OkiniF.dat".
void WriteFavoritesFolders(const AppFolders& folders, const FavoritesStore& store);
// Writes "Okini.dat" and "Okini2.dat" as a pair.
void WriteFavoritesPair(const AppFolders& folders, const FavoritesStore& store);
// Writes all three.
void WriteAllFavoritesFiles(const AppFolders& folders, const FavoritesStore& store);

// Writes several data files as one change: every temporary file beside its
// target is written completely before the first is renamed over its file,
// so that a failed write leaves all of them as they were. Throws EDataFile.
void WriteDataFilesTogether(const std::vector<std::pair<std::string, std::vector<std::string>>>& files);

}  // namespace lumetta
