#pragma once
// Filling an 80 x 60 thumbnail from a decoded picture: the whole picture
// fitted with black margins (plain fit), or the window an edited photo's
// stored zoom shows (crop window). Both sample the picture through its
// display rotation and average the samples of each thumbnail pixel.

#include <cstdint>

#include "core/imaging/dib_image.h"
#include "core/imaging/pixel_adjust.h"

namespace lumetta {

class SampledTiff;

inline constexpr std::int32_t kThumbWidth = 80;
inline constexpr std::int32_t kThumbHeight = 60;

// The picture a thumbnail is filled from: a 24-bit bitmap, or the blocks of
// the sampled TIFF reader.
class ThumbSource {
 public:
  explicit ThumbSource(const TDibImage& image) : image_(&image) {}
  explicit ThumbSource(const SampledTiff& tiff) : tiff_(&tiff) {}

  std::int32_t Width() const;
  std::int32_t Height() const;
  const TDibImage* Image() const { return image_; }
  const SampledTiff* Tiff() const { return tiff_; }

 private:
  const TDibImage* image_ = nullptr;
  const SampledTiff* tiff_ = nullptr;
};

// The brightness and contrast of an edited photo, applied to each averaged
// pixel; off for plain photos.
struct ThumbAdjust {
  bool On = false;
  AdjustValues Values;
};

// Adjusting for brightness B and contrast K (256 = unchanged); off when
// both are neutral.
ThumbAdjust MakeThumbAdjust(std::int32_t brightness, std::int32_t contrast);

// The picture's size as shown: width and height exchanged for a quarter
// turn (rotation 1 or -1).
struct DisplayedSize {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
};
DisplayedSize DisplayedSizeOf(const ThumbSource& source, std::int8_t rotation);

// A new black 80 x 60 thumbnail of 24 bits.
TDibImage BlackThumbnail();

// The whole picture fitted into the thumbnail, centred with black margins.
void FillPlainFit(const ThumbSource& source, std::int8_t rotation, const ThumbAdjust& adjust, TDibImage& thumb);

// The part of the picture an edited photo's zoom shows: the picture scaled so
// that zoom x 80 thumbnail pixels span its width, and the 80 x 60 window
// around the centre (cx, cy) in displayed picture pixels (cx = -1: the
// middle). A scaled picture above 50,000,000 pixels at the zoom's percentage
// is taken at zoom 1. A zoom that magnifies the picture interpolates
// bilinearly.
void FillCropWindow(const ThumbSource& source, std::int8_t rotation, double zoom, std::int32_t cx, std::int32_t cy,
                    const ThumbAdjust& adjust, TDibImage& thumb);

}  // namespace lumetta
