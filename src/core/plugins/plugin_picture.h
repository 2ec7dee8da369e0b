#pragma once
// Turning what a plug-in returned into a bitmap.
//
// A plug-in hands over two blocks: a BITMAPINFO (header and colour table)
// and the pixel rows. Both are outside data: every size the header claims is
// checked against the blocks (in 64-bit arithmetic) before a byte is read,
// and only then are they read as a BMP stream by the bitmap's own reader.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
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

// The usual picture of a plug-in, plain 24-bit rows under a 40-byte header
// without a colour table, made into a store around the plug-in's own pixel
// block instead of a copy of it: the same store ReadPluginPicture makes,
// without allocating and filling a second picture's worth of memory. take
// is called once the header is known to describe a picture the block of
// pixel_bytes holds; it gives up the block (or gives nothing when the block
// cannot be kept). Nothing for a picture of any other kind, and the blocks
// are then read with ReadPluginPicture.
std::unique_ptr<TDibData> AdoptPluginPicture(std::span<const std::uint8_t> info, std::size_t pixel_bytes,
                                             const std::function<PixelBlock()>& take);

}  // namespace lumetta
