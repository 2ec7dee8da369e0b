#pragma once
// TSizeInputForm: "任意のサイズ", the custom view size with its layout
// choice. The fields follow SizeInputModel, which couples width and height.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/state/user_interface.h"
#include "core/view/size_input_model.h"

namespace lumetta::ui {

class TSizeInputForm : public QDialog {
  Q_OBJECT
 public:
  TSizeInputForm(SizeInputModel& model, UserInterface& ui, QWidget* parent = nullptr);

  // Shows the dialog modally; true when it closed with "決定".
  bool Run();

  QLabel* GensunMidashiLbl = nullptr;
  QLabel* GensunLbl = nullptr;
  QCheckBox* KeepChk = nullptr;
  QLabel* KeepLbl = nullptr;
  QLineEdit* WidthEdit = nullptr;
  QPushButton* WClearBtn = nullptr;
  QLineEdit* HeightEdit = nullptr;
  QPushButton* HClearBtn = nullptr;
  QRadioButton* WinAutoBtn = nullptr;
  QRadioButton* Win480Btn = nullptr;
  QRadioButton* Win640Btn = nullptr;
  QRadioButton* Win800Btn = nullptr;
  QRadioButton* Win1024Btn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* KetteiBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Writes the model's texts into the edits that differ from them.
  void ShowTexts();
  void KetteiClick();

  SizeInputModel& model_;
  UserInterface& ui_;
};

}  // namespace lumetta::ui
