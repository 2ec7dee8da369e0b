#pragma once
// TFullGamenForm: the full-screen window. A frameless window over the whole
// screen of the main window showing FullImg (the full-screen picture) with
// its own keys, the wheel, dragging the zoom and the double-click zoom. The
// cursor stays hidden until the mouse moves.

#include <QWidget>
#include <functional>

#include "core/state/app_state.h"
#include "core/view/full_screen.h"
#include "ui/app/qt_user_interface.h"
#include "ui/view/picture_widget.h"
#include "ui/view/view_drag.h"

class QScreen;

namespace lumetta::ui {

class TFullGamenForm : public QWidget {
  Q_OBJECT
 public:
  TFullGamenForm(AppState& state, QtUserInterface& ui, FullScreenView& view);

  PictureWidget* FullImg() const { return full_img_; }

  // Covers screen and takes the keyboard.
  void ShowOn(QScreen* screen);
  // The cursor blank (and parked in the bottom-right corner, where moving
  // it onto does not show it).
  void HideCursor();

  // The closing keys, the right and middle buttons, a double-click in
  // panorama mode.
  std::function<void()> OnClose;
  // F9.
  std::function<void()> OnSlideShow;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Pressed(QMouseEvent* event);
  void Moved(QMouseEvent* event);
  void Released(QMouseEvent* event);
  void DoubleClicked(QMouseEvent* event);
  bool AtCorner(const QPoint& local) const;
  void Close();

  AppState& state_;
  QtUserInterface& ui_;
  FullScreenView& view_;
  PictureWidget* full_img_;
  WheelNotches wheel_;
  bool running_ = false;
  ViewDrag drag_{state_, ui_};
};

}  // namespace lumetta::ui
