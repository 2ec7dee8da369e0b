#pragma once
// The thumbnail strip as the program's operations see it: which photo each
// cell shows, paging through the photo list, stepping to the next or
// previous photo, and the texts the hover label and the extension tag show.
// The windows paint; the operations here decide what.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lumetta {

struct AppState;
class TDibImage;
class UserInterface;

// Cells 1..8 are the main window's strip, 9..47 the wide window's, which
// continue it.
inline constexpr std::int32_t kStripCells = 8;
inline constexpr std::int32_t kLastWideCell = 47;

// The list position shown in cell (1..47): the selected photo sits in cell 4
// left to right, in cell 5 right to left.
std::int32_t CellPosition(const AppState& state, std::int32_t cell);
// Whether a cell shows a photo (otherwise it is plain grey).
bool CellHasPhoto(const AppState& state, std::int32_t cell);
// The cell behind which the selection frame sits: 4, or 5 right to left.
std::int32_t SelectedCell(const AppState& state);

// Remembers StripPos as the selected slot's strip position.
void StoreSlotStripPos(AppState& state);

// The painting of the cells that show photos, in the order the strip paints
// them: order 1 the strip then the wide window (when visible), each left to
// right; otherwise the wide window then the strip, each right to left. A
// thumbnail not loaded yet is loaded first, so that paint can show the
// thumbnails one by one as they come.
void PaintStripCells(AppState& state, UserInterface& ui, std::int32_t order, bool wide_visible,
                     const std::function<void(std::int32_t cell, const TDibImage& thumb)>& paint);

// Paging. Each moves StripPos, stores it for the slot and repaints the strip
// keeping the hover; each returns whether the strip moved. Stepping right
// stops at the last photo, or, with the wide window open and a step of its
// own (neither 1 nor 8), where the last photo reaches the wide window's
// next-to-last cell.
bool StepRight(AppState& state, std::int32_t step, bool wide_visible);
bool StepLeft(AppState& state, std::int32_t step);
bool StripToStart(AppState& state);
bool StripToEnd(AppState& state);
// The wide window's "End": the last photo in its next-to-last cell.
bool WideToEnd(AppState& state);

// The step of the next and previous photo commands: moves the selection on
// (by a whole set of panes in panorama mode unless shift is held) when the
// selected photo is the one shown; returns whether the photo at StripPos is
// to be shown.
bool StepToNextPhoto(AppState& state, UserInterface& ui, bool shift);
bool StepToPreviousPhoto(AppState& state, UserInterface& ui, bool shift);
// The step followed by ShowPhoto.
void NextPhoto(AppState& state, UserInterface& ui, bool shift);
void PreviousPhoto(AppState& state, UserInterface& ui, bool shift);

// A click on a cell: its photo becomes the selection and is shown. Returns
// false for a grey cell, which does nothing.
bool OpenCellPhoto(AppState& state, std::int32_t cell);

// The hover label: the photo's name without its extension; for an
// edited-photo file the name of its source photo without extension.
std::string HoverLabelText(std::string_view name);
// The extension tag: the extension as spelt (".JPG"), or for an edited-photo
// file what follows its last "_" and ".lum" ("jpg.lum"); at most 12
// characters.
std::string ExtensionTagText(std::string_view name);

struct LabelBox {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};
// Where the hover label of a cell goes: 76 wide, or its text + 5 when that
// is wider than 70; its right edge 2 pixels right of the cell's, but not
// left of min_left; 2 below the cell's top.
LabelBox HoverLabelPlace(std::int32_t cell_left, std::int32_t cell_top, std::int32_t text_width,
                         std::int32_t min_left);

}  // namespace lumetta
