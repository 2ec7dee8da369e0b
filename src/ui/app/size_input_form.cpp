#include "ui/app/size_input_form.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QShowEvent>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 176;
constexpr int kClientHeight = 242;

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text, int left, int top) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(name);
  radio->setGeometry(left, top, 86, 16);
  QPalette pal = radio->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  radio->setPalette(pal);
  return radio;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int top) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(8, top, 96, 21);
  edit->setAttribute(Qt::WA_InputMethodEnabled, false);
  return edit;
}

}  // namespace

TSizeInputForm::TSizeInputForm(SizeInputModel& model, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(model), ui_(ui) {
  setObjectName("SizeInputForm");
  setWindowTitle("任意のサイズ");
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  GensunMidashiLbl = MakeLabel(this, "GensunMidashiLbl", ToQString(model.Heading()), 8, 6);
  GensunLbl = MakeLabel(this, "GensunLbl", ToQString(model.Reference()), 24, 21);
  KeepChk = new QCheckBox(this);
  KeepChk->setObjectName("KeepChk");
  KeepChk->setGeometry(8, 37, 14, 17);
  KeepLbl = MakeLabel(this, "KeepLbl", "縦横比を保つ", 24, 39);
  KeepLbl->installEventFilter(this);

  MakeLabel(this, nullptr, "横サイズ", 8, 60);
  MakeLabel(this, nullptr, "（32～1024まで）", 64, 60);
  WidthEdit = MakeEdit(this, "WidthEdit", 75);
  WClearBtn = MakeButton(this, "WClearBtn", "クリア", 112, 74, 56, 23);
  MakeLabel(this, nullptr, "縦サイズ", 8, 101);
  MakeLabel(this, nullptr, "（32～768まで）", 64, 101);
  HeightEdit = MakeEdit(this, "HeightEdit", 116);
  HClearBtn = MakeButton(this, "HClearBtn", "クリア", 112, 115, 56, 23);

  MakeLabel(this, nullptr, "LumettaWindowの大きさ", 8, 142);
  WinAutoBtn = MakeRadio(this, "WinAutoBtn", " 自動決定", 8, 158);
  Win480Btn = MakeRadio(this, "Win480Btn", " 480x360表示用", 8, 174);
  Win640Btn = MakeRadio(this, "Win640Btn", " 640x480表示用", 8, 190);
  Win800Btn = MakeRadio(this, "Win800Btn", " 800x600表示用", 88, 174);
  Win1024Btn = MakeRadio(this, "Win1024Btn", "1024x768表示用", 88, 190);
  auto* group = new QButtonGroup(this);
  const std::pair<QRadioButton*, SizeLayoutButton> radios[] = {
      {WinAutoBtn, SizeLayoutButton::Auto}, {Win480Btn, SizeLayoutButton::W480}, {Win640Btn, SizeLayoutButton::W640},
      {Win800Btn, SizeLayoutButton::W800},  {Win1024Btn, SizeLayoutButton::W1024}};
  for (const auto& entry : radios) {
    QRadioButton* radio = entry.first;
    const SizeLayoutButton button = entry.second;
    group->addButton(radio);
    radio->setChecked(model.Button() == button);
    connect(radio, &QRadioButton::clicked, this, [this, button] {
      model_.SetButton(button);
      KetteiBtn->setFocus();
    });
  }

  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 8, 214, 76, 24);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 92, 214, 76, 24);
  KetteiBtn->setDefault(true);

  KeepChk->setChecked(model.Keep());
  KeepChk->setEnabled(model.KeepEnabled());
  KeepLbl->setEnabled(model.KeepEnabled());
  ShowTexts();

  connect(KeepChk, &QCheckBox::toggled, this, [this](bool on) {
    model_.SetKeep(on);
    WidthEdit->setFocus();
  });
  // textEdited: only the user's typing, never the texts written here.
  connect(WidthEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.WidthChanged(FromQString(text));
    ShowTexts();
  });
  connect(HeightEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.HeightChanged(FromQString(text));
    ShowTexts();
  });
  connect(WClearBtn, &QPushButton::clicked, this, [this] {
    model_.ClearWidth();
    ShowTexts();
    WidthEdit->setFocus();
  });
  connect(HClearBtn, &QPushButton::clicked, this, [this] {
    model_.ClearHeight();
    ShowTexts();
    HeightEdit->setFocus();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, [this] { KetteiClick(); });
}

void TSizeInputForm::ShowTexts() {
  const QString width = ToQString(model_.WidthText());
  const QString height = ToQString(model_.HeightText());
  if (WidthEdit->text() != width) WidthEdit->setText(width);
  if (HeightEdit->text() != height) HeightEdit->setText(height);
}

void TSizeInputForm::KetteiClick() {
  const std::vector<std::string> refusal = model_.Refusal();
  if (refusal.empty()) {
    accept();
    return;
  }
  const bool range = model_.OutOfRange();
  ui_.ShowMessageBox(refusal);
  if (range) {
    WidthEdit->setCursorPosition(0);
    WidthEdit->setFocus();
  }
}

void TSizeInputForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
}

bool TSizeInputForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == KeepLbl && event->type() == QEvent::MouseButtonPress && KeepChk->isEnabled()) {
    KeepChk->toggle();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

bool TSizeInputForm::Run() { return exec() == QDialog::Accepted; }

}  // namespace lumetta::ui
