#include "ui/transfer/tensou_set_form.h"

#include <QLabel>

#include "core/transfer/camera_slots.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 520;
constexpr int kRowTop = 64;
constexpr int kRowHeight = 56;
const char* const kHint =
    "※デジタルカメラをつないだときにドライブとして認識されないタイプのデジタルカメラでは、"
    "この機能（デジカメ転送）は利用できません。";
}  // namespace

TTensouSetForm::TTensouSetForm(CameraSlotsEdit& edit, FolderChooser choose_folder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      edit_(edit),
      choose_folder_(std::move(choose_folder)) {
  setObjectName("TensouSetForm");
  setWindowTitle("転送デジタルカメラ（またはカードリーダーなど）の設定");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);

  QLabel* guide = MakeLabel(this, "SetsumeiLbl", "デジタルカメラをつないで写真の入っているフォルダを指定してください。", 12, 10);
  guide->setToolTip(kHint);
  QLabel* names =
      MakeLabel(this, "SetsumeiLbl2", "カメラ名は自由に決められます。カメラ以外の機器やＰＣのフォルダでもＯＫです。", 12, 30);
  names->setToolTip(kHint);

  for (int slot = 1; slot <= 3; ++slot) {
    const int top = kRowTop + (slot - 1) * kRowHeight;
    const QString n = QString::number(slot);
    MakeLabel(this, nullptr, "デジタルカメラ(" + n + ")", 12, top + 3);
    auto* name = new QLineEdit(this);
    name->setObjectName("Camera" + n + "Edit");
    name->setGeometry(120, top, 240, 22);
    name->setMaxLength(30);
    CameraEdit[slot] = name;
    NameClearBtn[slot] = MakeButton(this, nullptr, "クリア", 366, top, 60, 22);
    NameClearBtn[slot]->setObjectName("NameClear" + n + "Btn");

    auto* folder = new QLineEdit(this);
    folder->setObjectName("Folder" + n + "Edit");
    folder->setGeometry(120, top + 26, 240, 22);
    folder->setReadOnly(true);
    FolderEdit[slot] = folder;
    FolderClearBtn[slot] = MakeButton(this, nullptr, "クリア", 366, top + 26, 60, 22);
    FolderClearBtn[slot]->setObjectName("FolderClear" + n + "Btn");
    FolderBtn[slot] = MakeButton(this, nullptr, "フォルダ...", 432, top + 26, 76, 22);
    FolderBtn[slot]->setObjectName("Folder" + n + "Btn");

    for (QPushButton* button : {NameClearBtn[slot], FolderClearBtn[slot], FolderBtn[slot]}) {
      button->setAutoDefault(false);
    }
    connect(name, &QLineEdit::textEdited, this,
            [this, slot](const QString& text) { edit_.SetNameText(slot, FromQString(text)); });
    connect(NameClearBtn[slot], &QPushButton::clicked, this, [this, slot] {
      edit_.ClearName(slot);
      ShowSlot(slot);
    });
    connect(FolderClearBtn[slot], &QPushButton::clicked, this, [this, slot] {
      edit_.ClearFolder(slot);
      ShowSlot(slot);
    });
    connect(FolderBtn[slot], &QPushButton::clicked, this, [this, slot] { FolderBtnClick(slot); });
    ShowSlot(slot);
  }

  const int bottom = kRowTop + 3 * kRowHeight + 8;
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", kWidth - 180, bottom, 80, 26);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", kWidth - 92, bottom, 80, 26);
  KetteiBtn->setDefault(true);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  setFixedSize(kWidth, bottom + 38);
}

void TTensouSetForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
}

void TTensouSetForm::ShowSlot(int slot) {
  CameraEdit[slot]->setText(ToQString(edit_.NameText(slot)));
  FolderEdit[slot]->setText(ToQString(edit_.FolderText(slot)));
  FolderEdit[slot]->setToolTip(ToQString(edit_.Folder(slot)));
}

void TTensouSetForm::FolderBtnClick(int slot) {
  if (!choose_folder_) return;
  const std::optional<std::string> chosen = choose_folder_(CameraSlotsEdit::FolderTitle(slot), edit_.Folder(slot));
  if (!chosen) return;
  edit_.ChooseFolder(slot, *chosen);
  ShowSlot(slot);
}

}  // namespace lumetta::ui
