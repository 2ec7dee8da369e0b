#include "core/export/export_file.h"

#include <sstream>

#include "core/export/export_image.h"
#include "core/imaging/jpeg_encoder.h"
#include "platform/safe_file.h"

namespace lumetta {

std::string ExportJpegBytes(const TDibImage& image, std::int32_t quality, std::string_view header) {
  const std::string stream = EncodeJpeg(image, quality);
  std::string bytes;
  bytes.reserve(header.size() + stream.size());
  bytes.append(header);
  bytes.append(stream, stream.size() >= 2 ? 2 : stream.size());
  return bytes;
}

std::string ExportBmpBytes(const TDibImage& image) {
  std::ostringstream out;
  BottomUpImage(image).SaveToStream(out);
  return std::move(out).str();
}

void WriteExportFile(std::string_view path, std::string_view bytes) {
  try {
    platform::ReplaceFileContents(path, bytes);
  } catch (const platform::EFileOperation& e) {
    throw EExportWrite(e.what());
  }
}

}  // namespace lumetta
