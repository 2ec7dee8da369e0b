#include "core/records/edited_photo_reader.h"

#include <algorithm>
#include <cmath>

#include "core/base/data_file.h"
#include "core/base/numbers.h"
#include "core/base/text_codec.h"
#include "core/state/view_state.h"

namespace lumetta {

namespace {

constexpr std::size_t kCommentBytes = 255;

const std::string& LineOrEmpty(const std::vector<std::string>& lines, std::size_t number) {
  static const std::string empty;
  return number <= lines.size() ? lines[number - 1] : empty;
}

std::int32_t IntegerLine(const std::vector<std::string>& lines, std::size_t number) {
  if (number > lines.size()) throw EConvertError("'' is not a valid integer value");
  const std::string& line = lines[number - 1];
  const auto value = ParseInt(line);
  if (!value) throw EConvertError("'" + line + "' is not a valid integer value");
  return *value;
}

}  // namespace

namespace {

EditedPhotoFile ParseLines(const std::vector<std::string>& lines, bool whole) {
  EditedPhotoFile file;
  PhotoEdits& e = file.Edits;
  e.Comment = CutToDataBytes(LineOrEmpty(lines, 2), kCommentBytes);
  // A signed byte on disk: 255 is a quarter turn to the left.
  e.Rotation = static_cast<std::int8_t>(ParseLeadingInt(LineOrEmpty(lines, 3)));
  // No other turn is drawn; a stray value shows the photo upright.
  if (e.Rotation < -1 || e.Rotation > 2) e.Rotation = 0;
  e.ZoomMode = LineOrEmpty(lines, 4) == "1";
  // A ratio that is no positive number would make the scale a division by
  // zero; such a file is shown without its zoom.
  const auto ratio = ParseReal(LineOrEmpty(lines, 5));
  if (ratio && std::isfinite(*ratio) && *ratio > 0) {
    file.ZoomRatio = *ratio;
    e.ZoomRatio = *ratio;
  } else {
    e.ZoomMode = false;
  }
  e.ZoomCentreX = IntegerLine(lines, 6);
  e.ZoomCentreY = IntegerLine(lines, 7);
  // Brightness and contrast feed the pixel formulas (the contrast as a
  // divisor): values beyond what the dialog sets are held at its limits.
  e.Brightness = std::clamp(IntegerLine(lines, 8), -256, 256);
  e.Contrast = std::clamp(IntegerLine(lines, 9), 1, 1024);
  e.Sharpness = IntegerLine(lines, 10);
  if (!whole) return file;
  e.Effect = IntegerLine(lines, 11);
  e.CommentFix = IntegerLine(lines, 12);
  return file;
}

}  // namespace

EditedPhotoFile ParseEditedPhotoLines(const std::vector<std::string>& lines) { return ParseLines(lines, true); }

EditedPhotoFile ReadEditedPhotoForThumbnail(std::string_view path) {
  return ParseLines(ReadDataFileLines(path), false);
}

EditedPhotoFile ReadEditedPhotoFile(std::string_view path) { return ParseEditedPhotoLines(ReadDataFileLines(path)); }

EditedPhotoView ResolveEditedPhoto(const EditedPhotoFile& file, std::int32_t decoded_width,
                                   std::int32_t decoded_height, std::int32_t view_width) {
  EditedPhotoView view;
  view.Edits = file.Edits;
  PhotoEdits& e = view.Edits;
  const bool sideways = e.Rotation == 1 || e.Rotation == -1;
  const std::int32_t w = sideways ? decoded_height : decoded_width;
  const std::int32_t h = sideways ? decoded_width : decoded_height;

  if (file.ZoomRatio && w > 0 && h > 0 && view_width > 0) {
    double scale = w / (view_width * *file.ZoomRatio);
    double zoom = std::trunc(100 / scale + 0.5);
    if (zoom > 1600) {
      zoom = 1600;
    } else if (zoom > 800 && zoom < 1600) {
      zoom = 800;
    } else if (zoom > 400 && zoom < 800) {
      zoom = 400;
    }
    const double zoomed_pixels = std::trunc((w * zoom / 100) * (h * zoom / 100) + 0.5);
    if (zoomed_pixels > static_cast<double>(MaxZoomPixels)) {
      scale = w / 80.0;
      zoom = std::trunc(100 / scale + 0.5);
    }
    // A ratio so small that the photo would shrink below one percent is no
    // zoom anyone saved; the renderer never sees a zero percentage.
    if (std::isfinite(scale) && scale > 0 && zoom >= 1) {
      view.Zoom = EditedZoom{scale, static_cast<std::int32_t>(zoom)};
    } else {
      e.ZoomMode = false;
    }
  } else {
    e.ZoomMode = false;
  }

  // -1 is "no centre"; any other point outside the photo means its middle.
  if (e.ZoomCentreX >= w || e.ZoomCentreX < -1) e.ZoomCentreX = w / 2;
  if (e.ZoomCentreY >= h || e.ZoomCentreY < -1) e.ZoomCentreY = h / 2;
  return view;
}

}  // namespace lumetta
