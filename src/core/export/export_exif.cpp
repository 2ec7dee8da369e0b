#include "core/export/export_exif.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/base/binary_file.h"
#include "core/imaging/exif_segment.h"

namespace lumetta {

namespace {

constexpr std::uint16_t kTypeShort = 3;
constexpr std::uint16_t kTypeLong = 4;
constexpr std::size_t kPatchBytes = 10;
// FF D8, FF E1 and the length word come before the segment's data.
constexpr std::size_t kSegmentDataStart = 6;

void Put16(std::uint8_t* p, std::uint16_t v, bool intel) {
  if (intel) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
  } else {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
  }
}

void Put32(std::uint8_t* p, std::uint32_t v, bool intel) {
  if (intel) {
    Put16(p, static_cast<std::uint16_t>(v), true);
    Put16(p + 2, static_cast<std::uint16_t>(v >> 16), true);
  } else {
    Put16(p, static_cast<std::uint16_t>(v >> 16), false);
    Put16(p + 2, static_cast<std::uint16_t>(v), false);
  }
}

bool CompleteSegment(const ExifInfo& exif) {
  const std::vector<std::uint8_t>& b = exif.App1Bytes;
  return exif.App1Length >= 2 && b.size() == static_cast<std::size_t>(exif.App1Length) + 4 && b[0] == 0xFF &&
         b[1] == 0xD8 && b[2] == 0xFF && b[3] == 0xE1 &&
         (std::int32_t{b[4]} << 8 | b[5]) == exif.App1Length;
}

// A position of 0 means the entry was not met; any other must leave room for
// the whole patch after the segment's header.
bool PatchFits(std::int64_t pos, std::size_t size) {
  if (pos == 0) return true;
  return pos >= static_cast<std::int64_t>(kSegmentDataStart) &&
         static_cast<std::uint64_t>(pos) + kPatchBytes <= size;
}

}  // namespace

std::string ExportJpegHeader(const ExifInfo& exif, std::uint32_t width, std::uint32_t height) {
  const std::string start("\xFF\xD8", 2);
  if (!CompleteSegment(exif)) return start;
  const std::size_t size = exif.App1Bytes.size();
  if (!PatchFits(exif.OrientationEntryPos, size) || !PatchFits(exif.WidthEntryPos, size) ||
      !PatchFits(exif.HeightEntryPos, size)) {
    return start;
  }
  std::string header(exif.App1Bytes.begin(), exif.App1Bytes.end());
  auto* bytes = reinterpret_cast<std::uint8_t*>(header.data());
  const bool intel = exif.IntelByteOrder;
  if (exif.OrientationEntryPos != 0) {
    std::uint8_t* p = bytes + exif.OrientationEntryPos;
    Put16(p, kTypeShort, intel);
    Put32(p + 2, 1, intel);
    Put16(p + 6, 1, intel);
    Put16(p + 8, 0, intel);
  }
  const auto patch_long = [&](std::int64_t pos, std::uint32_t value) {
    if (pos == 0) return;
    std::uint8_t* p = bytes + pos;
    Put16(p, kTypeLong, intel);
    Put32(p + 2, 1, intel);
    Put32(p + 6, value, intel);
  };
  patch_long(exif.WidthEntryPos, width);
  patch_long(exif.HeightEntryPos, height);
  return header;
}

bool ExifBelongsTo(const ExifInfo& exif, std::string_view photo_path) {
  if (!CompleteSegment(exif)) return false;
  try {
    BinaryFile file(photo_path);
    const std::optional<ExifSegment> segment = FindExifSegment(file);
    if (!segment || segment->length != exif.App1Length) return false;
    const std::size_t size = exif.App1Bytes.size() - 2;
    if (!file.Holds(segment->start, size)) return false;
    std::vector<std::uint8_t> now(size);
    file.ReadAt(segment->start, now.data(), size);
    return std::equal(now.begin(), now.end(), exif.App1Bytes.begin() + 2);
  } catch (const EBinaryRead&) {
    return false;
  }
}

}  // namespace lumetta
