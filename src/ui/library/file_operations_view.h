#pragma once
// The viewer's file commands in the main window: the view pop-up's
// "この写真をごみ箱へ移動 ［Del］" and "この写真のファイル名を変更 ［Ｆ2］" with
// their keys, dragging the view or a strip cell onto a folder of the folder
// tree, and the directory watcher that follows changes other programs make
// in the watched folder.

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <string>

#include "core/state/app_state.h"

class QMouseEvent;

namespace lumetta::platform {
class DirectoryWatcher;
}

namespace lumetta::ui {

class QtUserInterface;
class TMainForm;
class ThumbStripView;

class FileOperationsView : public QObject {
  Q_OBJECT
 public:
  // Built after the view's pop-up menu and the strip.
  FileOperationsView(AppState& state, QtUserInterface& ui, TMainForm& form, ThumbStripView& strip);
  ~FileOperationsView() override;

  // The edited-photo rename dialog with its renames, for F2 on an
  // edited-photo file; it answers 99 when the user chose to rename the
  // source photo. Unset: the source photo's rename at once. Set to the
  // program's dialog when built.
  std::function<int()> EditedRename;

  platform::DirectoryWatcher& Watcher() const { return *watcher_; }

 private:
  // The folder of the tree node under a point on the screen; "" when none
  // would take a drop there.
  std::string DropFolderAt(QPoint global) const;
  void WatcherChanged();
  void ViewPressed(QMouseEvent* event);
  void ViewMoved(QMouseEvent* event);
  void ViewReleased(QMouseEvent* event);
  bool ViewDragAllowed() const;

  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  std::unique_ptr<platform::DirectoryWatcher> watcher_;
  bool view_drag_pending_ = false;
  bool view_dragging_ = false;
  QPoint press_global_;
};

}  // namespace lumetta::ui
