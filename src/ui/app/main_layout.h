#pragma once
// LayoutMainWindow: the main window laid out for the size mode in force.
// The controls that move are found by their names; each feature creates its
// own in the 800 layout's places.

#include <QList>
#include <QPoint>
#include <QRect>

#include "core/state/app_state.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class TMainForm;

// Applies SizeMode, CustomWidth and CustomHeight to the window, then draws
// the photo on show again.
void LayoutMainWindow(AppState& state, QtUserInterface& ui, TMainForm& form);

// Where a window frame goes when it lies wholly off every screen: onto the
// screen that held most of its previous frame (else the first screen), kept
// inside it. A frame on some screen stays where it is.
QPoint PlaceOnScreens(const QRect& frame, const QRect& previous, const QList<QRect>& screens);

}  // namespace lumetta::ui
