#pragma once
// The thumbnails of the photo list: each entry's Thumb made current from the
// disk cache or by building it, the commands that refresh the cache, and the
// rotation files the turn commands leave for plain photos.

#include <cstdint>

namespace lumetta {

struct AppState;
class UserInterface;

// Makes Thumb of list entry pos current: read from the cache of the selected
// slot when its ".bmp" is there, else built (and cached when worth it); an
// unreadable photo gets the black placeholder. Sets ThumbLoaded. Nothing for
// an entry without a name.
void LoadThumbnail(AppState& state, UserInterface& ui, std::int32_t pos);

// "この写真のサムネイルを更新 ［Ｆ5］": drops the cached thumbnail of the shown
// photo (of every pane in panorama mode), reads the folder again and keeps
// the strip on the photo it showed.
void ThumbnailMenuClick(AppState& state, UserInterface& ui);

// "選択中フォルダのサムネイルを全て更新": after a yes, removes the whole cache of
// the current folder (its sub-folders' caches and rotation files included)
// and reads the folder again.
void AllThumbnailMenuClick(AppState& state, UserInterface& ui);

// The turn commands' part in the cache: the shown plain photo's rotation
// recorded in its rotation file (removed for no rotation) and its cached
// thumbnail dropped, when it lies in a photo-folder slot.
void RecordThumbnailRotation(AppState& state);

// The strip's part: the shown plain photo's list entry takes the new
// rotation and the strip is repainted with its thumbnail rebuilt, when the
// photo belongs to the folder the strip shows.
void UpdateStripRotation(AppState& state);

// Connects the view's turn hooks to the two operations above.
void ConnectThumbnailHooks(AppState& state);

}  // namespace lumetta
