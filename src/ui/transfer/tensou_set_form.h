#pragma once
// TTensouSetForm: "転送デジタルカメラ（またはカードリーダーなど）の設定", the
// three camera slots' names and folders.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <string>

#include "core/base/numbered_array.h"

namespace lumetta {
class CameraSlotsEdit;
}

namespace lumetta::ui {

class TTensouSetForm : public QDialog {
  Q_OBJECT
 public:
  // choose_folder: the folder browser (title, preselected folder).
  using FolderChooser = std::function<std::optional<std::string>(const std::string&, const std::string&)>;
  TTensouSetForm(CameraSlotsEdit& edit, FolderChooser choose_folder, QWidget* parent = nullptr);

  // Per slot 1..3.
  OneBasedArray<QLineEdit*, 3> CameraEdit{};   // Camera1Edit..3: the name, at most 30 characters
  OneBasedArray<QLineEdit*, 3> FolderEdit{};   // Folder1Edit..3: read-only
  OneBasedArray<QPushButton*, 3> FolderBtn{};  // opens the folder browser
  OneBasedArray<QPushButton*, 3> NameClearBtn{};
  OneBasedArray<QPushButton*, 3> FolderClearBtn{};
  QPushButton* KetteiBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowSlot(int slot);
  void FolderBtnClick(int slot);

  CameraSlotsEdit& edit_;
  FolderChooser choose_folder_;
};

}  // namespace lumetta::ui
