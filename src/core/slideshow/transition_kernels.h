#pragma once
// The pixel work of the slide show's transitions, on 24-bit images of one
// size: the fades' darkening and cross-fade, the star-sand order and its
// pixel copy, and the page-turn strips. Each walks rows through the stride;
// the transitions (TransitionPlayer) decide which step does what.

#include <cstdint>
#include <span>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/slideshow/slide_settings.h"

namespace lumetta {

// A rectangle of pixels [left, right) x [top, bottom).
struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const PixelRect&) const = default;
};

// out := max(0, c - subtrahend) for every channel c of source. The fade out
// of step k is subtrahend d * k, the fade in of step k is d * (K - k).
void DarkenFrame(const TDibImage& source, std::int32_t subtrahend, TDibImage& out);

// The cross-fade: out := min(255, max(0, fresh - fresh_subtrahend) +
// max(0, old - old_subtrahend)) per channel; step k of K takes d * (K - k)
// from the new photo and d * (k + 1) from the old one.
void CrossFadeFrame(const TDibImage& old_frame, std::int32_t old_subtrahend, const TDibImage& fresh,
                    std::int32_t fresh_subtrahend, TDibImage& out);

// The order in which star sand lays the pixels (index y * width + x): the
// identity with each position in turn swapped with a randomly chosen one,
// from a generator seeded with seed.
std::vector<std::uint32_t> StarSandOrder(std::uint32_t count, std::uint64_t seed);

// Where repaint i (0..repaints) of star sand falls in the order: the first
// i * count / repaints pixels are laid by then.
std::uint32_t StarSandBoundary(std::uint32_t count, std::int32_t repaints, std::int32_t i);

// Copies the pixels the indices name from frame to target.
void CopyPixelsInOrder(const TDibImage& frame, std::span<const std::uint32_t> indices, TDibImage& target);

// The page turn lays strips of strip pixels from one edge across, one per
// step: ceil(extent / strip) + 1 steps, extent being the width for the
// left and right edges and the height for the others.
std::int32_t PageTurnStepCount(PageDirectionKind direction, std::int32_t width, std::int32_t height,
                               std::int32_t strip);
// The strip of step (0-based), clipped to the image; empty past the far
// edge.
PixelRect PageTurnStrip(PageDirectionKind direction, std::int32_t width, std::int32_t height, std::int32_t strip,
                        std::int32_t step);

// Copies a rectangle of frame onto the same place of target.
void CopyRect(const TDibImage& frame, const PixelRect& rect, TDibImage& target);

}  // namespace lumetta
