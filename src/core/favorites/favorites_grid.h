#pragma once
// The favorites window's grid of thumbnails: its size follows the main
// window's size mode, one cell is kept for the paging buttons, and the first
// cell shows the favorite at PageStart.

#include <cstdint>

namespace lumetta {

inline constexpr std::int32_t kFavoriteCellWidth = 85;
inline constexpr std::int32_t kFavoriteCellHeight = 65;
inline constexpr std::int32_t kFavoriteCellMargin = 4;
inline constexpr std::int32_t kFavoritesTreeWidth = 214;

struct FavoritesGrid {
  std::int32_t Columns = 8;
  std::int32_t Rows = 10;

  std::int32_t Cells() const { return Columns * Rows; }
  // The thumbnails of a page: every cell but the last, which holds buttons.
  std::int32_t PageSize() const { return Columns * Rows - 1; }
  // The window's client area: the folder tree at the left, then the cells.
  std::int32_t ClientWidth() const { return Columns * kFavoriteCellWidth + kFavoritesTreeWidth; }
  std::int32_t ClientHeight() const { return Rows * kFavoriteCellHeight + 10; }
  // The top-left of cell k's thumbnail (k 0-based) in the thumbnail area.
  std::int32_t CellLeft(std::int32_t k) const { return (k % Columns) * kFavoriteCellWidth + kFavoriteCellMargin; }
  std::int32_t CellTop(std::int32_t k) const { return (k / Columns) * kFavoriteCellHeight + kFavoriteCellMargin; }
  // The cell whose 80 x 60 thumbnail holds the point, or -1.
  std::int32_t CellAt(std::int32_t x, std::int32_t y) const;

  bool operator==(const FavoritesGrid&) const = default;
};

// The grid for the main window's size mode: modes 2 and 6 give 6 x 8,
// 3, 7, 8 and 9 give 8 x 10, 1 and 5 give 6 x 6; any other mode goes by the
// view: 8 x 10 above 640 x 480, 6 x 8 above 480 x 360, else 6 x 6.
FavoritesGrid GridForSizeMode(std::uint8_t size_mode, std::int32_t view_width, std::int32_t view_height);

// Where the name label of a favorite goes over its thumbnail at (left,
// top): as wide as the text and 5 more, at least 76; its right edge 2
// pixels inside the thumbnail's, never left of 0; 2 below the top; 15 high.
struct FavoriteLabelBox {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool operator==(const FavoriteLabelBox&) const = default;
};
FavoriteLabelBox FavoriteLabelPlace(std::int32_t left, std::int32_t top, std::int32_t text_width);

// The last PageStart for a page of count favorites: the last page always
// leaves its last cell empty. Never below 1.
std::int32_t LastPageStart(std::int32_t count, std::int32_t page_size);

}  // namespace lumetta
