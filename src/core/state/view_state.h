#pragma once
// Where and how large the current photo is shown, and the working images of
// the renderer. One instance, owned by the application state.

#include <cstdint>

#include "core/imaging/dib_image.h"
#include "core/state/view_hooks.h"

namespace lumetta {

// Largest zoomed image, ZoomWidth x ZoomHeight.
inline constexpr std::int64_t MaxZoomPixels = 50'000'000;
// Photos of at most this many pixels get finer zoom images.
inline constexpr std::int64_t LargePhotoPixels = 1'392'640;

struct ViewState {
  std::int32_t ViewWidth = 800;
  std::int32_t ViewHeight = 600;
  std::int32_t PaneLeft = 0;
  std::int32_t PaneTop = 0;
  std::int32_t ShownWidth = 0;
  std::int32_t ShownHeight = 0;
  double ViewScale = 1.0;
  std::int32_t ZoomPercent = 100;
  std::int32_t BoxSize = 1;
  std::int32_t PhotoLeft = 0;
  std::int32_t PhotoTop = 0;
  std::int32_t CropLeft = 0;
  std::int32_t CropTop = 0;
  std::int32_t ZoomWidth = 0;
  std::int32_t ZoomHeight = 0;
  std::int32_t ScrollX = 0;
  std::int32_t ScrollY = 0;
  bool Dragging = false;
  bool Redo = false;
  // Fill the view (cut the overflow) instead of fitting the whole photo; off
  // at every start.
  bool FillView = false;
  // The zoom window was redrawn unsharpened since the drag began.
  bool DragRedrawn = false;
  // The cursor's last screen position during a drag, and its last position
  // over the view (for the double-click).
  std::int32_t DragLastX = 0;
  std::int32_t DragLastY = 0;
  std::int32_t CursorX = 0;
  std::int32_t CursorY = 0;

  // Calls into the features the view's operations reach.
  ViewHooks hooks;

  TDibImage ViewImage;
  TDibImage WorkImage;
  TDibImage ZoomImage;
  TDibImage SharpenMask;
  TDibImage SharpenDark;
};

}  // namespace lumetta
