// libFuzzer target: the uncompressed-TIFF reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "core/imaging/tiff_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    lumetta::ReadTiffMemory(data, size);
  } catch (const lumetta::ETiffError&) {
  }
  return 0;
}
