#include "ui/export/photo_save_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 352;

void MakeWhite(QWidget* widget) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  pal.setColor(QPalette::ButtonText, Qt::white);
  widget->setPalette(pal);
}

template <typename Button>
Button* MakeChoice(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* button = new Button(text, parent);
  button->setObjectName(name);
  MakeWhite(button);
  button->move(left, top);
  button->adjustSize();
  return button;
}

ButtonLabel* MakeButtonLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                             QAbstractButton* button) {
  auto* label = new ButtonLabel(text, parent);
  label->setObjectName(name);
  MakeWhite(label);
  label->move(left, top);
  label->adjustSize();
  QObject::connect(label, &ButtonLabel::Clicked, button, [button] {
    if (button->isEnabled()) button->click();
  });
  return label;
}

}  // namespace

ButtonLabel::ButtonLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ButtonLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QLabel::mousePressEvent(event);
}

TPhotoSaveForm::TPhotoSaveForm(const ExportChoices& choices, bool whole_enabled, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("PhotoSaveForm");
  setWindowTitle("表示されている状態で写真を保存");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  auto* formats = new QButtonGroup(this);
  LumBtn = MakeChoice<QRadioButton>(this, "LumBtn", "Lumetta形式（.lum）保存", 16, 12);
  MakeButtonLabel(this, "LumLbl",
                  "（写真と同じフォルダに、拡大縮小・明るさなどの情報ファイル\n"
                  "を保存します。次回起動時も、今と同じ状態で表示されるよ\n"
                  "うになります。ファイルサイズも極小さく済みます。）",
                  34, 34, LumBtn);
  JpegBtn = MakeChoice<QRadioButton>(this, "JpegBtn", "JPEG保存", 16, 92);
  GashitsuLbl = MakeLabel(this, "GashitsuLbl", "画質８→", 34, 122);
  MakeLabel(this, "KouasshukuLbl", "高圧縮", 96, 122);
  JpegQBar = new QSlider(Qt::Horizontal, this);
  JpegQBar->setObjectName("JpegQBar");
  JpegQBar->setRange(1, 10);
  JpegQBar->setPageStep(1);
  JpegQBar->setTickPosition(QSlider::TicksAbove);
  JpegQBar->setTickInterval(1);
  JpegQBar->setGeometry(142, 114, 170, 30);
  MakeLabel(this, "KougashitsuLbl", "高画質", 318, 122);
  ExifChk = MakeChoice<QCheckBox>(this, "ExifChk", "", 34, 152);
  MakeButtonLabel(this, "ExifLbl", "Exif情報を添付", 54, 152, ExifChk);
  BmpBtn = MakeChoice<QRadioButton>(this, "BmpBtn", "BMP保存", 16, 182);
  MakeButtonLabel(this, "BmpLbl2", "（非圧縮）", 100, 184, BmpBtn);
  formats->addButton(LumBtn);
  formats->addButton(JpegBtn);
  formats->addButton(BmpBtn);

  UpperChk = MakeChoice<QCheckBox>(this, "UpperChk", "", 16, 220);
  ButtonLabel* upper = MakeButtonLabel(this, "UpperLbl", "拡張子を大文字", 36, 220, UpperChk);
  const QString upper_hint = "ここをチェックすると、拡張子を大文字にして保存します。";
  UpperChk->setToolTip(upper_hint);
  upper->setToolTip(upper_hint);
  CommentChk = MakeChoice<QCheckBox>(this, "CommentChk", "", 16, 244);
  ButtonLabel* comment = MakeButtonLabel(this, "CommentLbl", "コメント非表示", 36, 244, CommentChk);
  const QString comment_hint =
      "ここをチェックすると、コメント入りの写真の場合でも、コメント抜きの画像で保存します。"
      "「Lumetta形式（.lum）」で保存の場合は、このチェックは影響しません。";
  CommentChk->setToolTip(comment_hint);
  comment->setToolTip(comment_hint);
  ZentaiChk = MakeChoice<QCheckBox>(this, "ZentaiChk", "", 16, 268);
  ZentaiLbl = MakeButtonLabel(this, "ZentaiLbl", "写真全体で保存", 36, 268, ZentaiChk);
  ZentaiChk->setEnabled(whole_enabled);
  ZentaiLbl->setEnabled(whole_enabled);

  SuishouBtn = MakeButton(this, "SuishouBtn", "推奨設定", 16, 308, 90, 28);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 186, 308, 90, 28);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 286, 308, 90, 28);
  KetteiBtn->setDefault(true);
  KetteiBtn->setAutoDefault(true);

  connect(JpegQBar, &QSlider::valueChanged, this,
          [this](int value) { GashitsuLbl->setText(ToQString(GashitsuText(value))); });
  connect(SuishouBtn, &QPushButton::clicked, this, [this] {
    Show(SuggestedExportChoices());
    FocusKettei();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);
  // Every click on a control leaves the keyboard on "決定".
  for (QAbstractButton* button :
       std::initializer_list<QAbstractButton*>{LumBtn, JpegBtn, BmpBtn, ExifChk, UpperChk, CommentChk, ZentaiChk}) {
    connect(button, &QAbstractButton::clicked, this, [this] { FocusKettei(); });
  }
  connect(JpegQBar, &QSlider::sliderReleased, this, [this] { FocusKettei(); });
  connect(JpegQBar, &QSlider::sliderPressed, this, [this] { FocusKettei(); });

  Show(choices);
  CentreOnOwnerWindow(this);
  KetteiBtn->setFocus();
}

void TPhotoSaveForm::Show(const ExportChoices& choices) {
  LumBtn->setChecked(choices.Format == ExportFormatKind::EditedPhoto);
  JpegBtn->setChecked(choices.Format == ExportFormatKind::Jpeg);
  BmpBtn->setChecked(choices.Format == ExportFormatKind::Bmp);
  JpegQBar->setValue(choices.Quality);
  GashitsuLbl->setText(ToQString(GashitsuText(choices.Quality)));
  GashitsuLbl->adjustSize();
  ExifChk->setChecked(choices.Exif);
  UpperChk->setChecked(choices.UpperCase);
  CommentChk->setChecked(!choices.Comment);
  ZentaiChk->setChecked(choices.Whole);
}

ExportChoices TPhotoSaveForm::Choices() const {
  ExportChoices c;
  if (LumBtn->isChecked()) {
    c.Format = ExportFormatKind::EditedPhoto;
  } else if (BmpBtn->isChecked()) {
    c.Format = ExportFormatKind::Bmp;
  } else {
    c.Format = ExportFormatKind::Jpeg;
  }
  c.Quality = JpegQBar->value();
  c.Exif = ExifChk->isChecked();
  c.UpperCase = UpperChk->isChecked();
  c.Comment = !CommentChk->isChecked();
  c.Whole = ZentaiChk->isChecked();
  return c;
}

void TPhotoSaveForm::FocusKettei() { KetteiBtn->setFocus(); }

}  // namespace lumetta::ui
