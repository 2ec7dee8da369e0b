#include "core/favorites/favorites_page.h"

#include <algorithm>
#include <numeric>

#include "core/base/name_collation.h"
#include "core/favorites/favorite_names.h"
#include "core/library/date_keys.h"
#include "core/state/busy.h"
#include "core/state/user_interface.h"

namespace lumetta {

std::string FavoritesPage::KeyOf(std::int32_t i) const { return JoinFavoritesPath(Folder, (*this)[i].Name); }

void LoadFavoritesPage(FavoritesPage& page, const FavoritesStore& store, std::string_view folder, FavoritesOrder order,
                       UserInterface& ui) {
  const BusyCursor busy(ui);
  for (std::int32_t i = 1; i <= page.Count; ++i) {
    FavoriteSlot& slot = page[i];
    slot.Name.clear();
    slot.PhotoPath.clear();
    slot.FileDate.clear();
    slot.Selected = false;
    slot.Rotation = 0;
    slot.Unreadable = false;
    slot.ThumbLoaded = false;
  }
  page.Count = 0;
  page.Folder = std::string(folder);
  for (const Favorite& favorite : store.Favorites) {
    if (FavoritesParent(favorite.FavoriteKey) != folder) continue;
    if (page.Count == MaxFavoritesPerFolder) {
      ui.ShowMessageBox({"フォルダ内に300枚以上の写真があります。", "300枚まで読み込めます。"});
      break;
    }
    FavoriteSlot& slot = page[++page.Count];
    slot.Name = FavoritesLeaf(favorite.FavoriteKey);
    slot.PhotoPath = favorite.PhotoPath;
    slot.FileDate = FileDateKey(DiskPhotoPath(favorite.PhotoPath));
  }
  SortFavoritesPage(page, order);
}

void SortFavoritesPage(FavoritesPage& page, FavoritesOrder order) {
  const auto count = static_cast<std::size_t>(page.Count);
  if (count < 2) return;
  std::vector<std::string_view> names;
  names.reserve(count);
  for (std::size_t i = 1; i <= count; ++i) names.push_back(page.entries[i].Name);
  const NameSortKeys name_keys(names);

  std::vector<std::string> date_keys;
  if (order.Mode == SortKey::FileTime) {
    for (std::size_t i = 1; i <= count; ++i) date_keys.push_back(page.entries[i].FileDate);
  } else if (order.Mode == SortKey::ExifDate) {
    for (std::size_t i = 1; i <= count; ++i) date_keys.push_back(ExifDateKey(DiskPhotoPath(page.entries[i].PhotoPath)));
  }
  const bool by_key = !date_keys.empty();
  const bool ascending = order.Direction == SortOrder::FromLeft;

  // A stable sort gives the order of a bubble sort that swaps only
  // neighbours out of order.
  std::vector<std::size_t> perm(count);
  std::iota(perm.begin(), perm.end(), std::size_t{0});
  std::stable_sort(perm.begin(), perm.end(), [&](std::size_t a, std::size_t b) {
    int c = by_key ? date_keys[a].compare(date_keys[b]) : 0;
    if (c == 0) c = name_keys.Compare(a, b);
    return ascending ? c < 0 : c > 0;
  });

  struct Moved {
    std::string Name, PhotoPath, FileDate;
  };
  std::vector<Moved> sorted(count);
  for (std::size_t i = 0; i < count; ++i) {
    FavoriteSlot& from = page.entries[perm[i] + 1];
    sorted[i] = {std::move(from.Name), std::move(from.PhotoPath), std::move(from.FileDate)};
  }
  for (std::size_t i = 0; i < count; ++i) {
    FavoriteSlot& to = page.entries[i + 1];
    to.Name = std::move(sorted[i].Name);
    to.PhotoPath = std::move(sorted[i].PhotoPath);
    to.FileDate = std::move(sorted[i].FileDate);
  }
}

}  // namespace lumetta
