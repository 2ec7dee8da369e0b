#pragma once
// "アプリケーションの設定": the three applications that open the photo on
// show, each chosen as a desktop entry (or a program) from the
// applications of all users or of this user.

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <string>

#include "core/base/numbered_array.h"

namespace lumetta::ui {

class TAppSetForm : public QDialog {
 public:
  TAppSetForm(const OneBasedArray<std::string, 3>& paths, QWidget* parent);

  // Modal, centred over the main window; true with "決定", paths then
  // holding the choices.
  bool Run(OneBasedArray<std::string, 3>& paths);

  // Where the file dialog opens: the system's applications while AllUserChk
  // is checked, else the user's own.
  QString ProgramsFolder() const;

  std::array<QLineEdit*, 3> AppEdits{};
  std::array<QPushButton*, 3> FolderBtns{};
  std::array<QPushButton*, 3> ClearBtns{};
  QCheckBox* AllUserChk = nullptr;
  QPushButton* KetteiBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 private:
  void Choose(int n);
  void ShowPath(int n);

  OneBasedArray<std::string, 3> paths_;
  QString proposed_name_;
};

}  // namespace lumetta::ui
