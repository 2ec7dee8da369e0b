#pragma once
// JPEG decoding through libjpeg into the program's 24-bit bitmaps.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/imaging/decode_error.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

// libjpeg refused the data (or memory ran out). A file whose data merely ends
// early is no error: it decodes as far as its data goes.
class EJpegError : public EDecodeError {
 public:
  using EDecodeError::EDecodeError;
};

struct JpegDecodeOptions {
  // The image comes out at 1 / ScaleDenom of its size (1, 2, 4 or 8).
  int ScaleDenom = 1;
  // The fast inverse DCT instead of the accurate integer one.
  bool FastIdct = false;
  // Smooth (triangle) upsampling of the colour channels.
  bool FancyUpsampling = true;
  // Larger images are refused before any pixel memory is taken.
  std::int64_t MaxPixels = TDibData::kMaxPixels;
};

// The photo view's decoding: full size, accurate integer DCT, smooth upsampling.
inline constexpr JpegDecodeOptions kViewJpegDecode{};

// Decodes into a new 24-bit store (rows top-down, pixels blue, green, red).
// Throws EJpegError.
std::unique_ptr<TDibData> DecodeJpegFile(std::string_view path, const JpegDecodeOptions& options = kViewJpegDecode);
std::unique_ptr<TDibData> DecodeJpegMemory(const std::uint8_t* data, std::size_t size,
                                           const JpegDecodeOptions& options = kViewJpegDecode);

struct JpegSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};

// The size the image would have at 1 / scale_denom, from its header alone.
// Throws EJpegError.
JpegSize JpegOutputSize(std::string_view path, int scale_denom);

}  // namespace lumetta
