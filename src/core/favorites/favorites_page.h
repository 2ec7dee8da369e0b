#pragma once
// The favorites of one favorites folder as the favorites window shows them:
// up to MaxFavoritesPerFolder slots, 1-based, in the order of the
// favorites' sort settings, each with its thumbnail.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/favorites/favorites_store.h"
#include "core/imaging/dib_image.h"
#include "core/state/settings.h"

namespace lumetta {

class UserInterface;

struct FavoriteSlot {
  std::string Name;       // FavoriteName, with the extension it was typed with
  std::string PhotoPath;  // as stored
  std::string FileDate;   // FileDateKey of the photo
  bool Selected = false;
  std::int8_t Rotation = 0;
  bool Unreadable = false;
  // The thumbnail image of this slot, created on first use and reused by
  // whatever favorite later occupies the slot.
  std::unique_ptr<TDibImage> Thumb;
  bool ThumbLoaded = false;
};

struct FavoritesPage {
  FavoritesPage() : entries(static_cast<std::size_t>(MaxFavoritesPerFolder) + 1) {}

  std::string Folder;
  std::int32_t Count = 0;
  // entries[1..Count] are the favorites; entries[0] is never used.
  std::vector<FavoriteSlot> entries;

  FavoriteSlot& operator[](std::int32_t i) { return entries.at(static_cast<std::size_t>(i)); }
  const FavoriteSlot& operator[](std::int32_t i) const { return entries.at(static_cast<std::size_t>(i)); }
  bool Valid(std::int32_t i) const { return i >= 1 && i <= Count; }
  // The key of the favorite in slot i.
  std::string KeyOf(std::int32_t i) const;
};

// The order settings of the page ("OkiniSortMode", "OkiniSortDirection").
struct FavoritesOrder {
  SortKey Mode = SortKey::Name;  // file date, Exif date; any other value: name
  SortOrder Direction = SortOrder::FromLeft;  // ascending; any other value: descending
};

// Clears the page and fills it with the favorites of folder in file order,
// then sorts it. At the 301st favorite of the folder it stops with the
// two-line message; the files keep all of them. The busy cursor shows
// meanwhile.
void LoadFavoritesPage(FavoritesPage& page, const FavoritesStore& store, std::string_view folder, FavoritesOrder order,
                       UserInterface& ui);

// Sorts slots 1..Count as the photo list is sorted: by name (ignoring case,
// Japanese collation), or by the file or Exif date key with ties broken by
// name; equal slots keep their order. A slot moves its name, path and file
// date; selections and thumbnails stay with the slot index.
void SortFavoritesPage(FavoritesPage& page, FavoritesOrder order);

}  // namespace lumetta
