#include "ui/library/paging_repeat.h"

#include <QApplication>

namespace lumetta::ui {

namespace {

// Throws away waiting key presses only: a held key does not queue up pages,
// while a waiting mouse release still ends the auto-repeat.
void DiscardPendingKeys() {
  class KeySwallower : public QObject {
   protected:
    bool eventFilter(QObject*, QEvent* event) override {
      return event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    }
  } swallower;
  qApp->installEventFilter(&swallower);
  QApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(&swallower);
}

bool LeftButtonHeld() { return QApplication::mouseButtons() & Qt::LeftButton; }

}  // namespace

PagingRepeat::PagingRepeat(QObject* parent) : QObject(parent) {
  timer_.setObjectName("PagingRepeatTimer");
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void PagingRepeat::Start(std::function<bool()> step) {
  step_ = std::move(step);
  if (!step_()) {
    Stop();
    return;
  }
  DiscardPendingKeys();
  // The release may have come while the strip was painted.
  if (step_ && LeftButtonHeld()) timer_.start(kDelayMs);
}

void PagingRepeat::Tick() {
  if (!step_ || !LeftButtonHeld() || !step_()) {
    Stop();
    return;
  }
  DiscardPendingKeys();
  if (step_) timer_.start(kIntervalMs);
}

void PagingRepeat::Stop() {
  timer_.stop();
  step_ = nullptr;
}

}  // namespace lumetta::ui
