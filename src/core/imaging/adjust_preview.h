#pragma once
// The brightness dialog's live preview: a stored base picture, rendered
// once without brightness, contrast or colour effect, adjusted afresh with
// the values being edited each time a value moves. Only the small preview is
// recomputed, so a held key or a dragged bar never waits for a render.

#include <cstdint>

#include "core/imaging/dib_image.h"
#include "core/imaging/pixel_adjust.h"

namespace lumetta {

// dest becomes base (24 bits) with every pixel through AdjustPixel and then
// ApplyEffect; black pixels stay black.
void AdjustPreview(const TDibImage& base, TDibImage& dest, const AdjustValues& values, std::int32_t effect);

}  // namespace lumetta
