#pragma once
// The pixel kernels of the renderer: box averaging for reduced views,
// nearest sampling for the high-speed mode, and the diagonal doubling that
// enlarges for high zooms. The geometry (scale, offsets, crop) is worked out
// by the caller; these only turn it into pixels.
//
// The shown photo is the decoded photo turned by a rotation; a shown
// position (X, Y) reads the decoded photo (width w, height h) at
//   rotation  0: (X, Y)            rotation  2: (w-1-X, h-1-Y)
//   rotation  1: (Y, h-1-X)        rotation -1: (w-1-Y, X)

#include <cstdint>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/imaging/pixel_adjust.h"

namespace lumetta {

struct ShownPhoto {
  const TDibImage* photo = nullptr;  // 24 bits
  std::int32_t rotation = 0;

  std::int32_t Width() const;
  std::int32_t Height() const;
  // The decoded-photo position of shown position (x, y).
  void Map(std::int32_t x, std::int32_t y, std::int32_t& photo_x, std::int32_t& photo_y) const;
  Rgb Pixel(std::int32_t x, std::int32_t y) const;
};

// What happens to a pixel after sampling in the high-quality mode: AdjustPixel
// with the render's values, then ApplyEffect. Off: the average is the pixel.
struct QualityTreatment {
  bool on = false;
  AdjustValues values;
  std::int32_t effect = kEffectNormal;
};

// The high-speed adjustment: AdjustPixel (a black pixel stays black), no
// colour effect. Off: pixels are copied.
struct SpeedTreatment {
  bool on = false;
  AdjustValues values;
};

// The sampling grid of a box average: the shown photo itself, or (doubled)
// a grid of twice its size in which every photo pixel covers 2 x 2 cells.
struct BoxGrid {
  double step = 1.0;  // grid cells per output pixel
  std::int32_t box = 1;  // box side n in grid cells
  bool doubled = false;
  std::int32_t crop_x = 0;  // grid cells cut off at the left and top
  std::int32_t crop_y = 0;
};

// Box averages for output pixels (t, m), t < count_x, m < count_y, written
// to dest at (dest_left + t, dest_top + m). The box of (t, m) starts at grid
// position (R(t * step) + crop_x, R(m * step) + crop_y) and spans box cells
// on each axis; cells just past an edge (within box - 1) read the edge,
// cells further out are not sampled, and a pixel with no samples is black.
void BoxSample(const ShownPhoto& shown, const BoxGrid& grid, const QualityTreatment& treatment, TDibImage& dest,
               std::int32_t dest_left, std::int32_t dest_top, std::int32_t count_x, std::int32_t count_y);

// The same computed sample by sample as the rules read, as BoxSample's
// reference.
void BoxSampleReference(const ShownPhoto& shown, const BoxGrid& grid, const QualityTreatment& treatment,
                        TDibImage& dest, std::int32_t dest_left, std::int32_t dest_top, std::int32_t count_x,
                        std::int32_t count_y);

// Nearest sampling: output pixel (t, m) takes the shown pixel (xs[t], ys[m]),
// black where either is -1, through the high-speed adjustment; written to
// dest at (dest_left + t, dest_top + m).
void NearestSample(const ShownPhoto& shown, const std::vector<std::int32_t>& xs, const std::vector<std::int32_t>& ys,
                   const SpeedTreatment& treatment, TDibImage& dest, std::int32_t dest_left, std::int32_t dest_top);

// The high-speed adjustment applied in place to a rectangle of dest.
void AdjustRectSpeed(TDibImage& dest, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height,
                     const SpeedTreatment& treatment);

// Diagonal doubling: dest becomes 2 x the shown size; each shown pixel P at
// (u, o) gives (2u + a, 2o + b), a, b in {0, 1}, the average of P and its
// diagonal neighbour towards (a, b) (clamped into the photo), through the
// high-quality treatment when it is on (black when both are black).
void DiagonalDouble(const ShownPhoto& shown, const QualityTreatment& treatment, TDibImage& dest);

// Sizes a working image as a 24-bit top-down image (nothing when it is so
// already).
void SizeImage24(TDibImage& image, std::int32_t width, std::int32_t height);

}  // namespace lumetta
