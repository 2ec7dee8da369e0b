#include "support/synthetic_photo.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace lumetta::bench_support {

TDibImage SyntheticPhoto(std::int32_t width, std::int32_t height, unsigned seed) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(width, -height);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> noise(-6, 6);
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint8_t* p = image.ScanLine(y);
    for (std::int32_t x = 0; x < width; ++x, p += 3) {
      const double u = static_cast<double>(x) / width;
      const double v = static_cast<double>(y) / height;
      const double wave = 40 * std::sin(u * 37 + v * 11) * std::cos(v * 23 - u * 5);
      const int r = static_cast<int>(120 + 90 * u + wave) + noise(random);
      const int g = static_cast<int>(100 + 80 * v - wave / 2) + noise(random);
      const int b = static_cast<int>(90 + 60 * (1 - u) * v + wave / 3) + noise(random);
      p[0] = static_cast<std::uint8_t>(std::clamp(b, 0, 255));
      p[1] = static_cast<std::uint8_t>(std::clamp(g, 0, 255));
      p[2] = static_cast<std::uint8_t>(std::clamp(r, 0, 255));
    }
  }
  return image;
}

}  // namespace lumetta::bench_support
