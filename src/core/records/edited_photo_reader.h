#pragma once
// Reading an edited-photo file: the display state saved for a photo.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/exception.h"
#include "core/state/photo_edits.h"

namespace lumetta {

// A line that must hold a whole number does not: the photo cannot be shown
// with this file.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  FailureKind Kind() const noexcept override { return FailureKind::Photo; }
};

// What the file says, before it meets a decoded photo.
struct EditedPhotoFile {
  PhotoEdits Edits;  // ZoomRatio 0 and ZoomMode off when line 5 is no number
  // Line 5 when it reads as a ratio the zoom can be restored from.
  std::optional<double> ZoomRatio;
};

// The lines of a file, as ReadDataFileLines gives them. Throws EConvertError
// when a line of 6 to 12 is missing or not a whole number; lines 1 to 5 never
// fail, and lines after 12 are not looked at.
EditedPhotoFile ParseEditedPhotoLines(const std::vector<std::string>& lines);

// Reads and parses a file. Throws EDataFile when it cannot be read and
// EConvertError as above.
EditedPhotoFile ReadEditedPhotoFile(std::string_view path);

// What the thumbnail builder needs of a file: lines 1 to 10 as above; lines
// 11 and 12 (effect and comment position) are not looked at and keep their
// defaults in the result.
EditedPhotoFile ReadEditedPhotoForThumbnail(std::string_view path);

// The zoom the renderer is to restore: the scale in photo pixels per screen
// pixel and the zoom percentage.
struct EditedZoom {
  double Scale = 1.0;
  std::int32_t ZoomPercent = 100;
};

struct EditedPhotoView {
  PhotoEdits Edits;
  std::optional<EditedZoom> Zoom;  // nothing: show the photo fitted
};

// Meets the file with the decoded photo (decoded_width x decoded_height,
// unrotated) shown in a view of view_width pixels: the saved ratio becomes a
// scale for this view, limited to the zoom steps the view offers, and a zoom
// centre outside the photo moves to its middle.
EditedPhotoView ResolveEditedPhoto(const EditedPhotoFile& file, std::int32_t decoded_width,
                                   std::int32_t decoded_height, std::int32_t view_width);

}  // namespace lumetta
