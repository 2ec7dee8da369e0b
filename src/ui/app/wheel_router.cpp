#include "ui/app/wheel_router.h"

#include <QApplication>
#include <QWheelEvent>

#include "core/library/folder_tree.h"
#include "ui/app/input_discard.h"
#include "ui/app/main_form.h"
#include "ui/library/thumb_strip_view.h"
#include "ui/library/wide_thumb_form.h"

namespace lumetta::ui {

namespace {

constexpr int kWheelNotch = 120;

bool Inside(const QWidget* ancestor, const QWidget* widget) {
  return ancestor != nullptr && widget != nullptr && (widget == ancestor || ancestor->isAncestorOf(widget));
}

}  // namespace

WheelRouter::WheelRouter(AppState& state, QtUserInterface& ui, TMainForm& form, ThumbStripView& strip)
    : QObject(&form), state_(state), ui_(ui), form_(form), strip_(strip) {
  setObjectName("WheelRouter");
  qApp->installEventFilter(this);
}

WheelRouter::~WheelRouter() { qApp->removeEventFilter(this); }

bool WheelRouter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel) return false;
  const Target target = TargetOf(qobject_cast<QWidget*>(watched));
  if (target == Target::None) return false;
  if (!state_.UiReady) {
    DiscardPendingInput();
    return true;
  }
  Turn(target, static_cast<QWheelEvent*>(event));
  DiscardPendingInput();
  return true;
}

WheelRouter::Target WheelRouter::TargetOf(const QWidget* widget) const {
  if (widget == nullptr) return Target::None;
  if (Inside(strip_.WideThumbForm(), widget)) return Target::Wide;
  if (widget->window() != &form_) return Target::None;
  if (Inside(form_.Panels().ThumbPnl, widget)) return Target::Strip;
  if (Inside(form_.Panels().SubFolderPnl, widget)) return Target::Tree;
  if (Inside(form_.ViewImg(), widget)) return Target::View;
  return Target::None;
}

void WheelRouter::Turn(Target target, QWheelEvent* event) {
  rest_ += event->angleDelta().y();
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  while (rest_ <= -kWheelNotch || rest_ >= kWheelNotch) {
    // Turned towards the user: on through the list.
    const bool towards = rest_ < 0;
    rest_ += towards ? kWheelNotch : -kWheelNotch;
    switch (target) {
      case Target::Strip:
        strip_.WheelStep(false, towards);
        break;
      case Target::Wide:
        strip_.WheelStep(true, towards);
        break;
      case Target::Tree:
        towards ? lumetta::NextFolder(state_, ui_) : lumetta::PreviousFolder(state_, ui_);
        break;
      case Target::View:
        towards ? strip_.NextPhoto(shift, true) : strip_.PreviousPhoto(shift, true);
        break;
      case Target::None:
        break;
    }
  }
}

}  // namespace lumetta::ui
