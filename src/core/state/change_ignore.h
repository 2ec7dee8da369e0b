#pragma once
// The mark the program's own file operations leave so that the directory
// watcher does not read the folder again for their change. The mark lasts
// about two seconds: a change the watcher never saw (a folder not watched,
// a medium without notifications) must not swallow the next real one.

#include <chrono>

namespace lumetta {

class ChangeIgnore {
 public:
  using Clock = std::chrono::steady_clock;
  // The watcher's event comes one second after the last notification; a
  // mark older than this was not left for it.
  static constexpr std::chrono::milliseconds kLifetime{2000};

  ChangeIgnore& operator=(bool set) {
    set_ = set;
    if (set) set_at_ = Clock::now();
    return *this;
  }
  explicit operator bool() const { return set_; }

  // Clears the mark; true when it was set at most kLifetime before now.
  bool Take(Clock::time_point now) {
    const bool live = set_ && now - set_at_ <= kLifetime;
    set_ = false;
    return live;
  }
  Clock::time_point SetAt() const { return set_at_; }

 private:
  bool set_ = false;
  Clock::time_point set_at_{};
};

}  // namespace lumetta
