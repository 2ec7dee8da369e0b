#pragma once
// The slide show's clock on the event loop: a monotonic elapsed timer and a
// precise single-shot timer, so that the show costs nothing while it waits.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "core/slideshow/slide_clock.h"

namespace lumetta::ui {

class QtSlideClock : public QObject, public SlideClock {
  Q_OBJECT
 public:
  explicit QtSlideClock(QObject* parent = nullptr);

  // Called when a wake-up is due.
  std::function<void()> OnWake;

  std::int64_t NowMs() const override { return elapsed_.elapsed(); }
  void WakeAfter(std::int64_t delay_ms) override;
  void CancelWake() override { timer_.stop(); }

 private:
  QElapsedTimer elapsed_;
  QTimer timer_;
};

}  // namespace lumetta::ui
