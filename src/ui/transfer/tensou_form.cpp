#include "ui/transfer/tensou_form.h"

#include <QFontMetrics>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kWidth = 420;
constexpr int kLabelWidth = 396;

// A path too long for its label keeps its start and end around "…".
QLabel* PathLabel(QWidget* parent, const char* name, const std::string& text, int top) {
  QLabel* label = MakeLabel(parent, name, "", 12, top);
  const QString full = ToQString(text);
  label->setText(QFontMetrics(label->font()).elidedText(full, Qt::ElideMiddle, kLabelWidth));
  label->setToolTip(full);
  label->setFixedWidth(kLabelWidth);
  return label;
}

QCheckBox* OptionBox(QWidget* parent, const char* name, const QString& text, bool checked, int top) {
  auto* box = new QCheckBox(text, parent);
  box->setObjectName(name);
  box->setChecked(checked);
  box->setGeometry(20, top, kWidth - 32, 20);
  QPalette pal = box->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  box->setPalette(pal);
  return box;
}

}  // namespace

TTensouForm::TTensouForm(const TensouFormRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), request_(request) {
  setObjectName("TensouForm");
  setWindowTitle("転送");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);

  FromLbl = PathLabel(this, "FromLbl", request.FromText, 12);
  ToLbl = PathLabel(this, "ToLbl", request.ToText, 34);
  MakeLabel(this, "KaishiLbl", "全ての写真の転送を開始します。", 12, 62);

  // Each box's label is its text, which toggles it too.
  LockChk = OptionBox(this, "LockChk", "カメラでロック（読込専用）してある写真は転送しない", request.SkipLockedBox, 88);
  MovieChk = OptionBox(this, "MovieChk", "動画ファイル（MOV,AVI,MPEG）も転送する", request.MoviesBox, 112);
  DateChk = OptionBox(this, "DateChk", "「ファイル日付」フォルダを作成して振り分ける", request.DateFoldersBox, 136);
  DateChk->setEnabled(request.DateFoldersEnabled);

  HyoujunBtn = MakeButton(this, "HyoujunBtn", "標準設定", 12, 170, 90, 26);
  HyoujunBtn->setToolTip("上記の転送設定を標準（２つともチェック）に戻します。");
  HyoujunBtn->setAutoDefault(false);
  JikkouBtn = MakeButton(this, "JikkouBtn", "実行", kWidth - 180, 170, 80, 26);
  JikkouBtn->setDefault(true);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", kWidth - 92, 170, 80, 26);
  CancelBtn->setAutoDefault(false);

  connect(HyoujunBtn, &QPushButton::clicked, this, [this] {
    LockChk->setChecked(true);
    MovieChk->setChecked(true);
    DateChk->setChecked(true);
  });
  connect(JikkouBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(kWidth, 208);
}

TensouFormRequest TTensouForm::Boxes() const {
  TensouFormRequest boxes = request_;
  boxes.SkipLockedBox = LockChk->isChecked();
  boxes.MoviesBox = MovieChk->isChecked();
  boxes.DateFoldersBox = DateChk->isChecked();
  return boxes;
}

void TTensouForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
}

}  // namespace lumetta::ui
