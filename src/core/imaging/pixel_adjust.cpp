#include "core/imaging/pixel_adjust.h"

#include <algorithm>

#include "core/base/rounding.h"

namespace lumetta {

std::int32_t EffectiveBrightness(std::int32_t brightness, std::int32_t effect) {
  return effect == kEffectChrome ? brightness - 12 : brightness;
}

std::int32_t EffectiveContrast(std::int32_t contrast, std::int32_t effect) {
  return effect == kEffectChrome ? std::min(contrast + 24, 1024) : contrast;
}

double ContrastDivisorOf(std::int32_t effective_contrast) { return 256.0 / effective_contrast; }

std::int32_t ContrastOffsetOf(std::int32_t effective_contrast) { return R((256 - effective_contrast) / 2.0); }

std::int32_t ContrastStep(std::int32_t value, double divisor, std::int32_t offset) {
  return R(value / divisor) + offset;
}

AdjustValues::AdjustValues(std::int32_t brightness_, double divisor_, std::int32_t offset_, bool contrast_)
    : brightness(brightness_), divisor(divisor_), offset(offset_), contrast(contrast_) {
  for (std::int32_t v = 0; v < 256; ++v) contrast_table[v] = contrast ? ContrastStep(v, divisor, offset) : v;
}

AdjustValues AdjustValuesOf(std::int32_t brightness, std::int32_t contrast, std::int32_t effect, AdjustRule rule) {
  const std::int32_t effective = EffectiveContrast(contrast, effect);
  const double divisor = ContrastDivisorOf(effective);
  if (rule == AdjustRule::HighSpeed) {
    return AdjustValues(brightness, divisor, ContrastOffsetOf(effective), contrast != 256);
  }
  return AdjustValues(EffectiveBrightness(brightness, effect), divisor, ContrastOffsetOf(effective), divisor != 1.0);
}

Rgb AdjustPixel(Rgb colour, const AdjustValues& values) {
  if (colour.r == 0 && colour.g == 0 && colour.b == 0) return colour;
  return AdjustChannels(colour, values);
}

}  // namespace lumetta
