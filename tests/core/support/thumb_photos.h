#pragma once
// Small photos and edited-photo files for the thumbnail tests, made in the
// test so that every pixel a test checks can be worked out from the picture.

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "core/base/data_file.h"
#include "core/imaging/dib_image.h"

namespace lumetta::testing_support {

struct Bgr {
  int b = 0, g = 0, r = 0;
  bool operator==(const Bgr&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Bgr& c) {
  return out << "(b " << c.b << ", g " << c.g << ", r " << c.r << ")";
}

// A 24-bit picture whose pixel (x, y) is colour(x, y).
inline TDibImage MakePicture(int width, int height, const std::function<Bgr(int x, int y)>& colour) {
  TDibImage image;
  image.SetBitCount(24);
  image.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = image.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const Bgr c = colour(x, y);
      row[3 * x] = static_cast<std::uint8_t>(c.b);
      row[3 * x + 1] = static_cast<std::uint8_t>(c.g);
      row[3 * x + 2] = static_cast<std::uint8_t>(c.r);
    }
  }
  return image;
}

inline TDibImage Uniform(int width, int height, Bgr c) {
  return MakePicture(width, height, [c](int, int) { return c; });
}

inline Bgr At(const TDibImage& image, int x, int y) {
  const std::uint8_t* p = image.ScanLine(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

// The bytes of an image as a BMP file.
inline std::string BmpBytes(const TDibImage& image) {
  std::ostringstream out;
  image.SaveToStream(out);
  return out.str();
}

// The 14 lines of an edited-photo file.
struct LumFile {
  int rotation = 0;
  bool zoom = false;
  std::string ratio = " 1.00000000000000E+0000";
  int cx = -1;
  int cy = -1;
  int brightness = 0;
  int contrast = 256;
  int sharpness = 0;

  std::vector<std::string> Lines() const {
    return {"100",
            "",
            std::to_string(rotation),
            zoom ? "1" : "0",
            ratio,
            std::to_string(cx),
            std::to_string(cy),
            std::to_string(brightness),
            std::to_string(contrast),
            std::to_string(sharpness),
            "0",
            "0",
            "0",
            "0"};
  }
  void Write(const std::string& path) const { WriteDataFileLines(path, Lines()); }
};

}  // namespace lumetta::testing_support
