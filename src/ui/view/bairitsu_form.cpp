#include "ui/app/widget_helpers.h"
#include "ui/view/bairitsu_form.h"

#include <QShowEvent>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 216;
constexpr int kClientHeight = 132;

}  // namespace

TBairitsuForm::TBairitsuForm(const std::string& gensun, int zoom_percent, QWidget* parent) : QDialog(parent) {
  setObjectName("BairitsuForm");
  setWindowTitle("表示倍率を数値で指定");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  MakeLabel(this, nullptr, "現在の表示倍率", 12, 10);
  GensunLbl = MakeLabel(this, nullptr, ToQString(gensun), 24, 28);
  GensunLbl->setObjectName("GensunLbl");
  MakeLabel(this, nullptr, "表示倍率", 12, 56);
  RitsuEdit = new QLineEdit(QString::number(zoom_percent), this);
  RitsuEdit->setObjectName("RitsuEdit");
  RitsuEdit->setGeometry(64, 52, 56, 21);
  RitsuEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
  MakeLabel(this, nullptr, "%", 123, 56);
  ClearBtn = new QPushButton("クリア", this);
  ClearBtn->setObjectName("ClearBtn");
  ClearBtn->setGeometry(142, 51, 60, 23);
  MakeLabel(this, nullptr, "（１～400％まで）", 64, 78);
  CancelBtn = new QPushButton("キャンセル", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setGeometry(24, 100, 80, 25);
  KetteiBtn = new QPushButton("決定", this);
  KetteiBtn->setObjectName("KetteiBtn");
  KetteiBtn->setGeometry(112, 100, 80, 25);
  KetteiBtn->setDefault(true);

  connect(ClearBtn, &QPushButton::clicked, this, [this] {
    RitsuEdit->clear();
    RitsuEdit->setFocus();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TBairitsuForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  RitsuEdit->setFocus();
  RitsuEdit->selectAll();
}

std::optional<std::string> TBairitsuForm::Run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return FromQString(RitsuEdit->text());
}

}  // namespace lumetta::ui
