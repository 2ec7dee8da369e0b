#pragma once
// The "並び換え" menu: sort key and direction, two radio groups.

#include <QObject>

#include "core/state/app_state.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class SortMenu : public QObject {
  Q_OBJECT
 public:
  SortMenu(AppState& state, QtUserInterface& ui, TMainForm& form);

 private:
  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
};

}  // namespace lumetta::ui
