#include "core/imaging/adjust_preview.h"

namespace lumetta {

namespace {

// One row; the effect is fixed per call so that the loop carries no switch.
template <std::int32_t Effect>
void AdjustRow(const std::uint8_t* in, std::uint8_t* out, std::int32_t width, const AdjustValues& values) {
  for (std::int32_t x = 0; x < width; ++x, in += 3, out += 3) {
    if ((in[0] | in[1] | in[2]) == 0) {
      out[0] = out[1] = out[2] = 0;
      continue;
    }
    const Rgb c = ApplyEffect(AdjustChannels(Rgb{in[2], in[1], in[0]}, values), Effect);
    out[0] = static_cast<std::uint8_t>(c.b);
    out[1] = static_cast<std::uint8_t>(c.g);
    out[2] = static_cast<std::uint8_t>(c.r);
  }
}

template <std::int32_t Effect>
void AdjustRows(const TDibImage& base, TDibImage& dest, const AdjustValues& values) {
  for (std::int32_t y = 0; y < base.Height(); ++y) {
    AdjustRow<Effect>(base.RowUnchecked(y), dest.RowUnchecked(y), base.Width(), values);
  }
}

}  // namespace

void AdjustPreview(const TDibImage& base, TDibImage& dest, const AdjustValues& values, std::int32_t effect) {
  if (base.BitCount() != 24 || !base.Data().HoldsRows()) throw EDibBadDIBType("AdjustPreview: Bad DIB Type");
  dest.SetBitCount(24);
  dest.SetSize(base.Width(), -base.Height());
  dest.MakeUnique();
  switch (effect) {
    case kEffectSepia:
      AdjustRows<kEffectSepia>(base, dest, values);
      break;
    case kEffectBlackWhite:
      AdjustRows<kEffectBlackWhite>(base, dest, values);
      break;
    default:
      // Normal and chrome leave the colour as the adjustment made it.
      AdjustRows<kEffectNormal>(base, dest, values);
      break;
  }
}

}  // namespace lumetta
