#pragma once
// The save command's places in the main window: the edit panel's "保存"
// button, "編集" → "Lumetta形式（.lum）で保存 ［Ｆ6］" (and so its twin in the
// view's pop-up menu) and the F6 key.

#include <QObject>

class QAction;
class QPushButton;

namespace lumetta {
struct AppState;
}

namespace lumetta::ui {

class QtUserInterface;
class TMainForm;

class VariantControls : public QObject {
  Q_OBJECT
 public:
  VariantControls(AppState& state, QtUserInterface& ui, TMainForm& form);

  QPushButton* SaveBtn = nullptr;
  QAction* LumSaveMenu = nullptr;
};

}  // namespace lumetta::ui
