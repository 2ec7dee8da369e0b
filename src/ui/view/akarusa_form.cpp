#include "ui/app/widget_helpers.h"
#include "ui/view/akarusa_form.h"

#include <QKeyEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/input_discard.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 349;
constexpr int kClientHeight = 384;

QSlider* MakeBar(QWidget* parent, const char* name, int minimum, int maximum, int page, int ticks, int top) {
  auto* bar = new QSlider(Qt::Horizontal, parent);
  bar->setObjectName(name);
  bar->setRange(minimum, maximum);
  bar->setSingleStep(1);
  bar->setPageStep(page);
  bar->setTickInterval(ticks);
  bar->setTickPosition(QSlider::TicksBelow);
  bar->setGeometry(40, top, 236, 26);
  // A bar never keeps the focus: the keys and Enter belong to "決定".
  bar->setFocusPolicy(Qt::NoFocus);
  return bar;
}

}  // namespace

const std::vector<std::string>& BrightnessHelpLines() {
  static const std::vector<std::string> lines = {"「明るさ」を上げると、",
                                                 "暗い写真を、見やすい写真にすることができます。",
                                                 "「明るさ」は、プラスにすると明るく",
                                                 "マイナスにすると暗く、画像にダイレクトに",
                                                 "反映されます。",
                                                 "「明るさ」を上げてみて、平面的な写真に",
                                                 "なってしまう場合は、同時に「コントラスト」も",
                                                 "上げてみてください。"};
  return lines;
}

const std::vector<std::string>& ContrastHelpLines() {
  static const std::vector<std::string> lines = {"「コントラスト」を上げると、",
                                                 "画像の明るいところと暗いところの差が大きくなり",
                                                 "シャープさが上がります。",
                                                 "ただし、パソコンの画像は、256諧調の明るさまでしか",
                                                 "表現できないため、256より大きくすると、シャープさが",
                                                 "出る代わりに、画像の情報が減って繊細さはダウンします。",
                                                 "逆に「コントラスト」を下げると、",
                                                 "ソフト（やわらか）な写真になります。"};
  return lines;
}

TAkarusaForm::TAkarusaForm(AkarusaModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      model_(model) {
  setObjectName("AkarusaForm");
  setWindowTitle("明るさ・コントラスト");
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  PreviewImg = new PictureWidget(&model_.Preview(), this);
  PreviewImg->setObjectName("PreviewImg");
  PreviewImg->setGeometry(14, 8, kPreviewWidth, kPreviewHeight);

  MakeLabel(this, "AkarusaMidashiLbl", "明るさ", 12, 252);
  AkarusaLbl = MakeLabel(this, "AkarusaLbl", QString(), 64, 252);
  AkarusaLbl->setFont(GothicFont(12));
  AkarusaLbl->resize(48, 14);
  AHelpBtn = MakeButton(this, "AHelpBtn", "解説", 120, 249, 40, 19);
  MakeLabel(this, "KurakuLbl", "暗く", 10, 276);
  AkarusaBar = MakeBar(this, "AkarusaBar", kMinBrightness, kMaxBrightness, 10, 16, 270);
  MakeLabel(this, "AkarukuLbl", "明るく", 278, 276);
  AClearBtn = MakeButton(this, "AClearBtn", "0", 316, 273, 28, 20);

  MakeLabel(this, "ContrastMidashiLbl", "コントラスト", 12, 300);
  ContrastLbl = MakeLabel(this, "ContrastLbl", QString(), 88, 300);
  ContrastLbl->setFont(GothicFont(12));
  ContrastLbl->resize(48, 14);
  CHelpBtn = MakeButton(this, "CHelpBtn", "解説", 144, 297, 40, 19);
  MakeLabel(this, "HikukuLbl", "低く", 10, 324);
  ContrastBar = MakeBar(this, "ContrastBar", kMinContrast, kMaxContrast, 20, 32, 318);
  MakeLabel(this, "TakakuLbl", "高く", 278, 324);
  CClearBtn = MakeButton(this, "CClearBtn", "256", 310, 321, 34, 20);

  // The hints keep clear of the buttons in a 10-pixel font.
  for (QLabel* hint : {MakeLabel(this, "AHintLbl", "『A』『S』キー…明るさの調節", 12, 349),
                       MakeLabel(this, "CHintLbl", "『Z』『X』キー…コントラストの調整。", 12, 364)}) {
    hint->setFont(PGothicFont(10));
    hint->adjustSize();
  }
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 214, 350, 64, 24);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 282, 350, 60, 24);
  KetteiBtn->setDefault(true);

  {
    const QSignalBlocker brightness_blocker(AkarusaBar);
    const QSignalBlocker contrast_blocker(ContrastBar);
    AkarusaBar->setValue(model_.Brightness());
    ContrastBar->setValue(model_.Contrast());
  }
  AkarusaLbl->setText(ToQString(model_.AkarusaText()));
  ContrastLbl->setText(ToQString(model_.ContrastLabelText()));

  connect(AkarusaBar, &QSlider::valueChanged, this, [this](int value) {
    model_.SetBrightness(value);
    AkarusaLbl->setText(ToQString(model_.AkarusaText()));
    PreviewImg->update();
  });
  connect(ContrastBar, &QSlider::valueChanged, this, [this](int value) {
    model_.SetContrast(value);
    ContrastLbl->setText(ToQString(model_.ContrastLabelText()));
    PreviewImg->update();
  });
  connect(AClearBtn, &QPushButton::clicked, this, [this] {
    AkarusaBar->setValue(0);
    KetteiBtn->setFocus();
  });
  connect(CClearBtn, &QPushButton::clicked, this, [this] {
    ContrastBar->setValue(256);
    KetteiBtn->setFocus();
  });
  connect(AHelpBtn, &QPushButton::clicked, this, [this] { RunMessageBox(BrightnessHelpLines(), this); });
  connect(CHelpBtn, &QPushButton::clicked, this, [this] { RunMessageBox(ContrastHelpLines(), this); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);

  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void TAkarusaForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  KetteiBtn->setFocus();
}

bool TAkarusaForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_A:
      KeyStep(AkarusaBar, -1);
      return true;
    case Qt::Key_S:
      KeyStep(AkarusaBar, 1);
      return true;
    case Qt::Key_Z:
      KeyStep(ContrastBar, -1);
      return true;
    case Qt::Key_X:
      KeyStep(ContrastBar, 1);
      return true;
    default:
      return QDialog::eventFilter(watched, event);
  }
}

void TAkarusaForm::KeyStep(QSlider* bar, int delta) {
  KetteiBtn->setFocus();
  const int value = bar->value() + delta;
  if (value >= bar->minimum() && value <= bar->maximum()) bar->setValue(value);
  DiscardPendingInput();
}

}  // namespace lumetta::ui
