// The rotation-file reader of the thumbnail cache on arbitrary bytes: any
// input gives a rotation, never an error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/library/thumb_rotation_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  volatile std::int8_t rotation =
      lumetta::ParseThumbRotationBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  static_cast<void>(rotation);
  return 0;
}
