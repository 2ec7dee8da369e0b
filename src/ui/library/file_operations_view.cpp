#include "ui/library/file_operations_view.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

#include "core/library/folder_tree.h"
#include "core/app/photo_file_commands.h"
#include "core/library/watch_refresh.h"
#include "core/state/key_map.h"
#include "core/variants/save_as_command.h"
#include "platform/directory_watcher.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"
#include "ui/library/folder_panel.h"
#include "ui/library/folder_tree_widget.h"
#include "ui/library/thumb_strip_view.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

FileOperationsView::FileOperationsView(AppState& state, QtUserInterface& ui, TMainForm& form, ThumbStripView& strip)
    : QObject(&form), state_(state), ui_(ui), form_(form),
      watcher_(std::make_unique<platform::DirectoryWatcher>([this](const std::string&) { WatcherChanged(); })) {
  state_.hooks.SetDirectory = [this](const std::string& folder) { watcher_->SetDirectory(folder); };
  EditedRename = [this] { return RenameEditedPhoto(state_, ui_) ? 99 : 0; };

  auto run = [this](std::function<void()> command) {
    if (state_.UiReady) RunCommand(ui_, command);
  };
  auto delete_photo = [this] { DeleteMenuClick(state_, ui_); };
  auto rename_photo = [this] { RenameMenuClick(state_, ui_, EditedRename); };

  // First in the view's pop-up menu.
  if (auto* popup = form.findChild<QMenu*>("ViewImgPop")) {
    QAction* first = popup->actions().isEmpty() ? nullptr : popup->actions().first();
    auto* del = new QAction("この写真をごみ箱へ移動 ［Del］", popup);
    del->setObjectName("DeleteMenuP");
    auto* ren = new QAction("この写真のファイル名を変更 ［Ｆ2］", popup);
    ren->setObjectName("RenameMenuP");
    popup->insertAction(first, del);
    popup->insertAction(first, ren);
    connect(del, &QAction::triggered, this, [run, delete_photo] { run(delete_photo); });
    connect(ren, &QAction::triggered, this, [run, rename_photo] { run(rename_photo); });
  }
  form.SetKeyHandler(KeyCommand::DeletePhoto, [this, delete_photo](bool) { RunCommand(ui_, delete_photo); });
  form.SetKeyHandler(KeyCommand::RenamePhoto, [this, rename_photo](bool) { RunCommand(ui_, rename_photo); });

  strip.AcceptsDropAt = [this](QPoint global) { return !DropFolderAt(global).empty(); };
  strip.OnDropElsewhere = [this, run](std::int32_t position, QPoint global) {
    const std::string folder = DropFolderAt(global);
    if (folder.empty()) return;
    run([this, position, folder] { DropStripCellOnTree(state_, ui_, position, folder); });
  };

  PictureWidget* view = form.ViewImg();
  connect(view, &PictureWidget::MousePressed, this, &FileOperationsView::ViewPressed);
  connect(view, &PictureWidget::MouseMoved, this, &FileOperationsView::ViewMoved);
  connect(view, &PictureWidget::MouseReleased, this, &FileOperationsView::ViewReleased);
}

FileOperationsView::~FileOperationsView() { state_.hooks.SetDirectory = nullptr; }

std::string FileOperationsView::DropFolderAt(QPoint global) const {
  if (!IsSlot(state_.SlotIndex) || state_.CurrentFolder.empty()) return "";
  FolderTreeWidget* tree = form_.Folders().FolderTree;
  if (tree == nullptr || !tree->isVisible()) return "";
  const QPoint local = tree->viewport()->mapFromGlobal(global);
  if (!tree->viewport()->rect().contains(local)) return "";
  const FolderNode* node = tree->NodeOf(state_.tree, tree->itemAt(local));
  if (node == nullptr) return "";
  return NodeFolder(state_, *node);
}

void FileOperationsView::WatcherChanged() {
  // Not in the middle of a command or a dialog: the report waits for a
  // quiet moment.
  if (!state_.UiReady || QApplication::activeModalWidget() != nullptr) {
    watcher_->Notify();
    return;
  }
  RunCommand(ui_, [this] { DirWatcherChange(state_, ui_); });
}

bool FileOperationsView::ViewDragAllowed() const {
  return state_.PhotoShown() && !state_.current.Edits.ZoomMode && !state_.InPanorama();
}

void FileOperationsView::ViewPressed(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !ViewDragAllowed()) return;
  view_drag_pending_ = true;
  press_global_ = event->globalPosition().toPoint();
}

void FileOperationsView::ViewMoved(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint global = event->globalPosition().toPoint();
  if (view_drag_pending_ && (global - press_global_).manhattanLength() >= QApplication::startDragDistance()) {
    view_drag_pending_ = false;
    view_dragging_ = true;
    QApplication::setOverrideCursor(Qt::ForbiddenCursor);
  }
  if (!view_dragging_) return;
  QApplication::changeOverrideCursor(DropFolderAt(global).empty() ? Qt::ForbiddenCursor : Qt::DragMoveCursor);
}

void FileOperationsView::ViewReleased(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  view_drag_pending_ = false;
  if (!view_dragging_) return;
  view_dragging_ = false;
  QApplication::restoreOverrideCursor();
  const std::string folder = DropFolderAt(event->globalPosition().toPoint());
  if (folder.empty() || !ViewDragAllowed() || !state_.UiReady) return;
  RunCommand(ui_, [this, folder] { DropViewOnTree(state_, ui_, folder); });
}

}  // namespace lumetta::ui
