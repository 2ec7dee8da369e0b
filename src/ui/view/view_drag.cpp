#include "ui/view/view_drag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "core/view/view_commands.h"
#include "ui/app/command_runner.h"

namespace lumetta::ui {

void ViewDrag::Press(const QMouseEvent* event) {
  pending_ = true;
  press_global_ = event->globalPosition().toPoint();
}

void ViewDrag::Move(const QMouseEvent* event, const QWidget& picture) {
  const QPoint global = event->globalPosition().toPoint();
  if (pending_ && (global - press_global_).manhattanLength() >= QApplication::startDragDistance()) {
    pending_ = false;
    dragging_ = true;
    ViewDragStart(state_, press_global_.x(), press_global_.y());
  }
  if (!dragging_) return;
  // Leaving the picture ends the drag as its release would.
  if (!picture.rect().contains(event->position().toPoint())) {
    End();
    return;
  }
  RunCommand(ui_, [this, global] { ViewDragMove(state_, ui_, global.x(), global.y()); });
}

void ViewDrag::Release() {
  pending_ = false;
  if (dragging_) End();
}

void ViewDrag::End() {
  dragging_ = false;
  RunCommand(ui_, [this] { ViewDragEnd(state_, ui_); });
}

}  // namespace lumetta::ui
