#include "ui/app/app_set_form.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "core/shell/desktop_entry.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kRowTop = 12;
constexpr int kRowStep = 30;
}  // namespace

TAppSetForm::TAppSetForm(const OneBasedArray<std::string, 3>& paths, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      paths_(paths) {
  setObjectName("AppSetForm");
  setWindowTitle("アプリケーションの設定");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(420, 150);

  for (int n = 1; n <= 3; ++n) {
    const int top = kRowTop + (n - 1) * kRowStep;
    const auto i = static_cast<std::size_t>(n - 1);
    MakeLabel(this, qPrintable(QString("AppLbl%1").arg(n)), QString("アプリケーション%1").arg(QChar(0xFF10 + n)), 10,
              top + 4);
    AppEdits[i] = new QLineEdit(this);
    AppEdits[i]->setObjectName(QString("App%1Edit").arg(n));
    AppEdits[i]->setReadOnly(true);
    AppEdits[i]->setGeometry(118, top, 180, 22);
    FolderBtns[i] = MakeButton(this, qPrintable(QString("FolderBtn%1").arg(n)), "選択", 302, top, 50, 22);
    ClearBtns[i] = MakeButton(this, qPrintable(QString("ClearBtn%1").arg(n)), "クリア", 356, top, 54, 22);
    connect(FolderBtns[i], &QPushButton::clicked, this, [this, n] { Choose(n); });
    connect(ClearBtns[i], &QPushButton::clicked, this, [this, n] {
      paths_[n].clear();
      ShowPath(n);
    });
    ShowPath(n);
  }

  AllUserChk = new QCheckBox("AllUsersから選択", this);
  AllUserChk->setObjectName("AllUserChk");
  AllUserChk->setChecked(true);
  AllUserChk->setGeometry(10, 108, 150, 20);
  QPalette palette = AllUserChk->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  AllUserChk->setPalette(palette);
  AllUserChk->setToolTip(
      "チェックを入れると、すべてのユーザーにインストールされたアプリケーションから選択します。"
      "チェックを外すと、ユーザー個別にインストールしたアプリケーションから選択できます。");
  connect(AllUserChk, &QCheckBox::toggled, this, [this] { proposed_name_.clear(); });

  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 246, 112, 75, 25);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 331, 112, 75, 25);
  KetteiBtn->setDefault(true);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

QString TAppSetForm::ProgramsFolder() const {
  if (AllUserChk->isChecked()) {
    const QStringList system = QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    // The last location is the system's; the first the user's own.
    if (system.size() > 1) return system.last();
    return QStringLiteral("/usr/share/applications");
  }
  return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

void TAppSetForm::ShowPath(int n) {
  const std::string& path = paths_[n];
  AppEdits[static_cast<std::size_t>(n - 1)]->setText(path.empty() ? QString("（未設定）")
                                                                   : ToQString(ApplicationCaption(path)));
}

void TAppSetForm::Choose(int n) {
  QString start = ProgramsFolder();
  if (!proposed_name_.isEmpty()) start = QDir(start).filePath(proposed_name_);
  const QString chosen = QFileDialog::getOpenFileName(
      this, "アプリケーションのショートカットを選択してください", start,
      "アプリケーションのショートカット（.desktop）(*.desktop);;すべてのファイル (*)", nullptr,
      QFileDialog::DontResolveSymlinks);
  if (chosen.isEmpty()) return;
  proposed_name_ = QFileInfo(chosen).fileName();
  paths_[n] = FromQString(chosen);
  ShowPath(n);
}

bool TAppSetForm::Run(OneBasedArray<std::string, 3>& paths) {
  CentreOnOwnerWindow(this);
  if (exec() != QDialog::Accepted) return false;
  paths = paths_;
  return true;
}

}  // namespace lumetta::ui
