#include "ui/library/rename_form.h"

#include <QApplication>
#include <QScreen>
#include <algorithm>

#include "core/library/rename_request.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 284;
constexpr int kHeight = 113;
}  // namespace

TRenameForm::TRenameForm(const RenameFormRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      request_(request) {
  setObjectName("RenameForm");
  setWindowTitle(ToQString(request.Caption));
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kWidth, kHeight);

  OldCaptionLbl = MakeLabel(this, "OldCaptionLbl", ToQString(request.OldLabel), 8, 8);
  OldNameLbl = MakeLabel(this, "OldNameLbl", ToQString(request.OldName), 104, 8, kLightYellow);
  OldNameLbl->setFixedWidth(kWidth - 112);
  NewCaptionLbl = MakeLabel(this, "NewCaptionLbl", ToQString(request.NewLabel), 8, 30);
  ExtNoteLbl = MakeLabel(this, "ExtNoteLbl", "（拡張子は省略できます）", 120, 30);
  ExtNoteLbl->setVisible(request.ExtensionNote);

  NewNameEdit = new QLineEdit(ToQString(request.OldName), this);
  NewNameEdit->setObjectName("NewNameEdit");
  NewNameEdit->setGeometry(8, 48, kWidth - 16, 22);
  NewNameEdit->selectAll();

  ClearBtn = MakeButton(this, "ClearBtn", "クリア", 8, 80, 64, 24);
  ClearBtn->setAutoDefault(false);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 136, 80, 68, 24);
  CancelBtn->setAutoDefault(false);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 208, 80, 68, 24);
  KetteiBtn->setDefault(true);

  connect(ClearBtn, &QPushButton::clicked, this, [this] {
    NewNameEdit->clear();
    NewNameEdit->setFocus();
  });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, [this] { KetteiBtnClick(); });
  NewNameEdit->setFocus();
}

void TRenameForm::KetteiBtnClick() {
  const std::vector<std::string> refusal = RenameFormRefusal(request_, FromQString(NewNameEdit->text()));
  if (!refusal.empty()) {
    RunMessageBox(refusal, this);
    NewNameEdit->setFocus();
    return;
  }
  accept();
}

std::optional<std::string> TRenameForm::Run(QWidget* main_window) {
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();
  if (owner == nullptr) owner = main_window;
  if (owner != nullptr) {
    const QRect o = owner->frameGeometry();
    const QSize own = frameGeometry().size().expandedTo(size());
    int left = o.left() + o.width() / 2 - own.width() / 2;
    int top = o.top() + o.height() / 2 - own.height() / 2;
    if (const QScreen* screen = owner->screen()) {
      const QRect s = screen->availableGeometry();
      left = std::clamp(left, s.left(), std::max(s.left(), s.right() + 1 - own.width()));
      top = std::clamp(top, s.top(), std::max(s.top(), s.bottom() + 1 - own.height()));
    }
    move(left, top);
  }
  if (exec() != QDialog::Accepted) return std::nullopt;
  return FromQString(NewNameEdit->text());
}

}  // namespace lumetta::ui
