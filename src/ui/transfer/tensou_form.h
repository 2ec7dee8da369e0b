#pragma once
// TTensouForm: "転送", the confirmation before a transfer: where from, where
// to, and the three transfer options.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "core/state/user_interface.h"

namespace lumetta::ui {

class TTensouForm : public QDialog {
  Q_OBJECT
 public:
  explicit TTensouForm(const TensouFormRequest& request, QWidget* parent = nullptr);

  // The request with the boxes as they are now.
  TensouFormRequest Boxes() const;

  QLabel* FromLbl = nullptr;
  QLabel* ToLbl = nullptr;
  QCheckBox* LockChk = nullptr;   // "カメラでロック（読込専用）してある写真は転送しない"
  QCheckBox* MovieChk = nullptr;
  QCheckBox* DateChk = nullptr;
  QPushButton* HyoujunBtn = nullptr;  // "標準設定"
  QPushButton* JikkouBtn = nullptr;   // "実行"
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TensouFormRequest request_;
};

}  // namespace lumetta::ui
