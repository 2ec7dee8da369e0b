#include "core/library/photo_sort.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/date_keys.h"
#include "core/base/name_collation.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

std::vector<std::string> ExifKeys(const AppState& state) {
  const PhotoList& photos = state.photos;
  // Edited-photo files are keyed by their source photos, looked up in one
  // index of the folder rather than one listing each.
  std::unique_ptr<FolderIndex> folder;
  std::vector<std::string> keys;
  keys.reserve(static_cast<std::size_t>(photos.PhotoCount));
  for (std::int32_t i = 1; i <= photos.PhotoCount; ++i) {
    const std::string& name = photos[i].Name;
    if (!folder && IsEditedPhotoName(name)) folder = std::make_unique<FolderIndex>(state.CurrentFolder);
    keys.push_back(ExifDateKey(JoinPath(state.CurrentFolder, name), folder.get()));
  }
  return keys;
}

}  // namespace

std::int32_t SortStep(const AppState& state) { return state.settings.SortDirection == SortOrder::FromLeft ? 1 : -1; }

std::int32_t FindPhotoPosition(const PhotoList& photos, std::string_view name) {
  for (std::int32_t i = 1; i <= photos.PhotoCount; ++i) {
    if (SameNameIgnoringCase(photos[i].Name, name)) return i;
  }
  return 0;
}

void RelocateCurrentPhoto(AppState& state) {
  if (state.current.Name.empty() || state.current.Folder != state.CurrentFolder) return;
  state.current.Pos = FindPhotoPosition(state.photos, state.current.Name);
}

void SortPhotoList(AppState& state) {
  PhotoList& photos = state.photos;
  const auto count = static_cast<std::size_t>(photos.PhotoCount);
  if (count >= 2) {
    const SortKey mode = state.settings.SortMode;
    const bool ascending = state.settings.SortDirection == SortOrder::FromLeft;

    std::vector<std::string_view> names;
    names.reserve(count);
    for (std::size_t i = 1; i <= count; ++i) names.push_back(photos.entries[i].Name);
    const NameSortKeys name_keys(names);

    std::vector<std::string> date_keys;
    if (mode == SortKey::FileTime) {
      date_keys.reserve(count);
      for (std::size_t i = 1; i <= count; ++i) date_keys.push_back(photos.entries[i].FileDate);
    } else if (mode == SortKey::ExifDate) {
      date_keys = ExifKeys(state);
    }
    const bool by_key = !date_keys.empty();

    // A stable sort gives exactly the order of a bubble sort that swaps only
    // neighbours out of order: equal entries never pass each other.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    auto before = [&](std::size_t a, std::size_t b) {
      int c = by_key ? date_keys[a].compare(date_keys[b]) : 0;
      if (c == 0) c = name_keys.Compare(a, b);
      return ascending ? c < 0 : c > 0;
    };
    std::stable_sort(order.begin(), order.end(), before);

    std::vector<std::string> sorted_names(count);
    std::vector<std::string> sorted_dates(count);
    for (std::size_t i = 0; i < count; ++i) {
      sorted_names[i] = std::move(photos.entries[order[i] + 1].Name);
      sorted_dates[i] = std::move(photos.entries[order[i] + 1].FileDate);
    }
    for (std::size_t i = 0; i < count; ++i) {
      photos.entries[i + 1].Name = std::move(sorted_names[i]);
      photos.entries[i + 1].FileDate = std::move(sorted_dates[i]);
    }
  }
  // The current photo is found again after every scan, also in a list too
  // short to need sorting, so that its position never names another photo.
  RelocateCurrentPhoto(state);
}

}  // namespace lumetta
