#pragma once
// Small 24-bit images for the renderer's tests: built from a function of the
// position, read back as (r, g, b).

#include <cstdint>
#include <functional>
#include <ostream>
#include <random>

#include "core/imaging/dib_image.h"
#include "core/imaging/pixel_adjust.h"

namespace lumetta::testing_support {

inline TDibImage MakeImage(std::int32_t width, std::int32_t height,
                           const std::function<Rgb(std::int32_t x, std::int32_t y)>& colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(width, -height);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      const Rgb c = colour(x, y);
      image.SetPixels(x, y,
                      static_cast<std::uint32_t>(c.r) | static_cast<std::uint32_t>(c.g) << 8 |
                          static_cast<std::uint32_t>(c.b) << 16);
    }
  }
  return image;
}

inline TDibImage SolidImage(std::int32_t width, std::int32_t height, Rgb colour) {
  return MakeImage(width, height, [colour](std::int32_t, std::int32_t) { return colour; });
}

// Random pixels, with some black ones (the renderer treats black apart).
inline TDibImage NoiseImage(std::int32_t width, std::int32_t height, std::uint32_t seed) {
  std::mt19937 random(seed);
  return MakeImage(width, height, [&random](std::int32_t, std::int32_t) {
    if (random() % 7 == 0) return Rgb{};
    return Rgb{static_cast<std::int32_t>(random() % 256), static_cast<std::int32_t>(random() % 256),
               static_cast<std::int32_t>(random() % 256)};
  });
}

inline Rgb PixelAt(const TDibImage& image, std::int32_t x, std::int32_t y) {
  const std::uint32_t c = image.Pixels(x, y);
  return Rgb{static_cast<std::int32_t>(c & 0xFF), static_cast<std::int32_t>((c >> 8) & 0xFF),
             static_cast<std::int32_t>((c >> 16) & 0xFF)};
}

// Whether two images hold the same pixels.
inline bool SamePixels(const TDibImage& a, const TDibImage& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (std::int32_t y = 0; y < a.Height(); ++y) {
    for (std::int32_t x = 0; x < a.Width(); ++x) {
      if (a.Pixels(x, y) != b.Pixels(x, y)) return false;
    }
  }
  return true;
}

}  // namespace lumetta::testing_support

namespace lumetta {
inline void PrintTo(const Rgb& c, std::ostream* os) { *os << "(" << c.r << "," << c.g << "," << c.b << ")"; }
}  // namespace lumetta
