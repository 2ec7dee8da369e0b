#pragma once
// The part of a TIFF file the program's readers look at: the byte order, the
// first directory (where the header's offset puts it) and the strips it
// describes. Shared by the full reader and the thumbnail builder's sampled
// reader.
//
// Source is BinaryFile or MemoryBytes (core/base/binary_file.h): every read
// is checked against the data's size.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/binary_file.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/tiff_reader.h"

namespace lumetta::tiff {

inline constexpr std::uint16_t kImageWidth = 256;
inline constexpr std::uint16_t kImageLength = 257;
inline constexpr std::uint16_t kCompression = 259;
inline constexpr std::uint16_t kStripOffsets = 273;
inline constexpr std::uint16_t kRowsPerStrip = 278;
inline constexpr std::uint16_t kStripByteCounts = 279;
inline constexpr std::uint16_t kShort = 3;

struct Entry {
  std::uint16_t tag = 0;
  std::uint16_t type = 0;
  std::uint32_t count = 0;
  std::uint8_t value[4] = {};
};

// "II" is little-endian; anything else big-endian.
template <typename Source>
ByteOrder OrderOf(Source& source, std::uint64_t base = 0) {
  std::uint8_t mark[2];
  source.ReadAt(base, mark, 2);
  return mark[0] == 'I' && mark[1] == 'I' ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
}

// Where the first directory starts, from the TIFF header at base: the
// header's offset (bytes 4 to 7). Common writers put the directory after the
// pixels. An offset below 8 would point into the header itself; such a
// damaged header is read as it always was, with the directory at 8.
template <typename Source>
std::uint64_t FirstDirectoryOffset(Source& source, ByteOrder order, std::uint64_t base = 0) {
  const std::uint32_t offset = source.U32At(base + 4, order);
  return offset < 8 ? 8 : offset;
}

// An entry's value: SHORT for type 3, else LONG.
inline std::uint32_t ValueOf(const Entry& e, ByteOrder order) {
  return e.type == kShort ? GetU16(e.value, order) : GetU32(e.value, order);
}

// Calls on_entry for every entry of the directory at offset at, in file
// order. A directory that runs past the end of the data is an ETiffError.
template <typename Source, typename OnEntry>
void ForEachEntry(Source& source, ByteOrder order, std::uint64_t at, OnEntry&& on_entry) {
  if (!source.Holds(at, 2)) throw ETiffError("TIFF directory lies past the end of the file");
  const std::uint16_t count = source.U16At(at, order);
  if (!source.Holds(at + 2, std::uint64_t{12} * count)) throw ETiffError("TIFF directory runs past the end of the file");
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint8_t bytes[12];
    source.ReadAt(at + 2 + std::uint64_t{12} * i, bytes, sizeof bytes);
    Entry e{GetU16(bytes, order), GetU16(bytes + 2, order), GetU32(bytes + 4, order), {}};
    for (int k = 0; k < 4; ++k) e.value[k] = bytes[8 + k];
    on_entry(e);
  }
}

// As ForEachEntry; a Compression other than 1 stops the reading with
// ETiffError.
template <typename Source, typename OnEntry>
void WalkDirectory(Source& source, ByteOrder order, std::uint64_t at, OnEntry&& on_entry) {
  ForEachEntry(source, order, at, [&](const Entry& e) {
    if (e.tag == kCompression && ValueOf(e, order) != 1) throw ETiffError("compressed TIFF files cannot be read");
    on_entry(e);
  });
}

// Whether the values of an array entry (StripOffsets, StripByteCounts) lie
// within the data: in the value field itself when they fit there (two SHORTs
// or one LONG), else at the offset it holds.
template <typename Source>
bool ArrayFits(Source& source, const Entry& e, ByteOrder order) {
  if ((e.type == kShort && e.count <= 2) || (e.type != kShort && e.count == 1)) return true;
  const std::uint64_t element = e.type == kShort ? 2 : 4;
  return source.Holds(GetU32(e.value, order), element * e.count);
}

// Element k (0-based) of an array entry.
template <typename Source>
std::uint64_t ArrayValue(Source& source, const Entry& e, std::uint32_t k, ByteOrder order) {
  if (e.type == kShort && e.count <= 2) return GetU16(e.value + 2 * k, order);
  if (e.type != kShort && e.count == 1) return GetU32(e.value, order);
  const std::uint64_t element = e.type == kShort ? 2 : 4;
  const std::uint64_t at = GetU32(e.value, order) + element * k;
  if (!source.Holds(at, element)) throw ETiffError("TIFF strip table lies past the end of the file");
  return element == 2 ? std::uint64_t{source.U16At(at, order)} : source.U32At(at, order);
}

// What the directory says about its strips besides their offsets. Both tags
// follow StripOffsets in a directory's tag order, so they are looked up
// before the strips are read.
struct StripLayout {
  std::uint32_t rows_per_strip = 0;  // 0: not given
  // StripByteCounts, kept only when it is sound: one count per strip, none of
  // them 0, each strip within the data. Old writers left wrong counts in
  // files that always read well; like libtiff, the reader then goes by the
  // rows alone, as it always did.
  std::optional<Entry> byte_counts;
};

template <typename Source>
bool ByteCountsSound(Source& source, const Entry& offsets, const Entry& counts, ByteOrder order) {
  if (offsets.count != counts.count || !ArrayFits(source, offsets, order) || !ArrayFits(source, counts, order)) {
    return false;
  }
  for (std::uint32_t k = 0; k < counts.count; ++k) {
    const std::uint64_t count = ArrayValue(source, counts, k, order);
    if (count == 0 || !source.Holds(ArrayValue(source, offsets, k, order), count)) return false;
  }
  return true;
}

template <typename Source>
StripLayout StripLayoutOf(Source& source, ByteOrder order, std::uint64_t at) {
  StripLayout layout;
  std::optional<Entry> offsets;
  ForEachEntry(source, order, at, [&](const Entry& e) {
    if (e.tag == kRowsPerStrip) layout.rows_per_strip = ValueOf(e, order);
    if (e.tag == kStripByteCounts) layout.byte_counts = e;
    if (e.tag == kStripOffsets) offsets = e;
  });
  if (layout.byte_counts && !(offsets && ByteCountsSound(source, *offsets, *layout.byte_counts, order))) {
    layout.byte_counts.reset();
  }
  return layout;
}

// The rows each strip holds. With RowsPerStrip r, strip s starts at row s r
// and holds r rows, the last strip fewer; without it every one of the n
// strips holds height div n rows, and the rows after the last strip stay
// black.
class StripRows {
 public:
  StripRows(std::uint32_t rows_per_strip, std::uint32_t strips, std::uint64_t height)
      : height_(height),
        given_(rows_per_strip != 0),
        spacing_(rows_per_strip != 0 ? std::min<std::uint64_t>(rows_per_strip, height)
                                     : (strips == 0 ? 0 : height / strips)) {}

  // Rows from the start of one strip to the start of the next.
  std::uint64_t Spacing() const { return spacing_; }
  std::uint64_t First(std::uint64_t strip) const { return strip * spacing_; }
  std::uint64_t Count(std::uint64_t strip) const {
    if (!given_) return spacing_;
    const std::uint64_t first = First(strip);
    return first < height_ ? std::min(spacing_, height_ - first) : 0;
  }

 private:
  std::uint64_t height_;
  bool given_;
  std::uint64_t spacing_;
};

// Refuses a width and height no image of the program may have.
inline void CheckImageSize(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX || width * height > TDibData::kMaxPixels) {
    throw ETiffError("TIFF image size " + std::to_string(width) + " x " + std::to_string(height) + " cannot be read");
  }
}

}  // namespace lumetta::tiff
