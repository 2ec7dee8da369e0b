#pragma once
// JPEG encoding through libjpeg of the program's 24-bit bitmaps, into memory:
// the encoder's defaults (JFIF APP0, 4:2:0, accurate integer DCT) at a given
// quality.

#include <cstdint>
#include <string>

#include "core/imaging/dib_image.h"

namespace lumetta {

// libjpeg refused the image, or memory ran out.
class EJpegEncodeError : public EDibError {
 public:
  using EDibError::EDibError;
};

// The whole JPEG stream of a 24-bit image (rows top to bottom, as shown) at
// quality 1 ... 100. Throws EJpegEncodeError, EDibBadDIBType for an image of
// another bit count.
std::string EncodeJpeg(const TDibImage& image, int quality);

}  // namespace lumetta
