#pragma once
// The slide show's sense of time: a monotonic millisecond clock and one
// wake-up call. The windows implement it with a timer of their event loop,
// so that nothing runs while the show waits; tests drive a fake by hand.

#include <cstdint>

namespace lumetta {

class SlideClock {
 public:
  virtual ~SlideClock() = default;
  // Milliseconds since some fixed moment; never goes back, never wraps.
  virtual std::int64_t NowMs() const = 0;
  // Calls the show's Wake once after delay_ms (0: as soon as pending input
  // and paints are handled), replacing a wake-up still pending.
  virtual void WakeAfter(std::int64_t delay_ms) = 0;
  // Drops a pending wake-up.
  virtual void CancelWake() = 0;
};

}  // namespace lumetta
