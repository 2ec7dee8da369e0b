#include "ui/app/qt_user_interface.h"

#include <algorithm>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/safe_file.h"
#include "ui/app/app_set_form.h"
#include "ui/app/help_form.h"
#include "ui/app/message_forms.h"
#include "ui/favorites/make_folder_form.h"
#include "ui/view/akarusa_form.h"
#include "ui/view/sharp_form.h"
#include "ui/variants/lum_forms.h"
#include "ui/library/folder_form.h"
#include "ui/library/rename_form.h"
#include "ui/transfer/tensou2_form.h"
#include "ui/transfer/tensou_form.h"
#include "ui/transfer/tensou_set_form.h"

namespace lumetta::ui {

QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) { return text.toStdString(); }

void QtUserInterface::Register(Ctl control, QObject* widget_or_action) { controls_.insert(control, widget_or_action); }

std::optional<std::pair<int, int>> QtUserInterface::MainWindowPosition() {
  if (main_window_ == nullptr || !main_window_->isVisible()) return std::nullopt;
  const QPoint pos = main_window_->frameGeometry().topLeft();
  return std::make_pair(pos.x(), pos.y());
}

void QtUserInterface::RegisterPicture(Picture picture, QWidget* widget) { pictures_.insert(picture, widget); }

void QtUserInterface::ShowMessageBox(const std::vector<std::string>& lines) { RunMessageBox(lines, BoxOwner()); }

void QtUserInterface::ReportError(const Exception& failure) { RunMessageBox(ErrorLines(failure), BoxOwner()); }

int QtUserInterface::AskYesNo(const std::vector<std::string>& lines) { return RunYesNo(lines, BoxOwner()); }

int QtUserInterface::AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) {
  return RunChoice(lines, captions, BoxOwner());
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
  auto* widget = qobject_cast<QWidget*>(o);
  const auto placer = placers_.constFind(control);
  if (widget != nullptr && placer != placers_.constEnd()) (*placer)(*widget);
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

void QtUserInterface::PlaceOnText(Ctl control, std::function<void(QWidget&)> place) {
  placers_.insert(control, std::move(place));
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

void QtUserInterface::SetTop(Ctl control, int top) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) widget->move(widget->x(), top);
}

void QtUserInterface::SetLeft(Ctl control, int left) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) widget->move(left, widget->y());
}

void QtUserInterface::SetWidth(Ctl control, int width) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) widget->resize(std::max(width, 0), widget->height());
}

int QtUserInterface::ControlLeft(Ctl control) {
  auto* widget = qobject_cast<QWidget*>(controls_.value(control));
  return widget != nullptr ? widget->x() : 0;
}

void QtUserInterface::SetFocus(Ctl control) {
  if (auto* widget = qobject_cast<QWidget*>(controls_.value(control))) widget->setFocus(Qt::OtherFocusReason);
}

int QtUserInterface::ControlWidth(Ctl control) {
  auto* widget = qobject_cast<QWidget*>(controls_.value(control));
  return widget != nullptr ? widget->width() : 0;
}

int QtUserInterface::TextWidth(Ctl control, std::string_view text) {
  const QWidget* widget = qobject_cast<QWidget*>(controls_.value(control));
  if (widget == nullptr) widget = main_window_;
  const QFont font = widget != nullptr ? widget->font() : QApplication::font();
  return QFontMetrics(font).horizontalAdvance(ToQString(text));
}

std::optional<std::string> QtUserInterface::ChooseFolder(std::string_view title, std::string_view preselected) {
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = main_window_;
  // Without a folder to start on, the chooser opens in Pictures (or home),
  // never in the program's own folder.
  QString start = ToQString(preselected);
  if (start.isEmpty() || !QDir(start).exists()) {
    start = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (start.isEmpty() || !QDir(start).exists()) start = QDir::homePath();
  }
  const QString folder =
      QFileDialog::getExistingDirectory(owner, ToQString(title), start, QFileDialog::ShowDirsOnly);
  if (folder.isEmpty()) return std::nullopt;
  return FromQString(QDir::toNativeSeparators(folder));
}

void QtUserInterface::OpenInFileManager(std::string_view folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(folder)));
}

void QtUserInterface::OpenDocument(std::string_view path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(path)));
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(std::string_view title, std::string_view initial_folder,
                                                           std::string_view proposed_name) {
  if (open_dialog_folder_.isEmpty()) open_dialog_folder_ = ToQString(initial_folder);
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = main_window_;
  const QString file = QFileDialog::getOpenFileName(owner, ToQString(title),
                                                    QDir(open_dialog_folder_).filePath(ToQString(proposed_name)));
  if (file.isEmpty()) return std::nullopt;
  return FromQString(QDir::toNativeSeparators(file));
}

bool QtUserInterface::MoveToTrash(std::string_view path) { return MoveToTrashAs(path, path); }

bool QtUserInterface::MoveToTrashAs(std::string_view path, std::string_view original) {
  try {
    platform::MoveToTrash(path, original);
    return true;
  } catch (const platform::EFileOperation&) {
    return false;  // the caller says so; the file stays where it was
  }
}

int QtUserInterface::RunFolderForm(const FolderFormRequest& request,
                                   const std::function<bool(const std::string&)>& rename) {
  // Over the favorites' windows when it is opened from one of them.
  QWidget* owner = QApplication::activeModalWidget();
  TFolderForm form(request, rename, owner != nullptr ? owner : main_window_.data());
  form.PlaceBelow(QCursor::pos(), main_window_);
  form.exec();
  return form.Result();
}

std::optional<std::string> QtUserInterface::RunRenameForm(const RenameFormRequest& request) {
  QWidget* owner = QApplication::activeModalWidget();
  TRenameForm form(request, owner != nullptr ? owner : main_window_.data());
  return form.Run(main_window_);
}

std::optional<std::string> QtUserInterface::RunMakeFolderForm() {
  QWidget* owner = QApplication::activeModalWidget();
  TMakeFolderForm form(owner != nullptr ? owner : main_window_.data());
  return form.Run();
}

bool QtUserInterface::RunAkarusaForm(AkarusaModel& model) {
  TAkarusaForm form(model, main_window_);
  // The renders of the preview repaint the form's picture while it is open.
  RegisterPicture(Picture::PreviewImg, form.PreviewImg);
  const bool confirmed = form.exec() == QDialog::Accepted;
  pictures_.remove(Picture::PreviewImg);
  return confirmed;
}

std::optional<std::int32_t> QtUserInterface::RunSharpForm(std::int32_t sharpness) {
  TSharpForm form(sharpness, main_window_);
  return form.Run();
}

int QtUserInterface::RunLumSaveForm(LumSaveModel& model) {
  TLumSaveForm form(model, main_window_);
  return form.exec();
}

int QtUserInterface::RunLumRenameForm(LumRenameModel& model) {
  TLumRenameForm form(model, main_window_);
  return form.exec();
}

bool QtUserInterface::RunTensouSetForm(CameraSlotsEdit& edit) {
  TTensouSetForm form(
      edit, [this](const std::string& title, const std::string& folder) { return ChooseFolder(title, folder); },
      main_window_);
  return form.exec() == QDialog::Accepted;
}

bool QtUserInterface::RunTensouForm(TensouFormRequest& request) {
  TTensouForm form(request, main_window_);
  if (form.exec() != QDialog::Accepted) return false;
  request = form.Boxes();
  return true;
}

void QtUserInterface::RunTransferProgress(TransferEngine& engine) {
  TTensou2Form form(engine, *this, main_window_);
  form.exec();
}

void QtUserInterface::ShowHelpWindow(std::string_view title, std::string_view text) {
  // One help window for the program, made when it is first asked for.
  if (help_form_.isNull()) help_form_ = new THelpForm(main_window_);
  help_form_->ShowText(ToQString(title), ToQString(text));
}

bool QtUserInterface::RaiseHelpWindow(std::string_view title) {
  return !help_form_.isNull() && help_form_->Raise(ToQString(title));
}

bool QtUserInterface::StartProgram(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return false;
  QStringList rest;
  for (std::size_t i = 1; i < arguments.size(); ++i) rest << ToQString(arguments[i]);
  return QProcess::startDetached(ToQString(arguments.front()), rest);
}

bool QtUserInterface::StartNewInstance(std::string_view photo) {
  return QProcess::startDetached(QCoreApplication::applicationFilePath(), {ToQString(photo)});
}

bool QtUserInterface::RunAppSetForm(OneBasedArray<std::string, 3>& paths) {
  TAppSetForm form(paths, main_window_);
  return form.Run(paths);
}

void QtUserInterface::RefreshAppCaptions() {
  if (refresh_app_captions_) refresh_app_captions_();
}

}  // namespace lumetta::ui
