// libFuzzer target: the information panel's Exif reader on JPEG and TIFF
// bytes. It never throws for bytes in memory; what it keeps for the export
// must hold together, and the export's patch of it stays inside the kept
// segment.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/export/export_exif.h"
#include "core/records/exif_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 17) return 0;
  for (const char* extension : {".jpg", ".tif"}) {
    const lumetta::ExifReading r = lumetta::ReadExifInfoOfBytes(data, size, extension);
    const lumetta::ExifInfo& info = r.Info;
    if (!info.App1Bytes.empty() && info.App1Bytes.size() != static_cast<std::size_t>(info.App1Length) + 4) std::abort();
    if (r.Truncated && (info.App1Length != 0 || !info.App1Bytes.empty())) std::abort();
    const std::string header = lumetta::ExportJpegHeader(info, 70000, 480);
    if (header.size() != 2 && header.size() != info.App1Bytes.size()) std::abort();
    if (info.ModelText.size() > 3 * 255 || info.MakerText.size() > 3 * 255) std::abort();
  }
  return 0;
}
