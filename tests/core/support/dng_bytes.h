#pragma once
// Small camera RAW files in the DNG form, built byte by byte: a Bayer
// (RGGB) sensor picture of 12-bit samples, uncompressed, optionally behind a
// full-size JPEG preview in the first directory, as cameras and converters
// lay them out.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta::testing_support {

class TiffWriter {
 public:
  struct Entry {
    std::uint16_t tag;
    std::uint16_t type;  // 1 BYTE, 2 ASCII, 3 SHORT, 4 LONG, 5 RATIONAL, 10 SRATIONAL
    std::uint32_t count;
    std::string value;  // little-endian bytes
  };

  TiffWriter() { out_ = std::string("II*\0\0\0\0\0", 8); }

  // Appends bytes at an even offset; returns the offset.
  std::uint32_t Append(std::string_view bytes) {
    if (out_.size() % 2 != 0) out_.push_back('\0');
    const auto offset = static_cast<std::uint32_t>(out_.size());
    out_ += bytes;
    return offset;
  }

  // Writes a directory (entries sorted by tag), its long values first.
  std::uint32_t Directory(std::vector<Entry> entries) {
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.tag < b.tag; });
    std::vector<std::uint32_t> places;
    for (const Entry& e : entries) places.push_back(e.value.size() > 4 ? Append(e.value) : 0);
    std::string ifd;
    U16(ifd, static_cast<std::uint32_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Entry& e = entries[i];
      U16(ifd, e.tag);
      U16(ifd, e.type);
      U32(ifd, e.count);
      if (e.value.size() > 4) {
        U32(ifd, places[i]);
      } else {
        std::string inline_value = e.value;
        inline_value.resize(4, '\0');
        ifd += inline_value;
      }
    }
    U32(ifd, 0);
    return Append(ifd);
  }

  void FirstDirectory(std::uint32_t offset) {
    for (int i = 0; i < 4; ++i) out_[4 + static_cast<std::size_t>(i)] = static_cast<char>(offset >> (8 * i));
  }
  const std::string& Bytes() const { return out_; }

  static void U16(std::string& s, std::uint32_t v) {
    s.push_back(static_cast<char>(v));
    s.push_back(static_cast<char>(v >> 8));
  }
  static void U32(std::string& s, std::uint32_t v) {
    U16(s, v & 0xFFFF);
    U16(s, v >> 16);
  }
  static Entry Short(std::uint16_t tag, std::vector<std::uint32_t> values) {
    std::string v;
    for (std::uint32_t x : values) U16(v, x);
    return {tag, 3, static_cast<std::uint32_t>(values.size()), v};
  }
  static Entry Long(std::uint16_t tag, std::uint32_t value) {
    std::string v;
    U32(v, value);
    return {tag, 4, 1, v};
  }
  static Entry Bytes(std::uint16_t tag, std::vector<std::uint8_t> values) {
    return {tag, 1, static_cast<std::uint32_t>(values.size()), std::string(values.begin(), values.end())};
  }
  static Entry Ascii(std::uint16_t tag, std::string_view text) {
    std::string v(text);
    v.push_back('\0');
    return {tag, 2, static_cast<std::uint32_t>(v.size()), v};
  }
  // Rationals over 10000, signed (SRATIONAL) or not.
  static Entry Rationals(std::uint16_t tag, bool is_signed, std::vector<std::int32_t> numerators) {
    std::string v;
    for (std::int32_t n : numerators) {
      U32(v, static_cast<std::uint32_t>(n));
      U32(v, 10000);
    }
    return {tag, static_cast<std::uint16_t>(is_signed ? 10 : 5), static_cast<std::uint32_t>(numerators.size()), v};
  }

 private:
  std::string out_;
};

struct DngFile {
  std::uint32_t width = 64;
  std::uint32_t height = 48;
  // The 12-bit sample of the sensor at (x, y); the colour filter is red at
  // even x and y, blue at odd x and y, green elsewhere.
  std::function<std::uint16_t(std::uint32_t x, std::uint32_t y)> sample = [](std::uint32_t x, std::uint32_t y) {
    return static_cast<std::uint16_t>((x * 61 + y * 37 + ((x ^ y) & 1) * 900) % 4096);
  };
  // A JPEG stored as the full-size preview of the first directory, with
  // its size; none when empty.
  std::string preview_jpeg;
  std::uint32_t preview_width = 0;
  std::uint32_t preview_height = 0;

  std::string Bytes() const {
    using W = TiffWriter;
    W tiff;
    std::string samples;
    samples.reserve(std::size_t{width} * height * 2);
    for (std::uint32_t y = 0; y < height; ++y) {
      for (std::uint32_t x = 0; x < width; ++x) W::U16(samples, sample(x, y));
    }
    const std::uint32_t raw_offset = tiff.Append(samples);
    std::vector<W::Entry> raw = {
        W::Long(254, 0),
        W::Long(256, width),
        W::Long(257, height),
        W::Short(258, {16}),
        W::Short(259, {1}),
        W::Short(262, {32803}),
        W::Long(273, raw_offset),
        W::Short(277, {1}),
        W::Long(278, height),
        W::Long(279, static_cast<std::uint32_t>(samples.size())),
        W::Short(284, {1}),
        W::Short(33421, {2, 2}),
        W::Bytes(33422, {0, 1, 1, 2}),
        W::Long(50714, 0),
        W::Long(50717, 4095),
    };
    std::vector<W::Entry> camera = {
        W::Ascii(271, "Lumetta"),
        W::Ascii(272, "Test Camera"),
        W::Bytes(50706, {1, 4, 0, 0}),
        W::Ascii(50708, "Lumetta Test Camera"),
        W::Rationals(50721, true, {6722, -635, -963, -4287, 12460, 2028, -908, 2162, 5668}),
        W::Rationals(50728, false, {5000, 10000, 7000}),
        W::Short(50778, {21}),
    };
    if (preview_jpeg.empty()) {
      raw.insert(raw.end(), camera.begin(), camera.end());
      tiff.FirstDirectory(tiff.Directory(raw));
      return tiff.Bytes();
    }
    const std::uint32_t raw_ifd = tiff.Directory(raw);
    const std::uint32_t jpeg_offset = tiff.Append(preview_jpeg);
    std::vector<W::Entry> preview = {
        W::Long(254, 1),
        W::Long(256, preview_width),
        W::Long(257, preview_height),
        W::Short(258, {8, 8, 8}),
        W::Short(259, {7}),
        W::Short(262, {6}),
        W::Long(273, jpeg_offset),
        W::Short(277, {3}),
        W::Long(278, preview_height),
        W::Long(279, static_cast<std::uint32_t>(preview_jpeg.size())),
        W::Long(330, raw_ifd),
    };
    preview.insert(preview.end(), camera.begin(), camera.end());
    tiff.FirstDirectory(tiff.Directory(preview));
    return tiff.Bytes();
  }
};

}  // namespace lumetta::testing_support
