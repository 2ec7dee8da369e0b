#pragma once
// The Exif block of a JPEG file: the first APP1 segment that begins
// "Exif\0\0", looked for among the segments that lead the file. Cameras put
// it right after the start-of-image marker; many editors, phones and some
// cameras write a JFIF APP0 segment (or others) before it.
//
// Source is BinaryFile or MemoryBytes (core/base/binary_file.h).

#include <cstdint>
#include <cstring>
#include <optional>

namespace lumetta {

struct ExifSegment {
  std::uint64_t start = 0;    // offset of the segment's marker FF E1
  std::uint16_t length = 0;   // its length word, which counts itself and the data but not the marker
  // The TIFF header inside the segment, after "Exif\0\0": the base of every
  // Exif offset.
  std::uint64_t Base() const { return start + 10; }
  // The first byte after the segment, as its length word gives it.
  std::uint64_t End() const { return start + 2 + std::uint64_t{length}; }
};

// Walks the markers from the start-of-image marker (bytes 0 and 1, not
// checked) while they are APPn (FF E0 to FF EF) or COM (FF FE), each with its
// length, and returns the first APP1 whose data starts "Exif\0\0". Stops at
// any other marker, at a length below 2 and at the end of the data; nothing
// past the end is read.
template <typename Source>
std::optional<ExifSegment> FindExifSegment(Source& source) {
  std::uint64_t at = 2;
  std::uint8_t head[10];
  while (source.Holds(at, 4)) {
    source.ReadAt(at, head, 4);
    if (head[0] != 0xFF) break;
    const std::uint8_t marker = head[1];
    const auto length = static_cast<std::uint16_t>(head[2] << 8 | head[3]);
    if (marker == 0xE1 && source.Holds(at, sizeof head)) {
      source.ReadAt(at, head, sizeof head);
      if (std::memcmp(head + 4, "Exif\0\0", 6) == 0) return ExifSegment{at, length};
    }
    const bool leading = (marker >= 0xE0 && marker <= 0xEF) || marker == 0xFE;
    if (!leading || length < 2) break;
    at += 2 + std::uint64_t{length};
  }
  return std::nullopt;
}

}  // namespace lumetta
