#include "core/imaging/histogram.h"

#include <algorithm>
#include <cstring>

namespace lumetta {

namespace {

void MakeBlack24(TDibImage& target, std::int32_t width, std::int32_t height) {
  target.SetBitCount(24);
  target.SetSize(width, height);
  target.Fill(0, 0, 0);
}

}  // namespace

HistogramBins CountBrightness(const TDibImage& image, std::int32_t x0, std::int32_t y0, std::int32_t x1,
                              std::int32_t y1) {
  HistogramBins bins{};
  // A region computed for a view of another size (after a relayout) must
  // not reach past the picture.
  x0 = std::max(x0, 0);
  y0 = std::max(y0, 0);
  x1 = std::min(x1, image.Width() - 1);
  y1 = std::min(y1, image.Height() - 1);
  if (image.BitCount() != 24 || x0 > x1 || y0 > y1) return bins;
  for (std::int32_t y = y0; y <= y1; ++y) {
    const std::uint8_t* p = image.ScanLine(y) + 3 * static_cast<std::ptrdiff_t>(x0);
    for (std::int32_t x = x0; x <= x1; ++x, p += 3) ++bins[static_cast<std::size_t>((p[0] + p[1] + p[2]) / 6)];
  }
  return bins;
}

std::int32_t HistogramUnit(const HistogramBins& bins) {
  const std::int32_t m = std::max(1, *std::max_element(bins.begin() + 2, bins.end() - 2));
  return (m + kHistogramHeight - 1) / kHistogramHeight;
}

void DrawHistogram(const HistogramBins& bins, TDibImage& target) {
  MakeBlack24(target, kHistogramBins, kHistogramHeight);
  const std::int64_t unit = HistogramUnit(bins);
  for (std::int32_t i = 0; i < kHistogramBins; ++i) {
    const std::int64_t k = bins[static_cast<std::size_t>(i)];
    const auto h = static_cast<std::int32_t>(std::min<std::int64_t>((k + unit - 1) / unit, kHistogramHeight));
    for (std::int32_t y = kHistogramHeight - h; y < kHistogramHeight; ++y) {
      std::memset(target.ScanLine(y) + 3 * i, 255, 3);
    }
  }
}

void DrawHistogramLegend(TDibImage& target) {
  MakeBlack24(target, kHistogramBins, kHistogramLegendHeight);
  std::memset(target.ScanLine(0), 0x80, 3 * kHistogramBins);
  for (std::int32_t y = 1; y < kHistogramLegendHeight; ++y) {
    std::uint8_t* row = target.ScanLine(y);
    for (std::int32_t i = 1; i < kHistogramBins; ++i) std::memset(row + 3 * i, 2 * i + 1, 3);
  }
}

}  // namespace lumetta
