#pragma once
// The bytes of an edited-photo file: 14 lines ended by CR LF, code page 932
// (UTF-8 with a byte-order mark when the comment needs characters it lacks).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/photo_edits.h"

namespace lumetta {

// The saved zoom ratio as line 5 holds it: 23 characters, a blank or "-",
// one digit, ".", 14 digits, "E", the exponent's sign and four digits; one
// half is " 5.00000000000000E-0001". Written the same in every locale; a
// ratio that is no finite number is written as 0.
std::string FormatZoomRatio(double ratio);

// The ratio to save for a photo of decoded_width x decoded_height shown at
// scale (photo pixels per screen pixel) in a view view_width pixels wide:
// the on-screen width of the whole photo, after its rotation, over the
// view's width. 0 when there is nothing to measure.
double ZoomRatioOf(std::int8_t rotation, std::int32_t decoded_width, std::int32_t decoded_height, double scale,
                   std::int32_t view_width);

// The 14 lines for the edits (the comment cut to 255 bytes on a character
// boundary), and the file's bytes.
std::vector<std::string> EditedPhotoLines(const PhotoEdits& edits);
std::string EditedPhotoBytes(const PhotoEdits& edits);

// Writes the file: over an existing file of that name through a temporary
// file, or, with create_new, only when no file of that name exists. Throws
// EDataFile; an old file is then unchanged.
void WriteEditedPhotoFile(std::string_view path, const PhotoEdits& edits, bool create_new = false);

}  // namespace lumetta
