#pragma once
// Decompression of BI_RLE8 and BI_RLE4 stores into uncompressed stores of the
// same bit count. The codes are read with the end of the stored data in view:
// data that ends before the end-of-bitmap code, and codes that would write
// below the last row, are bad RLE data (EDibInvalidDIB). Pixels past the
// right edge are dropped.

#include <memory>

#include "core/imaging/dib_image.h"

namespace lumetta {

// An 8-bit BI_RLE8 store as an 8-bit BI_RGB store; EDibBadDIBType for any
// other store.
std::unique_ptr<TDibData> Convert8BitRLETo8BitRGB(const TDibData& store);

// A 4-bit BI_RLE4 store as a 4-bit BI_RGB store; EDibBadDIBType for any other
// store.
std::unique_ptr<TDibData> Convert4BitRLETo4BitRGB(const TDibData& store);

}  // namespace lumetta
