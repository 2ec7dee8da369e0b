#pragma once
// Small Exif blocks and JPEG files built for tests: a TIFF structure whose
// IFD0 points to an Exif IFD holding DateTimeOriginal.

#include <cstdint>
#include <string>
#include <vector>

namespace lumetta::testing_support {

struct ExifLayout {
  bool little_endian = true;
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

// The TIFF structure of an Exif block (offsets from its first byte).
inline std::string ExifTiff(const ExifLayout& layout) {
  ByteWriter w(layout.little_endian);
  w.Text(layout.little_endian ? "II" : "MM");
  w.U16(42);
  w.U32(8);
  const std::uint32_t ifd0_entries = layout.with_pointer ? 2 : 1;
  const std::uint32_t exif_ifd = 8 + 2 + 12 * ifd0_entries + 4;
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

// A JPEG start: SOI, then the APP1 "Exif" block (nothing decodable follows
// unless rest is a JPEG's segments after its SOI).
inline std::string ExifJpeg(const ExifLayout& layout, const std::string& rest = "") {
  const std::string tiff = ExifTiff(layout);
  const std::size_t length = 2 + 6 + tiff.size();
  std::string out = "\xFF\xD8\xFF\xE1";
  out += static_cast<char>(length >> 8);
  out += static_cast<char>(length & 0xFF);
  out += std::string("Exif\0\0", 6);
  out += tiff;
  out += rest;
  return out;
}

// A camera JPEG that starts with JFIF APP0 and Exif APP1, with the APP0
// taken out so that the Exif block follows the start marker.
inline std::string WithoutApp0(const std::string& jpeg) {
  if (jpeg.size() < 6 || static_cast<unsigned char>(jpeg[3]) != 0xE0) return jpeg;
  const std::size_t length = static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]);
  return jpeg.substr(0, 2) + jpeg.substr(4 + length);
}

}  // namespace lumetta::testing_support
