#pragma once
// Turning what a plug-in returned into a bitmap.
//
// A plug-in hands over two blocks: a BITMAPINFO (header and colour table)
// and the pixel rows. Both are outside data: every size the header claims is
// checked against the blocks (in 64-bit arithmetic) before a byte is read,
// and only then are they read as a BMP stream by the bitmap's own reader.

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/imaging/dib_image.h"

namespace lumetta {

// A plug-in's blocks that do not hold the picture their header describes.
class EPluginPicture : public EDibError {
 public:
  using EDibError::EDibError;
};

// Reads the picture of the two blocks into a new store. Throws
// EPluginPicture for blocks that contradict their header and the BMP
// reader's EDibError for a picture it refuses.
std::unique_ptr<TDibData> ReadPluginPicture(std::span<const std::uint8_t> info, std::span<const std::uint8_t> pixels);

}  // namespace lumetta
