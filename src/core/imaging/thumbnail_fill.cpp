#include "core/imaging/thumbnail_fill.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/base/rounding.h"
#include "core/imaging/thumb_tiff_sampler.h"

namespace lumetta {

namespace {

// Largest scaled picture, in pixels at the zoom's percentage, before the
// crop window falls back to the plain zoom.
constexpr double kMaxCropPixels = 50'000'000.0;
// A zoom so small that one thumbnail pixel would average more samples than
// this across is taken as zoom 1: only a damaged file asks for it, and the
// sums must stay within 64 bits.
constexpr double kMaxCropSamples = 16'777'216.0;

std::int64_t Nearest(double v) { return static_cast<std::int64_t>(std::trunc(v + 0.5)); }

// The rows of a 24-bit bitmap.
struct DibPixels {
  const std::uint8_t* base;
  std::size_t stride;
  const std::uint8_t* Pixel(std::int64_t x, std::int64_t y) const {
    return base + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3;
  }
};

// The blocks of a sampled TIFF.
struct TiffPixels {
  const SampledTiff* tiff;
  const std::uint8_t* Pixel(std::int64_t x, std::int64_t y) const {
    return tiff->Pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
  }
};

// One coordinate of the displayed picture with the number of samples that
// fall on it.
struct Tap {
  std::int64_t coord;
  std::int64_t weight;
};

// A sample coordinate of an axis of size: one at or beyond the far edge by
// at most e is taken from the last pixel, one below 0 by at most e from the
// first; further out it is black (false).
bool ClampSample(std::int64_t& p, std::int64_t size, std::int64_t e) {
  if (p > size - 1) {
    if (p - (size - 1) > e) return false;
    p = size - 1;
  } else if (p < 0) {
    if (-p > e) return false;
    p = 0;
  }
  return true;
}

void AddTap(std::vector<Tap>& taps, std::int64_t coord, std::int64_t weight) {
  if (weight <= 0) return;
  if (!taps.empty() && taps.back().coord == coord) {
    taps.back().weight += weight;
  } else {
    taps.push_back({coord, weight});
  }
}

// The taps of the samples first, first + step, ..., (count of them).
void SpacedTaps(std::vector<Tap>& taps, std::int64_t first, std::int64_t step, std::int64_t count, std::int64_t size,
                std::int64_t e) {
  taps.clear();
  for (std::int64_t k = 0; k < count; ++k) {
    std::int64_t p = first + k * step;
    if (ClampSample(p, size, e)) AddTap(taps, p, 1);
  }
}

// The taps of the count samples first, first + 1, ...: each pixel inside
// once, the clamped ones gathered on the edge pixels.
void RunTaps(std::vector<Tap>& taps, std::int64_t first, std::int64_t count, std::int64_t size, std::int64_t e) {
  taps.clear();
  const std::int64_t last = first + count - 1;
  AddTap(taps, 0, std::min(last, std::int64_t{-1}) - std::max(first, -e) + 1);
  for (std::int64_t p = std::max(first, std::int64_t{0}); p <= std::min(last, size - 1); ++p) AddTap(taps, p, 1);
  AddTap(taps, size - 1, std::min(last, size - 1 + e) - std::max(first, size) + 1);
}

// Reads displayed positions (x, y) through the display rotation.
template <typename Pixels>
struct Rotated {
  Pixels pixels;
  std::int8_t rotation;
  std::int64_t width;   // displayed
  std::int64_t height;  // displayed

  const std::uint8_t* At(std::int64_t x, std::int64_t y) const {
    switch (rotation) {
      case 1:
        return pixels.Pixel(y, width - 1 - x);
      case 2:
        return pixels.Pixel(width - 1 - x, height - 1 - y);
      case -1:
        return pixels.Pixel(height - 1 - y, x);
      default:
        return pixels.Pixel(x, y);
    }
  }
};

// The average of the tapped samples (black ones counting in total) written
// as blue, green, red, adjusted when asked.
template <typename Pixels>
void Average(const Rotated<Pixels>& src, const std::vector<Tap>& xs, const std::vector<Tap>& ys, std::int64_t total,
             const ThumbAdjust& adjust, std::uint8_t* out) {
  std::int64_t b = 0;
  std::int64_t g = 0;
  std::int64_t r = 0;
  for (const Tap& ty : ys) {
    for (const Tap& tx : xs) {
      const std::uint8_t* p = src.At(tx.coord, ty.coord);
      if (p == nullptr) continue;
      const std::int64_t w = tx.weight * ty.weight;
      b += w * p[0];
      g += w * p[1];
      r += w * p[2];
    }
  }
  Rgb c{static_cast<std::int32_t>(r / total), static_cast<std::int32_t>(g / total),
        static_cast<std::int32_t>(b / total)};
  if (adjust.On) c = (r == 0 && g == 0 && b == 0) ? Rgb{} : AdjustChannels(c, adjust.Values);
  out[0] = static_cast<std::uint8_t>(c.b);
  out[1] = static_cast<std::uint8_t>(c.g);
  out[2] = static_cast<std::uint8_t>(c.r);
}

template <typename Pixels>
void PlainFit(const Rotated<Pixels>& src, const ThumbAdjust& adjust, TDibImage& thumb) {
  const std::int64_t w = src.width;
  const std::int64_t h = src.height;
  const double across = static_cast<double>(w) / kThumbWidth;
  const double down = static_cast<double>(h) / kThumbHeight;
  const double f = std::max(across, down);
  const bool tall = down > across;
  const bool wide = across > down;
  const std::int64_t block = tall ? (h + kThumbHeight - 1) / kThumbHeight : (w + kThumbWidth - 1) / kThumbWidth;
  const std::int64_t left = tall ? (kThumbWidth - Nearest(static_cast<double>(w) / f)) / 2 : 0;
  const std::int64_t top = wide ? (kThumbHeight - Nearest(static_cast<double>(h) / f)) / 2 : 0;
  // At most 8 x 8 samples per thumbnail pixel, spread over its block.
  const std::int64_t step = (block + 7) / 8;
  const std::int64_t extra = (block - 1) / step;
  const std::int64_t total = (extra + 1) * (extra + 1);

  thumb.MakeUnique();
  std::vector<Tap> xs;
  std::vector<Tap> ys;
  for (std::int64_t u = 0; u < kThumbHeight; ++u) {
    const std::int64_t ty = u + top;
    if (ty < 0 || ty >= kThumbHeight) continue;
    SpacedTaps(ys, Nearest(static_cast<double>(u) * f), step, extra + 1, h, extra);
    std::uint8_t* row = thumb.RowUnchecked(static_cast<std::int32_t>(ty));
    for (std::int64_t i = 0; i < kThumbWidth; ++i) {
      const std::int64_t tx = i + left;
      if (tx < 0 || tx >= kThumbWidth) continue;
      SpacedTaps(xs, Nearest(static_cast<double>(i) * f), step, extra + 1, w, extra);
      Average(src, xs, ys, total, adjust, row + tx * 3);
    }
  }
}

// A scaled pixel of a picture magnified (v < 1): bilinear between the four
// nearest displayed pixels.
template <typename Pixels>
void Magnified(const Rotated<Pixels>& src, double v, std::int64_t x, std::int64_t y, const ThumbAdjust& adjust,
               std::uint8_t* out) {
  auto axis = [v](std::int64_t s, std::int64_t size, std::int64_t& a, std::int64_t& b, double& t) {
    const double c = std::clamp((static_cast<double>(s) + 0.5) * v - 0.5, 0.0, static_cast<double>(size - 1));
    a = static_cast<std::int64_t>(c);
    b = std::min(a + 1, size - 1);
    t = c - static_cast<double>(a);
  };
  std::int64_t x0 = 0, x1 = 0, y0 = 0, y1 = 0;
  double tx = 0, ty = 0;
  axis(x, src.width, x0, x1, tx);
  axis(y, src.height, y0, y1, ty);
  const std::uint8_t* p[4] = {src.At(x0, y0), src.At(x1, y0), src.At(x0, y1), src.At(x1, y1)};
  const double w[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
  std::int32_t c[3] = {0, 0, 0};
  for (int ch = 0; ch < 3; ++ch) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
      if (p[k] != nullptr) sum += w[k] * p[k][ch];
    }
    c[ch] = static_cast<std::int32_t>(std::min(255.0, sum + 0.5));
  }
  Rgb colour{c[2], c[1], c[0]};
  if (adjust.On && (c[0] | c[1] | c[2]) != 0) colour = AdjustChannels(colour, adjust.Values);
  out[0] = static_cast<std::uint8_t>(colour.b);
  out[1] = static_cast<std::uint8_t>(colour.g);
  out[2] = static_cast<std::uint8_t>(colour.r);
}

template <typename Pixels>
void CropWindow(const Rotated<Pixels>& src, double zoom, std::int32_t cx, std::int32_t cy, const ThumbAdjust& adjust,
                TDibImage& thumb) {
  const double w = static_cast<double>(src.width);
  const double h = static_cast<double>(src.height);
  double v = w / (kThumbWidth * zoom);
  const double percent = std::trunc(100.0 / v + 0.5);
  const double scaled_pixels = std::trunc(w * percent / 100.0 + 0.5) * std::trunc(h * percent / 100.0 + 0.5);
  if (!(scaled_pixels <= kMaxCropPixels) || !(v > 0) || std::ceil(v) > kMaxCropSamples) v = w / kThumbWidth;

  const std::int64_t scaled_w = Nearest(w / v);
  const std::int64_t scaled_h = Nearest(h / v);
  std::int64_t ox = 0;
  std::int64_t oy = 0;
  if (cx == -1) {
    ox = scaled_w / 2 - kThumbWidth / 2;
    oy = scaled_h / 2 - kThumbHeight / 2;
  } else {
    ox = Nearest(cx / v) - kThumbWidth / 2;
    oy = Nearest(cy / v) - kThumbHeight / 2;
  }
  ox = std::max<std::int64_t>(std::min(ox, scaled_w - kThumbWidth), 0);
  oy = std::max<std::int64_t>(std::min(oy, scaled_h - kThumbHeight), 0);
  // A scaled picture smaller than the thumbnail sits in its middle.
  const std::int64_t dx = scaled_w < kThumbWidth ? kThumbWidth / 2 - scaled_w / 2 : 0;
  const std::int64_t dy = scaled_h < kThumbHeight ? kThumbHeight / 2 - scaled_h / 2 : 0;
  const std::int64_t cols = std::min<std::int64_t>(kThumbWidth, scaled_w);
  const std::int64_t rows = std::min<std::int64_t>(kThumbHeight, scaled_h);

  const std::int64_t n = static_cast<std::int64_t>(std::ceil(v));
  thumb.MakeUnique();
  std::vector<Tap> xs;
  std::vector<Tap> ys;
  for (std::int64_t y = 0; y < rows; ++y) {
    const std::int64_t sy = oy + y;
    if (v >= 1) RunTaps(ys, Nearest(static_cast<double>(sy) * v), n, src.height, n - 1);
    std::uint8_t* row = thumb.RowUnchecked(static_cast<std::int32_t>(dy + y));
    for (std::int64_t x = 0; x < cols; ++x) {
      const std::int64_t sx = ox + x;
      std::uint8_t* out = row + (dx + x) * 3;
      if (v >= 1) {
        RunTaps(xs, Nearest(static_cast<double>(sx) * v), n, src.width, n - 1);
        Average(src, xs, ys, n * n, adjust, out);
      } else {
        Magnified(src, v, sx, sy, adjust, out);
      }
    }
  }
}

template <typename Fill>
void WithSource(const ThumbSource& source, std::int8_t rotation, Fill&& fill) {
  const DisplayedSize size = DisplayedSizeOf(source, rotation);
  if (const TDibImage* image = source.Image()) {
    fill(Rotated<DibPixels>{{image->RowUnchecked(0), image->Stride()}, rotation, size.Width, size.Height});
  } else {
    fill(Rotated<TiffPixels>{{source.Tiff()}, rotation, size.Width, size.Height});
  }
}

}  // namespace

std::int32_t ThumbSource::Width() const { return image_ != nullptr ? image_->Width() : tiff_->Width(); }
std::int32_t ThumbSource::Height() const { return image_ != nullptr ? image_->Height() : tiff_->Height(); }

ThumbAdjust MakeThumbAdjust(std::int32_t brightness, std::int32_t contrast) {
  ThumbAdjust adjust;
  adjust.On = brightness != 0 || contrast != 256;
  if (!adjust.On) return adjust;
  // Values far outside the program's ranges (a hand-edited file) are held
  // where the arithmetic stays within 32 bits; no value the program writes
  // comes near these bounds.
  constexpr std::int32_t kBound = 1 << 20;
  const std::int32_t b = std::clamp(brightness, -kBound, kBound);
  const std::int32_t k = std::clamp(contrast, -kBound, kBound);
  adjust.Values = AdjustValuesOf(b, k, kEffectNormal);
  return adjust;
}

DisplayedSize DisplayedSizeOf(const ThumbSource& source, std::int8_t rotation) {
  if (rotation == 1 || rotation == -1) return {source.Height(), source.Width()};
  return {source.Width(), source.Height()};
}

TDibImage BlackThumbnail() {
  TDibImage thumb;
  thumb.SetBitCount(24);
  thumb.SetSize(kThumbWidth, kThumbHeight);
  return thumb;
}

void FillPlainFit(const ThumbSource& source, std::int8_t rotation, const ThumbAdjust& adjust, TDibImage& thumb) {
  WithSource(source, rotation, [&](const auto& src) { PlainFit(src, adjust, thumb); });
}

void FillCropWindow(const ThumbSource& source, std::int8_t rotation, double zoom, std::int32_t cx, std::int32_t cy,
                    const ThumbAdjust& adjust, TDibImage& thumb) {
  WithSource(source, rotation, [&](const auto& src) { CropWindow(src, zoom, cx, cy, adjust, thumb); });
}

}  // namespace lumetta
