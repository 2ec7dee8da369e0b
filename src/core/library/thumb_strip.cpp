#include "core/library/thumb_strip.h"

#include <algorithm>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/library/photo_sort.h"
#include "core/library/thumbnail_cache.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

constexpr std::int32_t kFirstWideCell = kStripCells + 1;
constexpr std::size_t kTagChars = 12;

// How far StripPos may go with the wide window's own steps: the last photo
// lands in its next-to-last cell.
std::int32_t WideLimit(const AppState& state) {
  return state.photos.PhotoCount - (state.settings.SortDirection == SortOrder::FromLeft ? 42 : 41);
}

// The photos a panorama step moves past besides the first.
std::int32_t ExtraPanes(PanoramaKind panorama_mode) { return PaneCountOf(panorama_mode) - 1; }

// Whether the selection is the photo on show (or shows nothing), so that the
// next step moves on rather than opening the selection.
bool SelectionIsShown(const AppState& state) {
  std::int32_t b = state.StripPos;
  if (state.settings.SortDirection != SortOrder::FromLeft && state.InPanorama()) {
    b = std::max(b - ExtraPanes(state.PanoramaMode), 1);
  }
  const std::string& selected = state.photos.NameAt(b);
  return selected.empty() || state.current.Name == selected;
}

void Moved(AppState& state, std::int32_t order, bool keep_hover) {
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, order, keep_hover);
}

}  // namespace

std::int32_t CellPosition(const AppState& state, std::int32_t cell) {
  return state.StripPos + cell - (state.settings.SortDirection == SortOrder::FromLeft ? 4 : 5);
}

bool CellHasPhoto(const AppState& state, std::int32_t cell) {
  return !state.photos.NameAt(CellPosition(state, cell)).empty();
}

std::int32_t SelectedCell(const AppState& state) { return state.settings.SortDirection == SortOrder::FromLeft ? 4 : 5; }

void StoreSlotStripPos(AppState& state) {
  if (IsSlot(state.SlotIndex)) {
    state.SlotStripPos[state.SlotIndex] = state.StripPos;
  }
}

void PaintStripCells(AppState& state, UserInterface& ui, std::int32_t order, bool wide_visible,
                     const std::function<void(std::int32_t cell, const TDibImage& thumb)>& paint) {
  if (state.photos.PhotoCount == 0) return;
  auto paint_cell = [&](std::int32_t cell) {
    const std::int32_t pos = CellPosition(state, cell);
    if (state.photos.NameAt(pos).empty()) return;
    PhotoEntry& entry = state.photos[pos];
    if (!entry.ThumbLoaded) LoadThumbnail(state, ui, pos);
    if (entry.Thumb) paint(cell, *entry.Thumb);
  };
  const std::int32_t last = wide_visible ? kLastWideCell : kStripCells;
  if (order == 1) {
    for (std::int32_t cell = 1; cell <= last; ++cell) paint_cell(cell);
    return;
  }
  for (std::int32_t cell = last; cell >= kFirstWideCell; --cell) paint_cell(cell);
  for (std::int32_t cell = std::min(last, kStripCells); cell >= 1; --cell) paint_cell(cell);
}

bool StepRight(AppState& state, std::int32_t step, bool wide_visible) {
  std::int32_t limit = state.photos.PhotoCount;
  if (wide_visible && step != 1 && step != 8) {
    limit = WideLimit(state);
    if (state.StripPos > limit) return false;
  }
  if (state.StripPos == limit || state.photos.PhotoCount < 2) return false;
  state.StripPos = std::min(state.StripPos + step, limit);
  Moved(state, 1, true);
  return true;
}

bool StepLeft(AppState& state, std::int32_t step) {
  if (state.StripPos == 1) return false;
  state.StripPos = std::max(state.StripPos - step, 1);
  Moved(state, -1, true);
  return true;
}

bool StripToStart(AppState& state) {
  if (state.StripPos == 1) return false;
  state.StripPos = 1;
  Moved(state, -1, true);
  return true;
}

bool StripToEnd(AppState& state) {
  if (state.StripPos == state.photos.PhotoCount || state.photos.PhotoCount < 2) return false;
  state.StripPos = state.photos.PhotoCount;
  Moved(state, 1, true);
  return true;
}

bool WideToEnd(AppState& state) {
  const std::int32_t target = WideLimit(state);
  if (state.StripPos >= target || state.photos.PhotoCount <= 1) return false;
  state.StripPos = target;
  Moved(state, 1, true);
  return true;
}

bool StepToNextPhoto(AppState& state, UserInterface& ui, bool shift) {
  ui.SetFocus(Ctl::DummyBtn);
  if (!SelectionIsShown(state)) return true;
  const std::int32_t count = state.photos.PhotoCount;
  if (state.StripPos >= count) return false;
  ++state.StripPos;
  if (!shift) {
    for (std::int32_t k = ExtraPanes(state.PanoramaMode); k > 0 && state.StripPos < count; --k) ++state.StripPos;
  }
  Moved(state, 1, false);
  return !state.photos.NameAt(state.StripPos).empty();
}

bool StepToPreviousPhoto(AppState& state, UserInterface& ui, bool shift) {
  ui.SetFocus(Ctl::DummyBtn);
  if (!SelectionIsShown(state)) return true;
  if (state.StripPos <= 1) return false;
  --state.StripPos;
  if (!shift) {
    for (std::int32_t k = ExtraPanes(state.PanoramaMode); k > 0 && state.StripPos > 1; --k) --state.StripPos;
  }
  Moved(state, -1, false);
  return !state.photos.NameAt(state.StripPos).empty();
}

void NextPhoto(AppState& state, UserInterface& ui, bool shift) {
  if (StepToNextPhoto(state, ui, shift)) CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
}

void PreviousPhoto(AppState& state, UserInterface& ui, bool shift) {
  if (StepToPreviousPhoto(state, ui, shift)) CallHook(state.hooks.ShowPhoto, state.StripPos, SortStep(state));
}

bool OpenCellPhoto(AppState& state, std::int32_t cell) {
  const std::int32_t pos = CellPosition(state, cell);
  if (pos < 1 || state.photos.NameAt(pos).empty()) return false;
  const std::int32_t old = state.StripPos;
  state.StripPos = pos;
  Moved(state, pos < old ? -1 : 1, false);
  CallHook(state.hooks.ShowPhoto, pos, SortStep(state));
  return true;
}

std::string HoverLabelText(std::string_view name) {
  if (IsEditedPhotoName(name)) return WithoutExtension(SourcePhotoNameAsWritten(name));
  return WithoutExtension(name);
}

std::string ExtensionTagText(std::string_view name) {
  std::string tag;
  if (IsEditedPhotoName(name)) {
    const std::string stem = WithoutExtension(name);
    const std::size_t underscore = stem.rfind('_');
    tag = (underscore == std::string::npos ? stem : stem.substr(underscore + 1)) + std::string(kEditedPhotoExtension);
  } else {
    tag = ExtensionOf(name);
  }
  return FirstChars(tag, kTagChars);
}

LabelBox HoverLabelPlace(std::int32_t cell_left, std::int32_t cell_top, std::int32_t text_width,
                         std::int32_t min_left) {
  LabelBox box;
  box.Width = text_width > 70 ? text_width + 5 : 76;
  box.Height = 15;
  box.Left = std::max(cell_left - box.Width + 78, min_left);
  box.Top = cell_top + 2;
  return box;
}

}  // namespace lumetta
