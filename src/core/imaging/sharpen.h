#pragma once
// Edge darkening: the program's sharpening.
//
// Every pixel with a brighter neighbour (above, right, below or left, inside
// the region) is darkened in proportion to the largest step up to that
// neighbour; all other pixels stay. Outlines look crisper and nothing gets
// brighter. Smaller levels sharpen more.

#include <cstdint>

#include "core/imaging/dib_image.h"

namespace lumetta {

// How much a pixel whose largest step up to a neighbour is step gets darker
// at a level (4, 6, 8, 10, 12, 16; any other level counts as 12).
std::int32_t SharpenAmount(std::int32_t level, std::int32_t step);

// Sharpens the region (left, top, width x height) of a 24-bit image, clipped
// to the image, comparing every pixel with the region's pixels as they were
// before. Nothing happens when level < 1. Rows are split between threads;
// the result does not depend on how. The region goes in bands of band_rows
// rows (0: about 4 MB of pixels each), so that only a band and the rows
// around it are held twice, however large the region; the result does not
// depend on the band either.
void SharpenRegion(TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                   std::int32_t level, std::int32_t band_rows = 0);

// The plain pixel-by-pixel form of SharpenRegion, kept as its reference.
void SharpenRegionReference(TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width,
                            std::int32_t height, std::int32_t level);

}  // namespace lumetta
