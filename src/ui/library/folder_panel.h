#pragma once
// The contents of the main window's folder panel "写真のあるフォルダ": the
// three photo-folder slots with their path labels and set/clear buttons,
// the folder tree, "ﾏｲｺﾝﾋﾟｭｰﾀ", "上記以外から", "お気に入り", the order label
// and the hidden button that takes the keyboard focus. The widgets only
// forward their events to the program's operations.

#include <QButtonGroup>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>

#include "core/state/app_state.h"
#include "ui/app/main_panels.h"
#include "ui/app/qt_user_interface.h"
#include "ui/library/folder_tree_widget.h"

namespace lumetta::ui {

class FolderPanel : public QObject {
  Q_OBJECT
 public:
  FolderPanel(AppState& state, QtUserInterface& ui, const MainPanels& panels);
  ~FolderPanel() override;

  // Per photo-folder slot.
  PerSlot<QRadioButton*> FolderRadio;
  PerSlot<QLabel*> FolderLbl;
  PerSlot<QLabel*> FolderLblB;
  PerSlot<QPushButton*> FolderBtn;
  FolderTreeWidget* FolderTree = nullptr;
  QPushButton* ExplorerBtn = nullptr;
  QPushButton* OpenBtn = nullptr;
  QPushButton* OkiniBtn = nullptr;
  QPushButton* DummyBtn = nullptr;
  QLabel* NarabikaeLbl = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CheckSlotRadio(std::int32_t slot);
  void FolderTreeMouseDown(const QPoint& pos, Qt::MouseButton button);

  AppState& state_;
  QtUserInterface& ui_;
  QWidget* folder_pnl_ = nullptr;
  QButtonGroup* radio_group_ = nullptr;
};

}  // namespace lumetta::ui
