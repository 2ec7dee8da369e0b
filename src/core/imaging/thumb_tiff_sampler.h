#pragma once
// The thumbnail builder's reader of uncompressed TIFF files: instead of every
// pixel it reads about 160 x 80 of them, each standing for a d x d block of
// the full-size picture, which is all an 80 x 60 thumbnail needs.
//
// Like the full reader it looks only at Compression, ImageWidth, ImageLength
// and the strips (StripOffsets, RowsPerStrip, StripByteCounts; 8-bit RGB,
// interleaved); unlike a trusting reader it checks every sample position
// against the file.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/imaging/tiff_reader.h"

namespace lumetta {

// The picture as blocks: Pixel(x, y) of the full-size picture is the sample
// of its block, or black where no strip reaches.
class SampledTiff {
 public:
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  // The block size d: every d-th pixel of every d-th row was read.
  std::int32_t Step() const { return step_; }
  // Blue, green, red of the pixel, or nullptr for black.
  const std::uint8_t* Pixel(std::int32_t x, std::int32_t y) const {
    const std::int32_t strip = y / rows_per_strip_;
    if (strip >= strips_) return nullptr;
    const std::int32_t row = strip * sampled_rows_per_strip_ + (y - strip * rows_per_strip_) / step_;
    return samples_.data() + (static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(x / step_)) * 3;
  }

 private:
  friend class SampledTiffReader;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::int32_t step_ = 1;
  std::int32_t strips_ = 0;  // 0 until strips are read: all black
  std::int32_t rows_per_strip_ = 1;
  std::int32_t sampled_rows_per_strip_ = 0;
  std::size_t columns_ = 0;
  std::vector<std::uint8_t> samples_;
};

// Reads the blocks of a file. Throws ETiffError for a compressed file, one
// without size or strips, and one whose directory or any sample lies outside
// the file.
SampledTiff ReadSampledTiffFile(std::string_view path);
SampledTiff ReadSampledTiffMemory(const std::uint8_t* data, std::size_t size);

}  // namespace lumetta
