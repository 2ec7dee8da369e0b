#pragma once
// Writing an export file. The file is written whole to a temporary file in
// the target's folder and renamed over the target only when it is complete:
// a failed export leaves no partial file and an existing target untouched.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/exception.h"
#include "core/export/export_choices.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

// The export could not be written (the encoder failed, the folder is
// read-only, the medium is full, ...).
class EExportWrite : public Exception {
 public:
  using Exception::Exception;
};

// The bytes of a JPEG export: header (FF D8, optionally followed by an APP1
// segment, see ExportJpegHeader) and then the encoder's stream for image at
// quality after its own start marker.
std::string ExportJpegBytes(const TDibImage& image, std::int32_t quality, std::string_view header);

// The bytes of a BMP export: an uncompressed 24-bit BMP file, rows bottom-up.
std::string ExportBmpBytes(const TDibImage& image);

// Writes bytes as the file at path. Throws EExportWrite.
void WriteExportFile(std::string_view path, std::string_view bytes);

}  // namespace lumetta
