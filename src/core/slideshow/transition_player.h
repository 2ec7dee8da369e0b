#pragma once
// One transition from what the target shows to the prepared frame, played
// step by step: the caller shows the target after each step (and lets
// input through), so that the user sees the transition move and can stop
// it. The last step always leaves the frame's pixels on the target.

#include <cstdint>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/slideshow/slide_settings.h"
#include "core/slideshow/transition_kernels.h"

namespace lumetta {

class TransitionPlayer {
 public:
  // Prepares the transition onto target (of the frame's size). The fades
  // keep a copy of what target shows; star sand draws its order from seed.
  // Throws EDibError when the images do not match.
  void Begin(const TransitionChoice& choice, const TDibImage& frame, TDibImage& target, std::uint64_t seed);

  bool Active() const { return target_ != nullptr; }
  std::int32_t StepCount() const { return step_count_; }
  std::int32_t StepsDone() const { return done_; }
  bool Done() const { return done_ >= step_count_; }

  // Draws the next step; returns the part of the target that changed.
  PixelRect Step();
  // Lays the whole frame at once and ends the transition (a stop during it).
  PixelRect Finish();
  // Lets go of the images and the copies.
  void Reset();

  // The number of steps a transition takes on an image of width x height.
  static std::int32_t StepCountOf(const TransitionChoice& choice, std::int32_t width, std::int32_t height);

 private:
  PixelRect Whole() const;
  PixelRect FadeStep(std::int32_t step);

  TransitionChoice choice_;
  const TDibImage* frame_ = nullptr;
  TDibImage* target_ = nullptr;
  TDibImage old_;
  std::vector<std::uint32_t> order_;
  std::int32_t step_count_ = 0;
  std::int32_t done_ = 0;
};

}  // namespace lumetta
