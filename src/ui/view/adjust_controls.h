#pragma once
// The controls of brightness, contrast, sharpness and the colour effect:
// the edit panel's buttons "明るさ" and "ｼｬｰﾌﾟ", their items in the menus
// "編集", "画質モード" and "全シャープネス", the clicks on the quality panel's
// KoukaLbl and SharpLbl, and the key F12. The operations are the core's.

#include <QAction>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <array>

#include "core/state/app_state.h"
#include "core/view/quality_choices.h"
#include "ui/app/qt_user_interface.h"

class QMenu;

namespace lumetta::ui {

class EditPanel;
class TMainForm;

class AdjustControls : public QObject {
  Q_OBJECT
 public:
  // Commands run through RunCommand, which reports the program's failures.
  AdjustControls(AppState& state, QtUserInterface& ui, QObject* parent = nullptr);

  // The buttons at their design places in the edit panel.
  void AddButtons(QWidget* henshu_pnl);
  // "明るさ・コントラスト" and "シャープネス" go into "編集" before
  // henshu_before; the effects after the quality items of "画質モード"; the
  // levels and "（説明）" into "全シャープネス". The check marks follow the
  // settings.
  void AddMenuItems(QMenu* henshu_menu, QAction* henshu_before, QMenu* gashitsu_menu, QMenu* sharpness_menu);
  // Clicks on the labels cycle the global effect and sharpness.
  void TakeLabelClicks(QLabel* kouka_lbl, QLabel* sharp_lbl);

  QPushButton* AkarusaBtn = nullptr;
  QPushButton* SharpBtn = nullptr;
  QAction* AkarusaMenu = nullptr;
  QAction* SharpMenu = nullptr;
  QAction* GNormalMenu = nullptr;
  QAction* GChromaMenu = nullptr;
  QAction* GSepiaMenu = nullptr;
  QAction* GWhiteBlackMenu = nullptr;
  // In the order of kSharpnessChoices.
  std::array<QAction*, kSharpnessChoices.size()> SharpnessMenus{};
  QAction* SPSetsumeiMenu = nullptr;

  // The global effect's and sharpness's menu checks from the settings.
  void SyncChecks();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppState& state_;
  QtUserInterface& ui_;
  QLabel* kouka_lbl_ = nullptr;
  QLabel* sharp_lbl_ = nullptr;
};

// Builds the controls into the main window (after the edit panel) and binds
// F12.
AdjustControls* BuildAdjustControls(AppState& state, QtUserInterface& ui, TMainForm& form, EditPanel& edit_panel);

}  // namespace lumetta::ui
