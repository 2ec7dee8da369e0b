#include "core/favorites/favorites_grid.h"

#include <algorithm>

#include "core/imaging/thumbnail_fill.h"

namespace lumetta {

std::int32_t FavoritesGrid::CellAt(std::int32_t x, std::int32_t y) const {
  if (x < 0 || y < 0) return -1;
  const std::int32_t column = x / kFavoriteCellWidth;
  const std::int32_t row = y / kFavoriteCellHeight;
  if (column >= Columns || row >= Rows) return -1;
  const std::int32_t k = row * Columns + column;
  const std::int32_t dx = x - CellLeft(k);
  const std::int32_t dy = y - CellTop(k);
  if (dx < 0 || dy < 0 || dx >= kThumbWidth || dy >= kThumbHeight) return -1;
  return k;
}

FavoritesGrid GridForSizeMode(std::uint8_t size_mode, std::int32_t view_width, std::int32_t view_height) {
  switch (size_mode) {
    case 2:
    case 6:
      return {6, 8};
    case 3:
    case 7:
    case 8:
    case 9:
      return {8, 10};
    case 1:
    case 5:
      return {6, 6};
    default:
      if (view_width > 640 || view_height > 480) return {8, 10};
      if (view_width > 480 || view_height > 360) return {6, 8};
      return {6, 6};
  }
}

FavoriteLabelBox FavoriteLabelPlace(std::int32_t left, std::int32_t top, std::int32_t text_width) {
  const std::int32_t width = std::max(76, text_width + 5);
  return {std::max(0, left + 78 - width), top + 2, width, 15};
}

std::int32_t LastPageStart(std::int32_t count, std::int32_t page_size) { return std::max(1, count - page_size + 2); }

}  // namespace lumetta
