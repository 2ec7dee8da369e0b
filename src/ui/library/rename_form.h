#pragma once
// TRenameForm: one name's new name, for a photo file ("表示中写真のファイル名を
// 変更") or a favorite ("お気に入り写真の「お気に入り名」を変更"). "決定" refuses a
// name with any of \ / : * ? " < > | and keeps the dialog open.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

#include "core/state/user_interface.h"

namespace lumetta::ui {

class TRenameForm : public QDialog {
  Q_OBJECT
 public:
  TRenameForm(const RenameFormRequest& request, QWidget* parent = nullptr);

  // Centres the dialog over the active window (or the main window), kept on
  // the screen, runs it and returns the typed name, or nothing when it was
  // cancelled.
  std::optional<std::string> Run(QWidget* main_window);

  QLabel* OldCaptionLbl = nullptr;
  QLabel* OldNameLbl = nullptr;
  QLabel* NewCaptionLbl = nullptr;
  QLabel* ExtNoteLbl = nullptr;  // "（拡張子は省略できます）"
  QLineEdit* NewNameEdit = nullptr;
  QPushButton* ClearBtn = nullptr;   // "クリア"
  QPushButton* CancelBtn = nullptr;  // "キャンセル"
  QPushButton* KetteiBtn = nullptr;  // "決定"

 private:
  void KetteiBtnClick();

  RenameFormRequest request_;
};

}  // namespace lumetta::ui
