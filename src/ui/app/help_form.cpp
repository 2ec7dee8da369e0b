#include "ui/app/help_form.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTextCursor>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 676;
constexpr int kHeight = 534;
constexpr int kTitleHeight = 33;
}  // namespace

THelpForm::THelpForm(QWidget* owner) : QWidget(owner, Qt::Window), owner_(owner) {
  setObjectName("HelpForm");
  setWindowTitle("「Lumetta」ヘルプ　「Lumetta」をお使いいただいてありがとうございます。");
  setFont(PGothicFont(12));
  setFixedSize(kWidth, kHeight);

  auto* title = new QWidget(this);
  title->setObjectName("HelpPnl");
  title->setGeometry(0, 0, kWidth, kTitleHeight);
  SetBackground(title, kLightYellow);
  HelpLbl = MakeLabel(title, "HelpLbl", "", 10, 9, Qt::black);
  HelpLbl->setFont(PGothicFont(14, true));
  HelpLbl->resize(kWidth - 110, 18);
  TojiruBtn = MakeButton(title, "TojiruBtn", "閉じる", kWidth - 86, 4, 75, 25);
  connect(TojiruBtn, &QPushButton::clicked, this, &QWidget::close);

  HelpMem = new QPlainTextEdit(this);
  HelpMem->setObjectName("HelpMem");
  HelpMem->setReadOnly(true);
  HelpMem->setFont(PGothicFont(15));
  HelpMem->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  HelpMem->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = HelpMem->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  HelpMem->setPalette(palette);
  HelpMem->setGeometry(0, kTitleHeight, kWidth, kHeight - kTitleHeight);
}

void THelpForm::ShowText(const QString& title, const QString& text) {
  HelpLbl->setText(title);
  HelpMem->setPlainText(text);
  HelpMem->moveCursor(QTextCursor::Start);
  ShowOnScreen();
}

bool THelpForm::Raise(const QString& title) {
  if (!isVisible() || HelpLbl->text() != title) return false;
  ShowOnScreen();
  return true;
}

void THelpForm::ShowOnScreen() {
  if (!placed_ && owner_ != nullptr) {
    const QRect o = owner_->frameGeometry();
    move(o.left() + (o.width() - width()) / 2, o.top() + (o.height() - height()) / 2);
    placed_ = true;
  }
  if (QScreen* screen = owner_ != nullptr ? owner_->screen() : this->screen()) {
    const QRect s = screen->availableGeometry();
    QRect g = frameGeometry();
    if (g.right() > s.right()) g.moveRight(s.right());
    if (g.bottom() > s.bottom()) g.moveBottom(s.bottom());
    if (g.left() < s.left()) g.moveLeft(s.left());
    if (g.top() < s.top()) g.moveTop(s.top());
    move(g.topLeft());
  }
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void THelpForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

bool THelpForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) HelpMem->setFocus();
  return QWidget::event(event);
}

}  // namespace lumetta::ui
