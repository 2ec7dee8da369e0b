#pragma once
// Building a photo's 80 x 60 thumbnail from its file.
//
// The builder is a function of the photo file, its edited-photo file and the
// few settings passed in: it reads no program state and works on images of
// its own, so that it could run away from the user-interface thread and give
// the same pixels.

#include <cstdint>
#include <string>

#include "core/imaging/dib_image.h"
#include "core/imaging/jpeg_decoder.h"

namespace lumetta {

struct ThumbnailRequest {
  // The listed file: a photo, or an edited-photo file (".lum") standing for
  // its source photo.
  std::string PhotoPath;
  // The display rotation of a plain photo (from its rotation file): 0, 1, 2
  // or -1. An edited-photo file brings its own.
  std::int8_t Rotation = 0;
  // The sharpness level an edited photo without its own level gets.
  std::int32_t GlobalSharpness = 12;
  // Formats the installed plug-ins take over.
  bool BmpByPlugin = false;
  bool TiffByPlugin = false;
  // The photo was taken out of an archive: cached whatever its size.
  bool FromArchive = false;
  // Where the thumbnail is cached as a BMP file; empty: nowhere.
  std::string CachePath;
};

struct ThumbnailResult {
  // A thumbnail was made (otherwise Thumb is the black placeholder).
  bool Made = false;
  // A decoder failed on the photo, or it or its source photo is missing; the
  // photo is shown black until the folder is read again.
  bool Unreadable = false;
  // The thumbnail was written to the cache path.
  bool Cached = false;
  // 80 x 60, 24 bits.
  TDibImage Thumb;
  // What the decoder said about a damaged file, for reports.
  std::string Error;
};

ThumbnailResult BuildThumbnail(const ThumbnailRequest& request);

// The fraction a JPEG is decoded at for its thumbnail (1, 2 or 4), from its
// size at a quarter (quarter) and the target size: a quarter when that is at
// least twice the target, a half when it is at least the target, else full.
int ThumbJpegScaleDenom(JpegSize quarter, double target_width, double target_height);

// Writes a thumbnail as a BMP file, whole or not at all, creating its folder.
// Returns whether it was written.
bool WriteThumbnailFile(const TDibImage& thumb, const std::string& path);

}  // namespace lumetta
