#pragma once
// TFolderForm ("Lumetta"): the folder dialog of the folder tree, for one
// folder on disk. It renames the folder itself, through the program's
// rename; creating and deleting are left to its caller by the result.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <string>

#include "core/state/user_interface.h"

namespace lumetta::ui {

class TFolderForm : public QDialog {
  Q_OBJECT
 public:
  TFolderForm(const FolderFormRequest& request, std::function<bool(const std::string&)> rename,
              QWidget* parent = nullptr);

  // Places the dialog 6 pixels below point (global), kept on the screen and
  // within the right and bottom edges of the main window.
  void PlaceBelow(const QPoint& point, const QWidget* main_window);

  // How the dialog closed: kFolderFormNewFolder, kFolderFormClose or
  // kFolderFormDelete (the close box and Escape count as "閉じる").
  int Result() const;

  QLabel* FolderLbl = nullptr;
  QLineEdit* NameEdit = nullptr;
  QPushButton* NameBtn = nullptr;    // "名前を変更"
  QPushButton* CreateBtn = nullptr;  // "上記フォルダ内に、新しいフォルダを作成"
  QPushButton* DeleteBtn = nullptr;  // "上記フォルダを削除（空のみ削除可能）"
  QPushButton* CloseBtn = nullptr;   // "閉じる"

 private:
  void NameBtnClick();

  std::function<bool(const std::string&)> rename_;
};

}  // namespace lumetta::ui
