#pragma once
// What the BMP tests share: loading and saving through memory, the pixels of
// an image as rows, the hand-made fixtures' colour tables and pixel packers.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/support/bmp_bytes.h"

namespace lumetta::testing_support {

using Bytes = std::vector<std::uint8_t>;
using Grid = std::vector<std::vector<std::uint32_t>>;  // Pixels values, top row first

inline TDibImage Load(const Bytes& bytes) {
  TDibImage image;
  image.LoadFromMemory(bytes.data(), bytes.size());
  return image;
}

inline Grid PixelsOf(const TDibImage& image) {
  Grid grid(static_cast<std::size_t>(image.Height()));
  for (std::int32_t y = 0; y < image.Height(); ++y) {
    for (std::int32_t x = 0; x < image.Width(); ++x) grid[y].push_back(image.Pixels(x, y));
  }
  return grid;
}

inline Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline Bytes Saved(const TDibImage& image) {
  std::ostringstream out(std::ios::binary);
  image.SaveToStream(out);
  const std::string s = out.str();
  return Bytes(s.begin(), s.end());
}

inline std::uint32_t U32At(const Bytes& b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}

inline const std::filesystem::path kBmpFixtures = std::filesystem::path(LUMETTA_FIXTURES) / "bmp";

// Colours of the hand-made fixtures.
inline const std::vector<Rgb> kTable16 = DistinctColours(16);
inline const std::vector<Rgb> kTable256 = DistinctColours(256);
inline std::uint32_t Entry(const std::vector<Rgb>& table, int i) { return PixelOf(table[static_cast<std::size_t>(i)]); }
inline std::uint8_t Lo(std::uint16_t v) { return static_cast<std::uint8_t>(v); }
inline std::uint8_t Hi(std::uint16_t v) { return static_cast<std::uint8_t>(v >> 8); }
inline std::uint16_t P555(int r, int g, int b) { return static_cast<std::uint16_t>(r << 10 | g << 5 | b); }
inline std::uint16_t P565(int r, int g, int b) { return static_cast<std::uint16_t>(r << 11 | g << 5 | b); }
inline std::uint32_t Px(int r, int g, int b) { return PixelOf(Rgb{Lo(r), Lo(g), Lo(b)}); }

// A plain 24-bit file of width x height.
inline BmpFile Plain24(std::int32_t width, std::int32_t height) {
  BmpFile f{.width = width, .height = height, .bit_count = 24};
  f.pixels.assign(static_cast<std::size_t>(((width * 3 + 3) / 4) * 4 * (height < 0 ? -height : height)), 0x55);
  return f;
}

}  // namespace lumetta::testing_support
