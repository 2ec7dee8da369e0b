#pragma once
// TBairitsuForm: "表示倍率を数値で指定", the numeric zoom dialog opened by a click
// on RitsuLbl or HenshuLbl.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>
#include <string>

namespace lumetta::ui {

class TBairitsuForm : public QDialog {
  Q_OBJECT
 public:
  // gensun: the reference text (2400x1800→50%); zoom_percent fills the edit.
  TBairitsuForm(const std::string& gensun, int zoom_percent, QWidget* parent = nullptr);

  // Shows the dialog modally, centred on its parent; the edit's text when
  // closed with "決定", nothing when cancelled.
  std::optional<std::string> Run();

  QLabel* GensunLbl = nullptr;
  QLineEdit* RitsuEdit = nullptr;
  QPushButton* ClearBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* KetteiBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace lumetta::ui
