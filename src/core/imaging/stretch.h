#pragma once
// The nearest-sample stretch: every destination pixel takes one source
// pixel, the one under the destination pixel's centre. It stands for the
// platform's stretching copy without smoothing wherever the program calls
// for one.

#include <cstdint>

#include "core/imaging/dib_image.h"

namespace lumetta {

// The source index of destination index dest when source_size pixels are
// stretched to dest_size pixels (both > 0): the source pixel under the
// destination pixel's centre, ((2 * dest + 1) * source_size) div
// (2 * dest_size).
inline std::int32_t StretchSourceIndex(std::int32_t dest, std::int32_t source_size, std::int32_t dest_size) {
  return static_cast<std::int32_t>((std::int64_t{2} * dest + 1) * source_size / (std::int64_t{2} * dest_size));
}

struct StretchRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Stretches the source rectangle of a 24-bit image onto the destination
// rectangle of another (or the same size copied). Destination pixels outside
// dest's image, or whose source pixel lies outside source's image, are left
// as they are. Nothing happens when a rectangle is empty.
void StretchNearest(const TDibImage& source, StretchRect from, TDibImage& dest, StretchRect to);

// The same, pixel by pixel, as its reference.
void StretchNearestReference(const TDibImage& source, StretchRect from, TDibImage& dest, StretchRect to);

}  // namespace lumetta
