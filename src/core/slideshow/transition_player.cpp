#include "core/slideshow/transition_player.h"

#include <span>
#include <string>

#include "core/imaging/resample.h"

namespace lumetta {

namespace {

bool FadesOut(FadeModeKind mode) { return mode == FadeModeKind::OutThenIn || mode == FadeModeKind::OutOnly; }

}  // namespace

std::int32_t TransitionPlayer::StepCountOf(const TransitionChoice& choice, std::int32_t width, std::int32_t height) {
  switch (choice.kind) {
    case SlideTransitionKind::StarSand:
      return choice.star_sand_repaints;
    case SlideTransitionKind::PageTurn:
      return PageTurnStepCount(choice.page_direction, width, height, choice.page_strip);
    case SlideTransitionKind::Fade: {
      const std::int32_t k = choice.fade_steps;
      switch (choice.fade_mode) {
        case FadeModeKind::OutThenIn:
          return k + (k + 1);
        case FadeModeKind::OutOnly:
          return k + 1;
        case FadeModeKind::OutAndIn:
        case FadeModeKind::InOnly:
          return k + 1;
      }
      return k + 1;
    }
    case SlideTransitionKind::None:
      return 1;
  }
  return 1;
}

void TransitionPlayer::Begin(const TransitionChoice& choice, const TDibImage& frame, TDibImage& target,
                             std::uint64_t seed) {
  Reset();
  if (frame.BitCount() != 24 || target.BitCount() != 24) throw EDibBadDIBType("TransitionPlayer: Bad DIB Type");
  if (frame.Width() != target.Width() || frame.Height() != target.Height()) {
    throw EDibInvalidDIBPara("TransitionPlayer: the frame and the view differ in size");
  }
  choice_ = choice;
  frame_ = &frame;
  target_ = &target;
  step_count_ = StepCountOf(choice, target.Width(), target.Height());
  done_ = 0;
  if (choice.kind == SlideTransitionKind::Fade && choice.fade_mode != FadeModeKind::InOnly) {
    // The old photo, taken before anything changes on the target.
    SizeImage24(old_, target.Width(), target.Height());
    CopyRect(target, Whole(), old_);
  }
  if (choice.kind == SlideTransitionKind::StarSand) {
    const auto count = static_cast<std::uint32_t>(target.Width()) * static_cast<std::uint32_t>(target.Height());
    order_ = StarSandOrder(count, seed);
  }
}

PixelRect TransitionPlayer::Whole() const {
  return target_ == nullptr ? PixelRect{} : PixelRect{0, 0, target_->Width(), target_->Height()};
}

PixelRect TransitionPlayer::Step() {
  if (!Active() || Done()) return PixelRect{};
  const std::int32_t step = done_++;
  switch (choice_.kind) {
    case SlideTransitionKind::None:
      CopyRect(*frame_, Whole(), *target_);
      return Whole();
    case SlideTransitionKind::StarSand: {
      const auto count = static_cast<std::uint32_t>(order_.size());
      const std::uint32_t from = StarSandBoundary(count, step_count_, step);
      const std::uint32_t to = StarSandBoundary(count, step_count_, step + 1);
      CopyPixelsInOrder(*frame_, std::span<const std::uint32_t>(order_).subspan(from, to - from), *target_);
      return Whole();
    }
    case SlideTransitionKind::PageTurn: {
      const PixelRect strip =
          PageTurnStrip(choice_.page_direction, target_->Width(), target_->Height(), choice_.page_strip, step);
      CopyRect(*frame_, strip, *target_);
      return strip;
    }
    case SlideTransitionKind::Fade:
      return FadeStep(step);
  }
  return PixelRect{};
}

// The fade's steps in order: the old photo darkened for k = 1..K (not for
// "インのみ" and "アウト＆イン"), then either the new frame at once
// ("アウトのみ") or the new photo brightened for k = 0..K, cross-faded with
// the old one for "アウト＆イン".
PixelRect TransitionPlayer::FadeStep(std::int32_t step) {
  const std::int32_t steps = choice_.fade_steps;
  const std::int32_t d = 256 / steps;
  const FadeModeKind mode = choice_.fade_mode;
  if (FadesOut(mode) && step < steps) {
    DarkenFrame(old_, d * (step + 1), *target_);
    return Whole();
  }
  const std::int32_t k = FadesOut(mode) ? step - steps : step;
  if (mode == FadeModeKind::OutOnly) {
    CopyRect(*frame_, Whole(), *target_);
  } else if (mode == FadeModeKind::OutAndIn) {
    CrossFadeFrame(old_, d * (k + 1), *frame_, d * (steps - k), *target_);
  } else {
    DarkenFrame(*frame_, d * (steps - k), *target_);
  }
  return Whole();
}

PixelRect TransitionPlayer::Finish() {
  if (!Active()) return PixelRect{};
  CopyRect(*frame_, Whole(), *target_);
  const PixelRect whole = Whole();
  done_ = step_count_;
  return whole;
}

void TransitionPlayer::Reset() {
  frame_ = nullptr;
  target_ = nullptr;
  SizeImage24(old_, 1, 1);
  std::vector<std::uint32_t>().swap(order_);
  step_count_ = 0;
  done_ = 0;
}

}  // namespace lumetta
