#pragma once
// Decoding a photo file for the view: the decoder is chosen by the file's
// extension and by the formats the installed plug-ins claim.

#include <string_view>

#include "core/imaging/decode_error.h"
#include "core/imaging/spi_dib_image.h"

namespace lumetta {

// Formats a plug-in takes over from the program's own decoders.
struct DecoderChoice {
  bool JpegByPlugin = false;
  bool BmpByPlugin = false;
  bool TiffByPlugin = false;
};

// Decodes path into decoded, full size, as 24 bits per pixel: JPEG through
// libjpeg (accurate integer DCT, smooth upsampling), BMP through the bitmap's
// own reader, uncompressed TIFF through the TIFF reader, anything else (and
// what a plug-in claims) through the plug-ins. Throws EDecodeError; decoded
// then keeps its previous picture.
void DecodePhoto(std::string_view path, TSPIDibImage& decoded, const DecoderChoice& choice);

}  // namespace lumetta
