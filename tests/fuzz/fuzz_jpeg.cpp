// libFuzzer target: the JPEG decoder on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "core/imaging/jpeg_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lumetta::JpegDecodeOptions options;
  // A few bytes can claim a huge image; decoding it proves nothing more.
  options.MaxPixels = 4'000'000;
  try {
    lumetta::DecodeJpegMemory(data, size, options);
  } catch (const lumetta::EJpegError&) {
  }
  options.ScaleDenom = 4;
  options.FastIdct = true;
  try {
    lumetta::DecodeJpegMemory(data, size, options);
  } catch (const lumetta::EJpegError&) {
  }
  return 0;
}
