#pragma once
// The auto-repeat of the strip's paging buttons: a step at the press, the
// next 400 ms later while the left button is held, then one every 100 ms,
// until the release or a step that cannot go on. Key presses that arrive
// meanwhile are dropped so that a held key does not queue up pages.

#include <QObject>
#include <QTimer>
#include <functional>

namespace lumetta::ui {

class PagingRepeat : public QObject {
  Q_OBJECT
 public:
  static constexpr int kDelayMs = 400;
  static constexpr int kIntervalMs = 100;

  explicit PagingRepeat(QObject* parent);

  // Takes the first step now; step says whether paging can go on.
  void Start(std::function<bool()> step);
  void Stop();

  // The timer of the next step (for tests: its interval and whether it runs).
  const QTimer& Timer() const { return timer_; }

 private:
  void Tick();

  QTimer timer_;
  std::function<bool()> step_;
};

}  // namespace lumetta::ui
