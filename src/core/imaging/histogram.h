#pragma once
// The brightness histogram of a picture: 128 bins of (r + g + b) div 6,
// drawn as white columns 50 pixels high over a grey legend.

#include <array>
#include <cstdint>

#include "core/imaging/dib_image.h"

namespace lumetta {

inline constexpr std::int32_t kHistogramBins = 128;
inline constexpr std::int32_t kHistogramHeight = 50;
inline constexpr std::int32_t kHistogramLegendHeight = 5;

using HistogramBins = std::array<std::int32_t, kHistogramBins>;

// Counts the pixels of the 24-bit image in columns x0 .. x1 and rows
// y0 .. y1 (both inclusive), cut to the image; an empty region counts
// nothing.
HistogramBins CountBrightness(const TDibImage& image, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                              std::int32_t y1);

// The pixels a column stands for: the largest count of bins 2 .. 125 (the
// darkest and brightest two do not set the scale), at least 1, per 50 rows,
// rounded up.
std::int32_t HistogramUnit(const HistogramBins& bins);

// Draws the histogram into target, which becomes 128 x 50: black, with a
// white column of (count + unit - 1) div unit pixels (at most 50) at the
// bottom of each bin's column.
void DrawHistogram(const HistogramBins& bins, TDibImage& target);

// The legend below it, 128 x 5: a grey top row, then rows 1 .. 4 of grey
// level 2 i + 1 in column i, column 0 black.
void DrawHistogramLegend(TDibImage& target);

}  // namespace lumetta
