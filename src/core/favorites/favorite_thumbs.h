#pragma once
// The favorites' thumbnails. A photo inside one of the three photo-folder
// slots uses that slot's ordinary cached thumbnail; any other photo has one
// of its own in the "OK" folder of the thumbnail folder, below the names of
// its favorites folder, named like a cache file ("IMG_0001_JPG.bmp").
//
// Every path built for the "OK" folder stays inside it: a favorites folder
// or a photo name that could lead out of it gives no path at all, and the
// thumbnail is then made in memory only.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumetta {

struct AppState;
struct FavoritesPage;
class UserInterface;

// The favorites' thumbnail folder, "Thumbnail/OK" (as spelt on disk).
std::string FavoritesThumbFolder(const AppState& state);

// Whether path is folder or lies below it, comparing whole names: "/photos"
// holds "/photos/x.jpg" but not "/photos2/x.jpg".
bool PathLiesIn(std::string_view path, std::string_view folder);

// The photo-folder slot 1..3 whose root holds the photo (a disk path), or 0.
std::int32_t SlotHoldingPhoto(const AppState& state, std::string_view disk_path);

// The photo's thumbnail in the "OK" folder for favorites folder
// favorites_folder; empty when it cannot be built safely.
std::string OkThumbPath(const AppState& state, std::string_view favorites_folder, std::string_view disk_photo_path);

// The ".bmp" a favorite's thumbnail is kept in: the slot's cache file for a
// photo inside a slot, else OkThumbPath. The photo path is as stored. No
// folder is created. Empty when there is none.
std::string FavoriteThumbPath(const AppState& state, std::string_view favorites_folder,
                              std::string_view stored_photo_path);

// Makes slot i's thumbnail current: its rotation from the ".dat" beside the
// thumbnail file, the thumbnail from the ".bmp" when there is one, the grey
// placeholder for a photo found unreadable, else built from the photo (and
// kept at FavoriteThumbPath); a photo that cannot be read gets the
// placeholder. For a photo inside a slot an own thumbnail left from before
// is deleted first. Returns whether the photo had to be read.
bool LoadFavoriteThumb(AppState& state, UserInterface& ui, FavoritesPage& page, std::int32_t i);

// Deletes the favorite's own thumbnail (".bmp" and ".dat") from the "OK"
// folder, and that folder once it is empty. Nothing for a photo inside a
// slot, whose thumbnail belongs to the slot's cache.
void DeleteOwnFavoriteThumb(const AppState& state, std::string_view favorites_folder,
                            std::string_view stored_photo_path);

// Deletes the ".bmp" FavoriteThumbPath names, so that the next drawing
// builds it again.
void DeleteFavoriteThumbFile(const AppState& state, std::string_view favorites_folder,
                             std::string_view stored_photo_path);

}  // namespace lumetta
