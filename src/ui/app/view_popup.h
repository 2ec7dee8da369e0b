#pragma once
// The photo view's pop-up menu (right button on the view). It shares its
// commands with the main menu.

#include <QMenu>
#include <QObject>

#include "core/state/app_state.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class ViewPopup : public QObject {
  Q_OBJECT
 public:
  // Built after the main menu has its items.
  ViewPopup(AppState& state, QtUserInterface& ui, TMainForm& form);

  QMenu* Menu() const { return menu_; }

 private:
  AppState& state_;
  QtUserInterface& ui_;
  QMenu* menu_ = nullptr;
};

}  // namespace lumetta::ui
