#pragma once
// Names in the favorites album: favorites folders are paths of names joined
// by "\" (the top folder "お気に入り" is the empty path), and a favorite's key
// is its folder's path, "\" and its name. The files keep "\" on every
// platform, so that they move between Windows and Linux unchanged.

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

inline constexpr char kFavoritesSeparator = '\\';
// The caption of the top favorites folder.
inline constexpr std::string_view kTopFavoritesCaption = "お気に入り";
// What a name typed for a folder or a favorite may hold at most.
inline constexpr std::size_t kMaxTypedNameChars = 64;
// The characters no file or folder name may hold on Windows.
inline constexpr std::string_view kForbiddenNameChars = "\\/:*?\"<>|";

// The part before the last "\" ("" when there is none): a key's folder, a
// folder's parent.
std::string FavoritesParent(std::string_view path);
// The part after the last "\": a key's name, a folder's own name.
std::string FavoritesLeaf(std::string_view path);
// folder, "\" and name; the name alone in the top folder.
std::string JoinFavoritesPath(std::string_view folder, std::string_view name);
// The number of "\" in a path.
std::size_t FavoritesDepth(std::string_view path);
// The names of a path from the top down ("" gives none).
std::vector<std::string> FavoritesComponents(std::string_view path);
// path equals folder or lies below it (whole names compared, exactly).
bool InOrBelowFavoritesFolder(std::string_view path, std::string_view folder);
// path with its leading folder old_folder (a whole-name prefix) replaced by
// new_folder; the path unchanged when it does not start with old_folder.
std::string RebaseFavoritesPath(std::string_view path, std::string_view old_folder, std::string_view new_folder);

bool HasForbiddenNameChar(std::string_view name);
// A character below U+0020 or DEL: a line end would split a line of the
// files, so no name or stored path may hold one.
bool HasControlChar(std::string_view text);
// A name that cannot stand for a folder on disk whatever its characters:
// empty, "." or "..", or one starting or ending with a blank.
bool IsReservedName(std::string_view name);
// A folder path whose every name is usable as a folder name: it may then
// become a folder below the favorites thumbnail folder. The empty path (the
// top folder) counts as usable.
bool IsUsableFavoritesPath(std::string_view path);

// What refuses a folder name typed by the user, as the lines of the message
// box; none when the name is usable.
std::vector<std::string> FolderNameRefusal(std::string_view name);
// What refuses a favorite's name: the nine forbidden characters (all_nine) or
// only "\" and "/" (the name typed when adding, whose other characters are
// not checked), and the reserved names. label names the field in the
// message ("お気に入り名", "お気に入り写真名").
std::vector<std::string> FavoriteNameRefusal(std::string_view name, std::string_view label, bool all_nine);

// A number written for the question boxes: each character in its full-width
// form ("1" -> "１", "a"-"f" and "A"-"F", "+", "-", "."); any other character
// becomes the full-width space.
std::string ToFullWidthNumber(std::string_view text);

}  // namespace lumetta
