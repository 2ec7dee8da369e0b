#pragma once
// The start of an exported JPEG: the start marker alone, or followed by the
// shown photo's Exif APP1 segment as the information panel kept it, with the
// Orientation entry set to 1 (the pixels are already turned as shown) and
// PixelXDimension / PixelYDimension set to the exported size.
//
// The segment is taken only from the photo being exported: the kept bytes
// must still be the leading Exif segment of that photo's file; anything else
// (panorama mode, an archive entry's copy that is gone, a photo whose Exif was
// not read or has changed since) exports without Exif.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/state/exif_info.h"

namespace lumetta {

// FF D8 followed by the patched segment, or FF D8 alone when exif holds no
// complete segment or one of its entry positions does not lie wholly inside
// it. Each patch writes the 10 bytes from the entry's type field in the
// segment's byte order: SHORT, count 1, value 1 and two zero bytes for the
// orientation; LONG, count 1 and the four bytes of the size for the
// dimensions.
std::string ExportJpegHeader(const ExifInfo& exif, std::uint32_t width, std::uint32_t height);

// Whether the kept segment of exif is the Exif segment of the file at
// photo_path as it is now. False when the file cannot be read.
bool ExifBelongsTo(const ExifInfo& exif, std::string_view photo_path);

}  // namespace lumetta
