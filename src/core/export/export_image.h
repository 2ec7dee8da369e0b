#pragma once
// The image an export writes: the part of the view that shows the photo (with
// the comment overlays shown over it), or the whole zoomed photo.

#include <cstdint>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/state/app_state.h"

namespace lumetta {

// A comment overlay shown over the view: its picture, and where its top left
// corner lies on the view.
struct ShownOverlay {
  TDibImage Picture;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
};

// What part of the view an export takes.
struct ExportArea {
  // The whole zoomed photo (ZoomImage) rather than the view.
  bool WholePhoto = false;
  // The black margins cut away on each side of the view.
  std::int32_t Ox = 0;
  std::int32_t Oy = 0;
  // The margins are cut only if the user agrees.
  bool AskToCut = false;
};

// The area for the state shown and the ExportWhole choice: the whole photo
// when asked for in zoom mode outside panorama mode; otherwise the view less
// the black margins of a zoomed photo smaller than the view or the bars of a
// fitted one (none in panorama mode), cut without asking only when the whole
// photo was asked for in fit mode.
ExportArea ExportAreaOf(const AppState& state, bool export_whole);

// The export's size for an area.
struct ExportSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};
ExportSize ExportSizeOf(const AppState& state, const ExportArea& area);

// A new 24-bit image (rows stored bottom-up, as a BMP file keeps them) of
// the view picture's rectangle (ox, oy) - (view_width - ox, view_height - oy).
// Each overlay is copied on whole at its place on the view moved by the cut,
// and pushed back inside the image when the cut would leave it partly
// outside (a comment along a cut bar stays with the photo).
TDibImage ShownPartImage(const TDibImage& view_picture, std::int32_t view_width, std::int32_t view_height,
                         std::int32_t ox, std::int32_t oy, const std::vector<ShownOverlay>& overlays);

// The whole zoomed photo as the view would show it: ZoomImage as held,
// sharpened in place over its whole area in high-quality mode. ZoomImage is
// changed: the caller renders the zoom again afterwards.
TDibImage WholePhotoImage(AppState& state);

// A copy of a 24-bit image with its rows stored bottom-up (the image itself
// when it is stored so already).
TDibImage BottomUpImage(const TDibImage& image);

}  // namespace lumetta
