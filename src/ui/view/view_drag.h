#pragma once
// Dragging a zoomed photo with the left button, in the main view and the
// full-screen view alike: the drag starts once the cursor has moved by the
// platform's threshold from the press, moves the photo while the cursor
// stays on the picture, and ends on release or when the cursor leaves it.

#include <QPoint>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

class QMouseEvent;
class QWidget;

namespace lumetta::ui {

class ViewDrag {
 public:
  ViewDrag(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {}

  // A press of the left button on the picture.
  void Press(const QMouseEvent* event);
  // A move with the left button held over picture.
  void Move(const QMouseEvent* event, const QWidget& picture);
  // The left button's release.
  void Release();
  // A double click: no drag comes of its press.
  void Forget() { pending_ = false; }

 private:
  void End();

  AppState& state_;
  UserInterface& ui_;
  bool pending_ = false;
  bool dragging_ = false;
  QPoint press_global_;
};

}  // namespace lumetta::ui
