#pragma once
// The part of a TIFF file the program's readers look at: the byte order and
// the entries of the first directory, taken to start at offset 8. Shared by
// the full reader and the thumbnail builder's sampled reader.
//
// Source is BinaryFile or MemoryBytes (core/base/binary_file.h): every read
// is checked against the data's size.

#include <cstdint>
#include <string>

#include "core/base/binary_file.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/tiff_reader.h"

namespace lumetta::tiff {

inline constexpr std::uint16_t kImageWidth = 256;
inline constexpr std::uint16_t kImageLength = 257;
inline constexpr std::uint16_t kCompression = 259;
inline constexpr std::uint16_t kStripOffsets = 273;
inline constexpr std::uint16_t kShort = 3;

struct Entry {
  std::uint16_t tag = 0;
  std::uint16_t type = 0;
  std::uint32_t count = 0;
  std::uint8_t value[4] = {};
};

// "II" is little-endian; anything else big-endian.
template <typename Source>
ByteOrder OrderOf(Source& source) {
  std::uint8_t mark[2];
  source.ReadAt(0, mark, 2);
  return mark[0] == 'I' && mark[1] == 'I' ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
}

// An entry's value: SHORT for type 3, else LONG.
inline std::uint32_t ValueOf(const Entry& e, ByteOrder order) {
  return e.type == kShort ? GetU16(e.value, order) : GetU32(e.value, order);
}

// Calls on_entry for every entry of the directory, in file order. A
// Compression other than 1 stops the reading with ETiffError; so does a
// directory that runs past the end of the data.
template <typename Source, typename OnEntry>
void WalkDirectory(Source& source, ByteOrder order, OnEntry&& on_entry) {
  const std::uint16_t count = source.U16At(8, order);
  if (!source.Holds(10, std::uint64_t{12} * count)) throw ETiffError("TIFF directory runs past the end of the file");
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint8_t bytes[12];
    source.ReadAt(10 + std::uint64_t{12} * i, bytes, sizeof bytes);
    Entry e{GetU16(bytes, order), GetU16(bytes + 2, order), GetU32(bytes + 4, order), {}};
    for (int k = 0; k < 4; ++k) e.value[k] = bytes[8 + k];
    if (e.tag == kCompression && ValueOf(e, order) != 1) throw ETiffError("compressed TIFF files cannot be read");
    on_entry(e);
  }
}

// The offset of strip k (0-based) of a StripOffsets entry: in the value field
// itself when the strips fit there, else element k of the array it points to.
template <typename Source>
std::uint64_t StripOffset(Source& source, const Entry& e, std::uint32_t k, ByteOrder order) {
  if (e.type == kShort && e.count <= 2) return GetU16(e.value + 2 * k, order);
  if (e.type != kShort && e.count == 1) return GetU32(e.value, order);
  const std::uint64_t element = e.type == kShort ? 2 : 4;
  const std::uint64_t at = GetU32(e.value, order) + element * k;
  if (!source.Holds(at, element)) throw ETiffError("TIFF strip offsets lie past the end of the file");
  return element == 2 ? std::uint64_t{source.U16At(at, order)} : source.U32At(at, order);
}

// Whether the offsets of a StripOffsets entry lie within the data (those in
// the value field always do).
template <typename Source>
bool StripOffsetsFit(Source& source, const Entry& e, ByteOrder order) {
  if ((e.type == kShort && e.count <= 2) || (e.type != kShort && e.count == 1)) return true;
  const std::uint64_t element = e.type == kShort ? 2 : 4;
  return source.Holds(GetU32(e.value, order), element * e.count);
}

// Refuses a width and height no image of the program may have.
inline void CheckImageSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX || width * height > TDibData::kMaxPixels) {
    throw ETiffError("TIFF image size " + std::to_string(width) + " x " + std::to_string(height) + " cannot be read");
  }
}

}  // namespace lumetta::tiff
