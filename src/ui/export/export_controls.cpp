#include "ui/export/export_controls.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

#include "core/base/paths.h"
#include "core/variants/save_as_command.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/app/main_menu.h"
#include "ui/app/qt_user_interface.h"
#include "ui/export/photo_save_form.h"
#include "ui/imaging/dib_qimage.h"
#include "ui/view/comment_overlay.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

ExportControls::ExportControls(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form) {
  HenshuSaveMenu = form.Menus().HenshuMenu->addAction("表示されている状態でJPEG,BMP保存");
  HenshuSaveMenu->setObjectName("HenshuSaveMenu");
  connect(HenshuSaveMenu, &QAction::triggered, this,
          [this] { RunCommand(ui_, [this] { ExportMenuClick(state_, ui_, *this, session_); }); });
  // The hand-over runs inside a command already.
  state_.hooks.OpenExport = [this] { ExportDisplayedPhoto(state_, ui_, *this, session_); };
}

ExportControls::~ExportControls() { state_.hooks.OpenExport = nullptr; }

bool ExportControls::RunExportForm(ExportChoices& choices, bool whole_enabled) {
  TPhotoSaveForm dialog(choices, whole_enabled, &form_);
  if (dialog.exec() != QDialog::Accepted) return false;
  choices = dialog.Choices();
  return true;
}

std::optional<std::string> ExportControls::ChooseExportFile(const ExportFileRequest& request) {
  QFileDialog dialog(&form_, ToQString(request.Title), ToQString(request.Folder));
  dialog.setObjectName("SaveDlg");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(ToQString(request.DefaultSuffix));
  dialog.selectFile(ToQString(request.Name));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return FromQString(files.front());
}

std::vector<ShownOverlay> ExportControls::ShownComments() {
  std::vector<ShownOverlay> overlays;
  QWidget* view = form_.ViewImg();
  for (CommentImage* image : view->findChildren<CommentImage*>(Qt::FindDirectChildrenOnly)) {
    if (image->isHidden() || image->Picture().isNull()) continue;
    ShownOverlay overlay;
    FromQImage(image->Picture(), overlay.Picture);
    overlay.Left = image->x();
    overlay.Top = image->y();
    overlays.push_back(std::move(overlay));
  }
  return overlays;
}

void ExportControls::StartEditedPhotoSave() { SaveAsEditedPhoto(state_, ui_, SaveCommandSource::Key); }

}  // namespace lumetta::ui
