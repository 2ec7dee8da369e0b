// The thumbnail builder's sampled TIFF reader on arbitrary bytes: read the
// blocks and every corner of them. An ETiffError is a clean refusal;
// anything else (a crash, a sanitizer report, another exception) is a fault.
#include <cstddef>
#include <cstdint>

#include "core/imaging/thumb_tiff_sampler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  try {
    const lumetta::SampledTiff tiff = lumetta::ReadSampledTiffMemory(data, size);
    unsigned sum = 0;
    for (std::int32_t y : {0, tiff.Height() / 2, tiff.Height() - 1}) {
      for (std::int32_t x : {0, tiff.Width() / 2, tiff.Width() - 1}) {
        if (const std::uint8_t* p = tiff.Pixel(x, y)) sum += p[0] + p[1] + p[2];
      }
    }
    volatile unsigned keep = sum;
    static_cast<void>(keep);
  } catch (const lumetta::ETiffError&) {
  }
  return 0;
}
