#include "ui/slideshow/qt_slide_clock.h"

#include <algorithm>
#include <limits>

namespace lumetta::ui {

QtSlideClock::QtSlideClock(QObject* parent) : QObject(parent) {
  elapsed_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (OnWake) OnWake();
  });
}

void QtSlideClock::WakeAfter(std::int64_t delay_ms) {
  // QTimer counts in int milliseconds; a longer wait wakes early and waits on.
  const auto ms = static_cast<int>(std::clamp<std::int64_t>(delay_ms, 0, std::numeric_limits<int>::max()));
  timer_.start(ms);
}

}  // namespace lumetta::ui
