#pragma once
// The edit panel's view controls (zoom and turn buttons, the zoom and state
// labels, wide mode), the mouse on the main view (dragging the zoom window,
// double-click zoom, the middle button), the numeric zoom dialog, and the
// view's menu items and keys. The operations are the core's view commands.

#include <QCheckBox>
#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "core/state/app_state.h"
#include "ui/app/qt_user_interface.h"
#include "ui/view/picture_widget.h"
#include "ui/view/view_drag.h"

class QAction;
class QMenu;

namespace lumetta::ui {

class TMainForm;

// A push button that remembers whether Shift was held when it was pressed.
class ShiftButton : public QPushButton {
  Q_OBJECT
 public:
  using QPushButton::QPushButton;
  bool ShiftAtPress() const { return shift_at_press_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool shift_at_press_ = false;
};

class EditPanel : public QObject {
  Q_OBJECT
 public:
  // henshu_pnl holds the controls; henshu_lbl is the panel's title label;
  // the view's mouse is taken from view_img; dialogs centre on window.
  EditPanel(AppState& state, QtUserInterface& ui, QWidget* henshu_pnl, QLabel* henshu_lbl, PictureWidget* view_img,
            QWidget* window, QObject* parent = nullptr);

  // The menu items of "編集" and "画質モード" that belong to the view.
  void AddMenuItems(QMenu* henshu_menu, QMenu* gashitsu_menu);
  // Clicks on the quality labels toggle the quality mode.
  void TakeQualityLabelClicks(QLabel* gashitsu_mode_lbl, QLabel* gashitsu_mode_s_lbl);

  ShiftButton* ZoomDownBtn = nullptr;
  ShiftButton* ZoomUpBtn = nullptr;
  QPushButton* ZoomKaijoBtn = nullptr;
  QPushButton* TurnLeftBtn = nullptr;
  QPushButton* TurnRightBtn = nullptr;
  QLabel* RitsuLbl = nullptr;
  QLabel* JoutaiLbl = nullptr;
  QLabel* BairitsuCaptionLbl = nullptr;  // "倍率"
  QCheckBox* WideChk = nullptr;
  QLabel* WideLbl = nullptr;

  QAction* TurnLeftMenu = nullptr;
  QAction* TurnRightMenu = nullptr;
  QAction* WideMenu = nullptr;
  QAction* ZoomUpMenu = nullptr;
  QAction* ZoomDownMenu = nullptr;
  QAction* ZoomKaijoMenu = nullptr;
  QAction* HenshuKaijoMenu = nullptr;  // "全ての編集を解除"
  QAction* KougashitsuMenu = nullptr;
  QAction* KousokuMenu = nullptr;

  // The numeric zoom dialog's runner (replaceable for tests).
  std::function<std::optional<std::string>()> RunBairitsuForm;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ViewPressed(QMouseEvent* event);
  void ViewMoved(QMouseEvent* event);
  void ViewReleased(QMouseEvent* event);
  void ViewDoubleClicked(QMouseEvent* event);

  AppState& state_;
  QtUserInterface& ui_;
  PictureWidget* view_img_;
  QWidget* window_;
  QLabel* henshu_lbl_;
  QLabel* gashitsu_labels_[2] = {nullptr, nullptr};
  ViewDrag drag_{state_, ui_};
};

// Builds the edit panel into the main window and binds its menus and keys.
EditPanel* BuildEditPanel(AppState& state, QtUserInterface& ui, TMainForm& form);

}  // namespace lumetta::ui
