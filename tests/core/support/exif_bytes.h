#pragma once
// Small Exif blocks and JPEG files built for tests: a TIFF structure whose
// IFD0 points to an Exif IFD holding DateTimeOriginal.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumetta::testing_support {

struct ExifLayout {
  bool little_endian = true;
  std::uint32_t ifd0_at = 8;  // where the header puts IFD0; the bytes before it are filler
  std::vector<std::string> dates{"2008:05:30 15:56:01"};  // one entry each, in order
  bool with_pointer = true;
  std::uint32_t pointer_count = 1;
};

class ByteWriter {
 public:
  explicit ByteWriter(bool little) : little_(little) {}
  void U16(std::uint32_t v) {
    if (little_) {
      Byte(v);
      Byte(v >> 8);
    } else {
      Byte(v >> 8);
      Byte(v);
    }
  }
  void U32(std::uint32_t v) {
    if (little_) {
      U16(v & 0xFFFF);
      U16(v >> 16);
    } else {
      U16(v >> 16);
      U16(v & 0xFFFF);
    }
  }
  void Byte(std::uint32_t v) { bytes.push_back(static_cast<char>(v & 0xFF)); }
  void Text(const std::string& s) { bytes += s; }
  // A directory entry whose value is a SHORT in the first two bytes.
  void ShortEntry(std::uint16_t tag, std::uint32_t count, std::uint16_t value, std::uint16_t second = 0) {
    U16(tag);
    U16(3);
    U32(count);
    U16(value);
    U16(second);
  }
  void Entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    U16(tag);
    U16(type);
    U32(count);
    U32(value);
  }
  std::string bytes;

 private:
  bool little_;
};

// An entry of an ExifBlock: its value as numbers (SHORT, LONG; RATIONAL and
// SRATIONAL as numerator, denominator pairs) or as ASCII text.
struct ExifValue {
  std::uint16_t tag = 0;
  std::uint16_t type = 2;
  std::string text;  // ASCII, written with its closing zero byte
  std::vector<std::uint32_t> numbers;
  std::optional<std::uint32_t> count;   // written instead of the value's own count
  std::optional<std::uint32_t> offset;  // written as the value field instead of where the value lies
};

inline ExifValue Ascii(std::uint16_t tag, const std::string& text) { return {tag, 2, text, {}, {}, {}}; }
inline ExifValue Short(std::uint16_t tag, std::uint32_t v) { return {tag, 3, "", {v}, {}, {}}; }
inline ExifValue Long(std::uint16_t tag, std::uint32_t v) { return {tag, 4, "", {v}, {}, {}}; }
inline ExifValue Rational(std::uint16_t tag, std::uint32_t n, std::uint32_t d) { return {tag, 5, "", {n, d}, {}, {}}; }
inline ExifValue SRational(std::uint16_t tag, std::int32_t n, std::int32_t d) {
  return {tag, 10, "", {static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(d)}, {}, {}};
}

// A TIFF structure as cameras write their Exif data: header, IFD0 (at
// ifd0_at), the Exif IFD right after it (pointed to by IFD0's last entry
// when there is one), then the values that do not fit their entries, in
// entry order.
struct ExifBlock {
  bool little_endian = true;
  std::uint32_t ifd0_at = 8;
  std::vector<ExifValue> ifd0;
  std::vector<ExifValue> exif;

  std::uint32_t Ifd0Entries() const { return static_cast<std::uint32_t>(ifd0.size() + (exif.empty() ? 0 : 1)); }
  // Offsets from the TIFF header.
  std::uint32_t Ifd0EntryAt(std::uint32_t i) const { return ifd0_at + 2 + 12 * i; }
  std::uint32_t ExifIfdAt() const { return ifd0_at + 2 + 12 * Ifd0Entries() + 4; }
  std::uint32_t ExifEntryAt(std::uint32_t j) const { return ExifIfdAt() + 2 + 12 * j; }

  std::string Bytes() const {
    ByteWriter w(little_endian);
    auto value_bytes = [&](const ExifValue& v) {
      ByteWriter b(little_endian);
      if (v.type == 2) {
        b.Text(v.text);
        b.Byte(0);
      } else {
        for (std::uint32_t n : v.numbers) v.type == 3 ? b.U16(n) : b.U32(n);
      }
      return b.bytes;
    };
    auto own_count = [&](const ExifValue& v) {
      if (v.type == 2) return static_cast<std::uint32_t>(v.text.size() + 1);
      return static_cast<std::uint32_t>(v.type == 5 || v.type == 10 ? v.numbers.size() / 2 : v.numbers.size());
    };
    const std::uint32_t exif_entries = static_cast<std::uint32_t>(exif.size());
    std::uint32_t data_at = exif.empty() ? ExifIfdAt() : ExifIfdAt() + 2 + 12 * exif_entries + 4;
    std::string data;
    auto directory = [&](const std::vector<ExifValue>& entries, bool with_pointer) {
      w.U16(static_cast<std::uint32_t>(entries.size() + (with_pointer ? 1 : 0)));
      for (const ExifValue& v : entries) {
        const std::string bytes = value_bytes(v);
        w.U16(v.tag);
        w.U16(v.type);
        w.U32(v.count.value_or(own_count(v)));
        if (v.offset) {
          w.U32(*v.offset);
        } else if (bytes.size() <= 4) {
          w.Text(bytes);
          w.bytes.append(4 - bytes.size(), '\0');
        } else {
          w.U32(data_at + static_cast<std::uint32_t>(data.size()));
          data += bytes;
        }
      }
      if (with_pointer) w.Entry(0x8769, 4, 1, ExifIfdAt());
      w.U32(0);
    };
    w.Text(little_endian ? "II" : "MM");
    w.U16(42);
    w.U32(ifd0_at);
    w.bytes.append(ifd0_at - 8, '\xAA');
    directory(ifd0, !exif.empty());
    if (!exif.empty()) directory(exif, false);
    return w.bytes + data;
  }
};

// The TIFF structure of an Exif block (offsets from its first byte).
inline std::string ExifTiff(const ExifLayout& layout) {
  ByteWriter w(layout.little_endian);
  w.Text(layout.little_endian ? "II" : "MM");
  w.U16(42);
  w.U32(layout.ifd0_at);
  w.bytes.append(layout.ifd0_at - 8, '\xAA');
  const std::uint32_t ifd0_entries = layout.with_pointer ? 2 : 1;
  const std::uint32_t exif_ifd = layout.ifd0_at + 2 + 12 * ifd0_entries + 4;
  w.U16(ifd0_entries);
  w.Entry(0x010F, 2, 4, 0x006D6143);  // Make "Cam"
  if (layout.with_pointer) w.Entry(0x8769, 4, layout.pointer_count, exif_ifd);
  w.U32(0);
  const auto exif_entries = static_cast<std::uint32_t>(layout.dates.size() + 1);
  const std::uint32_t text = exif_ifd + 2 + 12 * exif_entries + 4;
  w.U16(exif_entries);
  w.Entry(0x829A, 5, 1, 0);  // ExposureTime, its value never read
  for (std::size_t i = 0; i < layout.dates.size(); ++i) {
    w.Entry(0x9003, 2, 20, text + 20 * static_cast<std::uint32_t>(i));
  }
  w.U32(0);
  for (const std::string& date : layout.dates) {
    w.Text(date);
    w.bytes.append(20 - date.size(), '\0');
  }
  return w.bytes;
}

// A JPEG start: SOI, then the APP1 "Exif" block holding tiff (nothing
// decodable follows unless rest is a JPEG's segments after its SOI).
inline std::string JpegWithExif(const std::string& tiff, const std::string& rest = "") {
  const std::size_t length = 2 + 6 + tiff.size();
  std::string out = "\xFF\xD8\xFF\xE1";
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  out += std::string("Exif\0\0", 6);
  out += tiff;
  out += rest;
  return out;
}

inline std::string ExifJpeg(const ExifLayout& layout, const std::string& rest = "") {
  return JpegWithExif(ExifTiff(layout), rest);
}

// A JPEG segment: FF, the marker, the length word (counting itself) and the
// data.
inline std::string Segment(unsigned char marker, const std::string& data) {
  const std::size_t length = data.size() + 2;
  std::string out = "\xFF";
  out += static_cast<char>(marker);
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  return out + data;
}

// The JFIF APP0 segment editors write first.
inline std::string JfifSegment() {
  return Segment(0xE0, std::string("JFIF\0\x01\x01\x01\x00\x48\x00\x48\0\0", 14));
}

// A JPEG with segments put between its start marker and what followed it.
inline std::string WithSegmentsFirst(const std::string& jpeg, const std::string& segments) {
  return jpeg.substr(0, 2) + segments + jpeg.substr(2);
}

// A camera JPEG that starts with JFIF APP0 and Exif APP1, with the APP0
// taken out so that the Exif block follows the start marker.
inline std::string WithoutApp0(const std::string& jpeg) {
  if (jpeg.size() < 6 || static_cast<unsigned char>(jpeg[3]) != 0xE0) return jpeg;
  const std::size_t length = static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]);
  return jpeg.substr(0, 2) + jpeg.substr(4 + length);
}

}  // namespace lumetta::testing_support
