#include "ui/favorites/make_folder_form.h"

#include "core/favorites/favorite_names.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

TMakeFolderForm::TMakeFolderForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("MakeFolderForm");
  setWindowTitle("フォルダを作成");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(260, 40);

  NameEdit = new QLineEdit("新しいフォルダ", this);
  NameEdit->setObjectName("NameEdit");
  NameEdit->setMaxLength(static_cast<int>(kMaxTypedNameChars));
  NameEdit->setGeometry(8, 9, 180, 22);
  NameEdit->selectAll();

  MakeBtn = MakeButton(this, "MakeBtn", "作成", 194, 8, 58, 24);
  MakeBtn->setDefault(true);
  connect(MakeBtn, &QPushButton::clicked, this, [this] { MakeBtnClick(); });
  NameEdit->setFocus();
}

void TMakeFolderForm::MakeBtnClick() {
  if (HasForbiddenNameChar(FromQString(NameEdit->text()))) {
    RunMessageBox({"フォルダ名に「\\/:*?\"<>|」の文字は使用できません。"}, this);
    NameEdit->setFocus();
    return;
  }
  accept();
}

std::optional<std::string> TMakeFolderForm::Run() {
  CentreOnOwnerWindow(this);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return FromQString(NameEdit->text());
}

}  // namespace lumetta::ui
