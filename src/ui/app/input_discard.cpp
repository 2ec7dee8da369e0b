#include "ui/app/input_discard.h"

#include <QApplication>
#include <QEvent>

namespace lumetta::ui {

namespace {
class InputSwallower : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
        return true;
      default:
        return false;
    }
  }
};
}  // namespace

void DiscardPendingInput() {
  InputSwallower swallower;
  qApp->installEventFilter(&swallower);
  QApplication::processEvents(QEventLoop::AllEvents);
  qApp->removeEventFilter(&swallower);
}

}  // namespace lumetta::ui
