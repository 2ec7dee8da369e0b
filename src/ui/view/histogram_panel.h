#pragma once
// The histogram under its title in the main window, its legend, the click
// that shows it and the "ヒストグラム表示" menu.

#include <QObject>

#include "core/state/app_state.h"
#include "ui/app/qt_user_interface.h"

class QAction;
class QFrame;

namespace lumetta::ui {

class PictureWidget;
class TMainForm;

class HistogramPanel : public QObject {
  Q_OBJECT
 public:
  HistogramPanel(AppState& state, QtUserInterface& ui, TMainForm& form);
  ~HistogramPanel() override;

  QFrame* HistDaiPnl = nullptr;
  PictureWidget* HistgramImg = nullptr;
  PictureWidget* HistgramImg2 = nullptr;
  QAction* HistgramAutoMenu = nullptr;
  QAction* HistgramHandMenu = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppState& state_;
  QtUserInterface& ui_;
};

}  // namespace lumetta::ui
