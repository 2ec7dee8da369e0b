#pragma once
// BMP files built byte by byte for the codec tests, so that every field a
// test depends on is visible in the test itself.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumetta::testing_support {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};

// The value TDibImage::Pixels gives for a colour on a 24-bit image
// (red in the low byte).
constexpr std::uint32_t PixelOf(Rgb c) { return std::uint32_t{c.r} | std::uint32_t{c.g} << 8 | std::uint32_t{c.b} << 16; }

struct BmpFile {
  std::uint32_t header_size = 40;  // 40, 12 for an OS/2 file, or 52, 56, 108, 124
  std::int32_t width = 1;
  std::int32_t height = 1;
  std::uint16_t bit_count = 24;
  std::uint32_t compression = 0;
  std::uint32_t clr_used = 0;        // written as given (40-byte header only)
  std::int32_t pels_per_meter = 2835;
  std::vector<Rgb> colours;          // the colour table as written
  std::vector<std::uint32_t> masks;  // written between header and colours
  // Red, green, blue and alpha masks in a header longer than 40 bytes (the
  // rest of it zero: colour space, gamma, profile).
  std::vector<std::uint32_t> header_masks;
  std::vector<std::uint8_t> pixels;  // the pixel block as it is in the file
  std::optional<std::uint32_t> off_bits;  // default: right after the table
  std::optional<std::uint32_t> file_size;  // default: the true size
  std::uint32_t gap = 0;             // bytes between table and pixels

  std::vector<std::uint8_t> Bytes() const {
    std::vector<std::uint8_t> out;
    auto u16 = [&](std::uint32_t v) {
      out.push_back(static_cast<std::uint8_t>(v));
      out.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto u32 = [&](std::uint32_t v) {
      u16(v & 0xFFFF);
      u16(v >> 16);
    };
    const std::size_t entry = header_size == 12 ? 3 : 4;
    const std::size_t head = 14 + header_size + masks.size() * 4 + colours.size() * entry;
    const std::uint32_t offset = off_bits.value_or(static_cast<std::uint32_t>(head + gap));
    out.push_back('B');
    out.push_back('M');
    u32(file_size.value_or(static_cast<std::uint32_t>(head + gap + pixels.size())));
    u16(0);
    u16(0);
    u32(offset);
    u32(header_size);
    if (header_size == 12) {
      u16(static_cast<std::uint32_t>(width));
      u16(static_cast<std::uint32_t>(height));
      u16(1);
      u16(bit_count);
    } else {
      u32(static_cast<std::uint32_t>(width));
      u32(static_cast<std::uint32_t>(height));
      u16(1);
      u16(bit_count);
      u32(compression);
      u32(static_cast<std::uint32_t>(pixels.size()));
      u32(static_cast<std::uint32_t>(pels_per_meter));
      u32(static_cast<std::uint32_t>(pels_per_meter));
      u32(clr_used);
      u32(0);
      for (std::uint32_t m : header_masks) u32(m);
      if (header_size > 40) out.resize(14 + header_size, 0);
    }
    for (std::uint32_t m : masks) u32(m);
    for (const Rgb& c : colours) {
      out.push_back(c.b);
      out.push_back(c.g);
      out.push_back(c.r);
      if (entry == 4) out.push_back(0);
    }
    out.insert(out.end(), gap, 0xEE);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
  }
};

// Rows given top row first, each padded to a multiple of 4 bytes, in the
// file's order: bottom row first unless top_down.
inline std::vector<std::uint8_t> FileRows(const std::vector<std::vector<std::uint8_t>>& rows, bool top_down = false) {
  std::vector<std::uint8_t> out;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const auto& row = rows[top_down ? i : rows.size() - 1 - i];
    out.insert(out.end(), row.begin(), row.end());
    out.insert(out.end(), (4 - row.size() % 4) % 4, 0);
  }
  return out;
}

// A colour table of n distinct entries.
inline std::vector<Rgb> DistinctColours(int n) {
  std::vector<Rgb> table;
  for (int i = 0; i < n; ++i) {
    table.push_back(Rgb{static_cast<std::uint8_t>(i * 37 % 256), static_cast<std::uint8_t>(255 - i),
                        static_cast<std::uint8_t>(i * 11 % 256)});
  }
  return table;
}

}  // namespace lumetta::testing_support
