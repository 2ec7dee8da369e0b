#pragma once
// The display-time colour operations on one pixel: brightness and contrast
// (AdjustPixel) and the colour effects (ApplyEffect).
//
// A photo's values are turned into the values a render uses once per render
// (AdjustValues); the per-pixel work then reads a contrast table whose
// entries are the contrast formula evaluated for each channel value.

#include <algorithm>
#include <array>
#include <cstdint>

namespace lumetta {

struct Rgb {
  std::int32_t r = 0;
  std::int32_t g = 0;
  std::int32_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// Colour effects, CurrentEffect's values.
inline constexpr std::int32_t kEffectNormal = 0;
inline constexpr std::int32_t kEffectChrome = 1;
inline constexpr std::int32_t kEffectSepia = 2;
inline constexpr std::int32_t kEffectBlackWhite = 3;

// Chrome darkens and stiffens a photo through the values it renders with.
std::int32_t EffectiveBrightness(std::int32_t brightness, std::int32_t effect);
std::int32_t EffectiveContrast(std::int32_t contrast, std::int32_t effect);
// 256 / contrast, and R((256 - contrast) / 2).
double ContrastDivisorOf(std::int32_t effective_contrast);
std::int32_t ContrastOffsetOf(std::int32_t effective_contrast);

// What AdjustPixel adds and how it stretches, fixed for one render.
struct AdjustValues {
  std::int32_t brightness = 0;
  double divisor = 1.0;
  std::int32_t offset = 0;
  bool contrast = false;  // whether the contrast step runs
  // contrast_table[v] = R(v / divisor) + offset, filled by Prepare.
  std::array<std::int32_t, 256> contrast_table{};

  AdjustValues() = default;
  AdjustValues(std::int32_t brightness, double divisor, std::int32_t offset, bool contrast);
};

// Whose values: the high-quality renders, the brightness dialog's preview
// and the thumbnails run the contrast step when the divisor is not 1 and add
// the effective brightness; the high-speed renders run it when the photo's
// own contrast is not 256 and add the photo's own brightness.
enum class AdjustRule { Effective, HighSpeed };

// The values a render adjusts with, from a photo's brightness and contrast
// and the colour effect it is shown with.
AdjustValues AdjustValuesOf(std::int32_t brightness, std::int32_t contrast, std::int32_t effect,
                            AdjustRule rule = AdjustRule::Effective);

// The contrast step of one channel value, as the formula reads.
std::int32_t ContrastStep(std::int32_t value, double divisor, std::int32_t offset);

// Contrast, brightness, overflow redistribution and the clamp at 0, without
// the black-pixel exemption (callers that sample boxes test the box).
inline Rgb AdjustChannels(Rgb c, const AdjustValues& values) {
  // Channels arrive in 0..255, so the table covers the contrast step.
  c.r = values.contrast_table[c.r] + values.brightness;
  c.g = values.contrast_table[c.g] + values.brightness;
  c.b = values.contrast_table[c.b] + values.brightness;
  // An overflowing channel pulls the other two down by its excess, which
  // keeps the differences between the channels (and so the hue).
  if (c.r > 255) {
    const std::int32_t e = c.r - 255;
    c.g = std::min(c.g - e, 255);
    c.b = std::min(c.b - e, 255);
    c.r = 255;
  }
  if (c.g > 255) {
    const std::int32_t e = c.g - 255;
    c.r = std::min(c.r - e, 255);
    c.b = std::min(c.b - e, 255);
    c.g = 255;
  }
  if (c.b > 255) {
    const std::int32_t e = c.b - 255;
    c.r = std::min(c.r - e, 255);
    c.g = std::min(c.g - e, 255);
    c.b = 255;
  }
  c.r = std::max(c.r, 0);
  c.g = std::max(c.g, 0);
  c.b = std::max(c.b, 0);
  return c;
}

// AdjustPixel: a black pixel stays black; every other goes through
// AdjustChannels.
Rgb AdjustPixel(Rgb colour, const AdjustValues& values);

// Sepia and black and white; normal and chrome leave the colour as it is.
inline Rgb ApplyEffect(Rgb c, std::int32_t effect) {
  if (effect == kEffectSepia) {
    const std::int32_t i = (c.r + c.g + c.b) / 3;
    return Rgb{i, i - i / 4, i / 2};
  }
  if (effect == kEffectBlackWhite) {
    const std::int32_t i = (c.r + c.g + c.b) / 3;
    return Rgb{i, i, i};
  }
  return c;
}

}  // namespace lumetta
