#pragma once
// Uncompressed RGB TIFF files built byte by byte, so that each test shows
// the directory it reads.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lumetta::testing_support {

struct TiffFile {
  bool big_endian = false;
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  std::uint32_t strips = 1;
  bool short_offsets = false;  // StripOffsets as SHORT values
  std::uint32_t compression = 1;
  bool width_after_strips = false;  // ImageWidth entry after StripOffsets
  // RowsPerStrip, or 0 for none: every strip then holds height / strips rows.
  std::uint32_t rows_per_strip = 0;
  bool directory_last = false;  // the directory after the pixels, where the header points
  // Red, green, blue of pixel (x, y).
  std::function<std::uint32_t(std::uint32_t x, std::uint32_t y)> rgb = [](std::uint32_t, std::uint32_t) {
    return 0x000000u;
  };
  std::size_t cut = 0;  // bytes cut off the end

  std::string Bytes() const {
    std::string out;
    auto u16 = [&](std::uint32_t v) {
      if (big_endian) {
        out.push_back(static_cast<char>(v >> 8));
        out.push_back(static_cast<char>(v));
      } else {
        out.push_back(static_cast<char>(v));
        out.push_back(static_cast<char>(v >> 8));
      }
    };
    auto u32 = [&](std::uint32_t v) {
      if (big_endian) {
        u16(v >> 16);
        u16(v & 0xFFFF);
      } else {
        u16(v & 0xFFFF);
        u16(v >> 16);
      }
    };
    const std::uint32_t entries = rows_per_strip != 0 ? 5 : 4;
    const std::uint32_t ifd_size = 2 + 12 * entries + 4;
    const std::uint32_t element = short_offsets ? 2 : 4;
    const bool in_field = strips * element <= 4;
    const std::uint32_t table = directory_last ? 8 : 8 + ifd_size;
    const std::uint32_t data = table + (in_field ? 0 : strips * element);
    const std::uint32_t strip_rows = rows_per_strip != 0 ? rows_per_strip : height / strips;
    const std::uint32_t strip_bytes = strip_rows * width * 3;
    const std::uint32_t file_rows = rows_per_strip != 0 ? height : strip_rows * strips;
    const std::uint32_t ifd = directory_last ? data + file_rows * width * 3 : 8;

    out += big_endian ? "MM" : "II";
    u16(42);
    u32(ifd);
    auto entry = [&](std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
      u16(tag);
      u16(type);
      u32(count);
      if (type == 3 && count == 1) {
        u16(value);
        u16(0);
      } else {
        u32(value);
      }
    };
    auto size_entries = [&] {
      entry(256, 4, 1, width);
      entry(257, 4, 1, height);
    };
    auto offsets_entry = [&] {
      if (in_field && short_offsets && strips == 2) {
        u16(273);
        u16(3);
        u32(2);
        u16(data);
        u16(data + strip_bytes);
      } else {
        entry(273, short_offsets ? 3 : 4, strips, in_field ? data : table);
      }
    };
    auto directory = [&] {
      u16(entries);
      if (width_after_strips) {
        entry(257, 4, 1, height);
        entry(259, 3, 1, compression);
        offsets_entry();
        entry(256, 4, 1, width + 1);
      } else {
        size_entries();
        entry(259, 3, 1, compression);
        offsets_entry();
      }
      if (rows_per_strip != 0) entry(278, 4, 1, rows_per_strip);
      u32(0);
    };
    if (!directory_last) directory();
    if (!in_field) {
      for (std::uint32_t k = 0; k < strips; ++k) {
        if (short_offsets) {
          u16(data + k * strip_bytes);
        } else {
          u32(data + k * strip_bytes);
        }
      }
    }
    for (std::uint32_t y = 0; y < file_rows; ++y) {
      for (std::uint32_t x = 0; x < width; ++x) {
        const std::uint32_t c = rgb(x, y);
        out.push_back(static_cast<char>(c >> 16));
        out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c));
      }
    }
    if (directory_last) directory();
    out.resize(out.size() - std::min(cut, out.size()));
    return out;
  }
};

}  // namespace lumetta::testing_support
