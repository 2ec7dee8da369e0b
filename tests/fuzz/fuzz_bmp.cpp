// The BMP reader on arbitrary bytes: load, convert to 24 bits, read a corner.
// Any EDibError is a clean refusal; anything else (a crash, a sanitizer
// report, another exception) is a fault.
#include <cstddef>
#include <cstdint>

#include "core/imaging/dib_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  lumetta::TDibImage image;
  try {
    image.LoadFromMemory(data, size);
    // A valid RLE file of a few bytes may describe 2^28 pixels; expanding that
    // is correct but would only slow the search down.
    if (std::int64_t{image.Width()} * image.Height() > (std::int64_t{1} << 22)) return 0;
    image.SetPixelFormat(lumetta::TDibPixelFormat::dpf24Bit);
    volatile std::uint32_t corner = image.Pixels(image.Width() - 1, image.Height() - 1);
    corner = image.Pixels(0, 0);
    static_cast<void>(corner);
  } catch (const lumetta::EDibError&) {
  }
  return 0;
}
