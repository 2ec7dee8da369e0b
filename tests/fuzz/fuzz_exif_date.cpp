// libFuzzer target: the Exif shooting-date key of JPEG and TIFF bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/library/date_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const char* extension : {".jpg", ".tif"}) {
    // Never fails: a date of 14 bytes or the no-date key.
    if (lumetta::ExifDateKeyOfBytes(data, size, extension).size() != 14) std::abort();
  }
  return 0;
}
