#include "core/export/export_image.h"

#include <algorithm>

#include "core/imaging/sharpen.h"
#include "core/imaging/stretch.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

TDibImage NewBottomUp(std::int32_t width, std::int32_t height) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(std::max(width, 1), std::max(height, 1));
  return image;
}

// Where an overlay of size extent goes along one axis of an image of size
// room: moved by the cut, and back inside the image when it fits there.
std::int32_t OverlayStart(std::int32_t at, std::int32_t cut, std::int32_t extent, std::int32_t room) {
  std::int32_t start = at - cut;
  if (cut > 0 && extent <= room) start = std::clamp(start, 0, room - extent);
  return start;
}

}  // namespace

ExportArea ExportAreaOf(const AppState& state, bool export_whole) {
  const ViewState& v = state.view;
  ExportArea area;
  const bool zoom = state.current.Edits.ZoomMode;
  if (state.InPanorama()) return area;
  if (export_whole && zoom) {
    area.WholePhoto = true;
    return area;
  }
  if (zoom) {
    area.Ox = v.ZoomWidth < v.ViewWidth ? v.ViewWidth / 2 - v.ZoomWidth / 2 : 0;
    area.Oy = v.ZoomHeight < v.ViewHeight ? v.ViewHeight / 2 - v.ZoomHeight / 2 : 0;
  } else {
    area.Ox = v.PhotoLeft;
    area.Oy = v.PhotoTop;
  }
  area.Ox = std::max(area.Ox, 0);
  area.Oy = std::max(area.Oy, 0);
  area.AskToCut = !export_whole && (area.Ox > 0 || area.Oy > 0);
  return area;
}

ExportSize ExportSizeOf(const AppState& state, const ExportArea& area) {
  const ViewState& v = state.view;
  if (area.WholePhoto) return {v.ZoomImage.Width(), v.ZoomImage.Height()};
  return {v.ViewWidth - 2 * area.Ox, v.ViewHeight - 2 * area.Oy};
}

TDibImage ShownPartImage(const TDibImage& view_picture, std::int32_t view_width, std::int32_t view_height,
                         std::int32_t ox, std::int32_t oy, const std::vector<ShownOverlay>& overlays) {
  const std::int32_t width = view_width - 2 * ox;
  const std::int32_t height = view_height - 2 * oy;
  TDibImage image = NewBottomUp(width, height);
  StretchNearest(view_picture, StretchRect{ox, oy, width, height}, image, StretchRect{0, 0, width, height});
  for (const ShownOverlay& overlay : overlays) {
    const TDibImage& picture = overlay.Picture;
    if (picture.BitCount() != 24) continue;
    const std::int32_t left = OverlayStart(overlay.Left, ox, picture.Width(), width);
    const std::int32_t top = OverlayStart(overlay.Top, oy, picture.Height(), height);
    StretchNearest(picture, StretchRect{0, 0, picture.Width(), picture.Height()}, image,
                   StretchRect{left, top, picture.Width(), picture.Height()});
  }
  return image;
}

TDibImage WholePhotoImage(AppState& state) {
  ViewState& v = state.view;
  if (HighQualityMode(state)) {
    SharpenRegion(v.ZoomImage, 0, 0, v.ZoomImage.Width(), v.ZoomImage.Height(), CurrentSharpness(state));
  }
  return v.ZoomImage;
}

TDibImage BottomUpImage(const TDibImage& image) {
  if (!image.TopDown()) return image;
  TDibImage copy = NewBottomUp(image.Width(), image.Height());
  StretchNearest(image, StretchRect{0, 0, image.Width(), image.Height()}, copy,
                 StretchRect{0, 0, image.Width(), image.Height()});
  return copy;
}

}  // namespace lumetta
