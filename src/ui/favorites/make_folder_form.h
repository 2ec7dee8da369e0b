#pragma once
// TMakeFolderForm ("フォルダを作成"): the name of a new favorites folder, at most
// 64 characters, preset to "新しいフォルダ". "作成" refuses a name with any of
// \ / : * ? " < > | and keeps the dialog open.

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

namespace lumetta::ui {

class TMakeFolderForm : public QDialog {
  Q_OBJECT
 public:
  explicit TMakeFolderForm(QWidget* parent = nullptr);

  // Centred over parent; the typed name, or nothing when closed.
  std::optional<std::string> Run();

  QLineEdit* NameEdit = nullptr;
  QPushButton* MakeBtn = nullptr;  // "作成"

 private:
  void MakeBtnClick();
};

}  // namespace lumetta::ui
