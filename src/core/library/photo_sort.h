#pragma once
// The order of the photo list: by name, file time or Exif date, ascending
// from the left or from the right.

#include <cstdint>
#include <string_view>

namespace lumetta {

struct AppState;
struct PhotoList;

// Sorts entries 1..PhotoCount by the settings' SortMode and SortDirection
// (any mode other than FileTime and ExifDate sorts by name; any direction
// other than FromLeft descends), then finds the current photo again. Equal
// entries keep their order; only Name and FileDate move.
void SortPhotoList(AppState& state);

// The 1-based position of the first entry named name ignoring case; 0 when
// there is none.
std::int32_t FindPhotoPosition(const PhotoList& photos, std::string_view name);

// CurrentPhoto.Pos after the list changed: the photo's new position when it
// was shown from CurrentFolder, else unchanged.
void RelocateCurrentPhoto(AppState& state);

// +1 when the list ascends from the left, -1 otherwise: the step that
// ShowPhoto takes so that panes read like the strip.
std::int32_t SortStep(const AppState& state);

}  // namespace lumetta
