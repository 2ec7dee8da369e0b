#include "ui/app/qt_user_interface.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QLabel>

#include "ui/app/message_forms.h"

namespace lumetta::ui {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) { return text.toStdString(); }

void QtUserInterface::Register(Ctl control, QObject* widget_or_action) { controls_.insert(control, widget_or_action); }

void QtUserInterface::RegisterPicture(Picture picture, QWidget* widget) { pictures_.insert(picture, widget); }

void QtUserInterface::ShowMessageBox(const std::vector<std::string>& lines) { RunMessageBox(lines, main_window_); }

int QtUserInterface::AskYesNo(const std::vector<std::string>& lines) { return RunYesNo(lines, main_window_); }

int QtUserInterface::AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) {
  return RunChoice(lines, captions, main_window_);
}

void QtUserInterface::SetText(Ctl control, std::string_view text) {
  QObject* o = controls_.value(control);
  if (auto* label = qobject_cast<QLabel*>(o)) {
    label->setText(ToQString(text));
  } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
    button->setText(ToQString(text));
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setText(ToQString(text));
  }
}

void QtUserInterface::SetHint(Ctl control, std::string_view hint) {
  QObject* o = controls_.value(control);
  if (auto* widget = qobject_cast<QWidget*>(o)) {
    widget->setToolTip(ToQString(hint));
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setToolTip(ToQString(hint));
  }
}

void QtUserInterface::SetChecked(Ctl control, bool checked) {
  QObject* o = controls_.value(control);
  if (auto* action = qobject_cast<QAction*>(o)) {
    action->setChecked(checked);
  } else if (auto* button = qobject_cast<QAbstractButton*>(o)) {
    const bool blocked = button->blockSignals(true);
    button->setChecked(checked);
    button->blockSignals(blocked);
  }
}

void QtUserInterface::SetEnabled(Ctl control, bool enabled) {
  QObject* o = controls_.value(control);
  if (auto* widget = qobject_cast<QWidget*>(o)) {
    widget->setEnabled(enabled);
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setEnabled(enabled);
  }
}

void QtUserInterface::SetVisible(Ctl control, bool visible) {
  QObject* o = controls_.value(control);
  if (auto* widget = qobject_cast<QWidget*>(o)) {
    widget->setVisible(visible);
  } else if (auto* action = qobject_cast<QAction*>(o)) {
    action->setVisible(visible);
  }
}

void QtUserInterface::SetTextColour(Ctl control, Colour colour) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    widget->setPalette(pal);
  }
}

void QtUserInterface::SetLeft(Ctl control, int left) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) widget->move(left, widget->y());
}

void QtUserInterface::SetCaption(std::string_view caption) {
  if (main_window_) main_window_->setWindowTitle(ToQString(caption));
}

void QtUserInterface::SetBusy(bool busy) {
  if (busy) {
    if (busy_depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    return;
  }
  if (busy_depth_ == 0) return;
  if (--busy_depth_ == 0) {
    QApplication::restoreOverrideCursor();
    // Setting the cursor to its own position refreshes its shape.
    QCursor::setPos(QCursor::pos());
  }
}

void QtUserInterface::SetViewCursor(CursorKind cursor) {
  if (!view_) return;
  switch (cursor) {
    case CursorKind::Hand:
      view_->setCursor(Qt::PointingHandCursor);
      break;
    case CursorKind::SizeAll:
      view_->setCursor(Qt::SizeAllCursor);
      break;
    case CursorKind::Busy:
      view_->setCursor(Qt::WaitCursor);
      break;
    case CursorKind::Drag:
    case CursorKind::Default:
      view_->setCursor(Qt::ArrowCursor);
      break;
  }
}

void QtUserInterface::RepaintPicture(Picture picture) {
  if (QWidget* w = pictures_.value(picture)) w->update();
}

void QtUserInterface::ProcessPendingPaints() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace lumetta::ui
