#pragma once
// The program's own reader of uncompressed 8-bit RGB TIFF files.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "core/imaging/decode_error.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

// A compressed TIFF, one without image data, or one whose directory or
// strips do not fit the file.
class ETiffError : public EDecodeError {
 public:
  using EDecodeError::EDecodeError;
};

// Reads the first directory (where the header's offset puts it) into a new
// 24-bit store. Only Compression, ImageWidth, ImageLength, StripOffsets,
// RowsPerStrip and StripByteCounts are looked at: strips of red, green, blue
// bytes hold RowsPerStrip rows each (the last one fewer), or height / strips
// rows when the file does not say, and no strip is read past its byte count.
// Rows no strip reaches stay black. Throws ETiffError.
std::unique_ptr<TDibData> ReadTiffFile(std::string_view path);
std::unique_ptr<TDibData> ReadTiffMemory(const std::uint8_t* data, std::size_t size);

}  // namespace lumetta
