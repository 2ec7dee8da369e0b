#pragma once
// Reference pixels from other programs: runs a decoder's own command-line
// tool and reads the PNM or PAM file it wrote, so that a picture decoded by
// the program can be compared with it sample by sample.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/imaging/dib_image.h"

namespace lumetta::testing_support {

// Runs a shell command; true when it exits with status 0.
inline bool RunTool(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A PNM (P5 grey, P6 colour) or PAM (P7) picture: channels samples per
// pixel, rows from the top, each sample at most maxval.
struct Pnm {
  int width = 0;
  int height = 0;
  int channels = 0;
  int maxval = 0;
  std::vector<std::uint16_t> samples;

  std::uint16_t At(int x, int y, int channel) const {
    return samples[(static_cast<std::size_t>(y) * width + x) * channels + channel];
  }
  // The sample scaled to 8 bits, rounded.
  std::uint8_t At8(int x, int y, int channel) const {
    const std::uint32_t v = At(x, y, channel);
    return static_cast<std::uint8_t>(maxval == 255 ? v : (v * 255 + maxval / 2) / maxval);
  }
};

inline Pnm ReadPnm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  in >> magic;
  Pnm p;
  auto next_number = [&in] {
    in >> std::ws;
    while (in.peek() == '#') {
      std::string comment;
      std::getline(in, comment);
      in >> std::ws;
    }
    int value = 0;
    in >> value;
    return value;
  };
  if (magic == "P5" || magic == "P6") {
    p.channels = magic == "P5" ? 1 : 3;
    p.width = next_number();
    p.height = next_number();
    p.maxval = next_number();
  } else if (magic == "P7") {
    std::string key;
    while (in >> key && key != "ENDHDR") {
      if (key == "WIDTH") in >> p.width;
      if (key == "HEIGHT") in >> p.height;
      if (key == "DEPTH") in >> p.channels;
      if (key == "MAXVAL") in >> p.maxval;
      if (key == "TUPLTYPE") in >> key;
    }
  } else {
    throw std::runtime_error("not a PNM file: " + path);
  }
  in.get();  // the single white-space character before the samples
  const std::size_t count = static_cast<std::size_t>(p.width) * p.height * p.channels;
  p.samples.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (p.maxval > 255) {
      const int hi = in.get();
      const int lo = in.get();
      p.samples[i] = static_cast<std::uint16_t>(hi << 8 | lo);
    } else {
      p.samples[i] = static_cast<std::uint16_t>(in.get());
    }
  }
  if (!in) throw std::runtime_error("truncated PNM file: " + path);
  return p;
}

// Red, green and blue of a 24-bit image's pixel.
inline std::array<std::uint8_t, 3> RgbOf(const TDibImage& image, int x, int y) {
  const std::uint8_t* p = image.ScanLine(y) + static_cast<std::size_t>(x) * 3;
  return {p[2], p[1], p[0]};
}

}  // namespace lumetta::testing_support
