#include "ui/library/folder_form.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/base/paths.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 140;
constexpr int kRenameOnlyHeight = 88;
}  // namespace

TFolderForm::TFolderForm(const FolderFormRequest& request, std::function<bool(const std::string&)> rename,
                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), rename_(std::move(rename)) {
  setObjectName("FolderForm");
  setWindowTitle("Lumetta");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);

  FolderLbl = new QLabel(ToQString(request.ShownPath), this);
  FolderLbl->setObjectName("FolderLbl");
  FolderLbl->setGeometry(8, 8, 304, 16);
  FolderLbl->setToolTip(ToQString(request.Folder));
  QPalette label_pal = FolderLbl->palette();
  label_pal.setColor(QPalette::WindowText, Qt::white);
  FolderLbl->setPalette(label_pal);

  NameEdit = new QLineEdit(ToQString(FileNameOf(request.Folder)), this);
  NameEdit->setObjectName("NameEdit");
  NameEdit->setGeometry(8, 30, 214, 22);
  NameEdit->selectAll();

  NameBtn = new QPushButton("名前を変更", this);
  NameBtn->setObjectName("NameBtn");
  NameBtn->setGeometry(228, 30, 84, 22);
  NameBtn->setDefault(true);
  NameBtn->setAutoDefault(true);

  CreateBtn = new QPushButton("上記フォルダ内に、新しいフォルダを作成", this);
  CreateBtn->setObjectName("CreateBtn");
  CreateBtn->setGeometry(8, 60, 304, 22);
  CreateBtn->setAutoDefault(false);

  DeleteBtn = new QPushButton("上記フォルダを削除（空のみ削除可能）", this);
  DeleteBtn->setObjectName("DeleteBtn");
  DeleteBtn->setGeometry(8, 86, 304, 22);
  DeleteBtn->setAutoDefault(false);

  CloseBtn = new QPushButton("閉じる", this);
  CloseBtn->setObjectName("CloseBtn");
  CloseBtn->setGeometry(228, 112, 84, 22);
  CloseBtn->setAutoDefault(false);

  if (request.Fixed) {
    // The top favorites folder: its caption, neither renamed nor deleted.
    NameEdit->setReadOnly(true);
    NameEdit->deselect();
    NameBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
    CreateBtn->setDefault(true);
  }
  if (request.RenameOnly) {
    CreateBtn->hide();
    DeleteBtn->hide();
    CloseBtn->move(228, 60);
    setFixedSize(kWidth, kRenameOnlyHeight);
  } else {
    setFixedSize(kWidth, kHeight);
  }

  connect(NameBtn, &QPushButton::clicked, this, [this] { NameBtnClick(); });
  connect(CreateBtn, &QPushButton::clicked, this, [this] { done(kFolderFormNewFolder); });
  connect(DeleteBtn, &QPushButton::clicked, this, [this] { done(kFolderFormDelete); });
  connect(CloseBtn, &QPushButton::clicked, this, [this] { done(kFolderFormClose); });
  NameEdit->setFocus();
}

void TFolderForm::NameBtnClick() {
  if (rename_ && rename_(FromQString(NameEdit->text()))) {
    done(kFolderFormClose);
    return;
  }
  NameEdit->setFocus();
}

int TFolderForm::Result() const {
  const int r = result();
  return r == kFolderFormNewFolder || r == kFolderFormDelete ? r : kFolderFormClose;
}

void TFolderForm::PlaceBelow(const QPoint& point, const QWidget* main_window) {
  int left = point.x();
  int top = point.y() + 6;
  const QSize size = frameGeometry().size().expandedTo(this->size());
  if (main_window != nullptr) {
    const QRect frame = main_window->frameGeometry();
    left = std::min(left, frame.right() + 1 - size.width());
    top = std::min(top, frame.bottom() + 1 - size.height());
  }
  if (const QScreen* screen = QGuiApplication::screenAt(point) ? QGuiApplication::screenAt(point)
                                                               : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    left = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - size.width()));
    top = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - size.height()));
  }
  move(left, top);
}

}  // namespace lumetta::ui
