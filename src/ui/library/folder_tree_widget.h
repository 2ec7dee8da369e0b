#pragma once
// FolderTree: the tree control of the folder panel. It mirrors the program's
// folder tree and reports presses; it never changes itself on a click, so
// that what it shows is always the program's tree.

#include <QIcon>
#include <QTreeWidget>
#include <functional>

namespace lumetta {
class FolderNode;
class FolderTree;
}  // namespace lumetta

namespace lumetta::ui {

class FolderTreeWidget : public QTreeWidget {
  Q_OBJECT
 public:
  explicit FolderTreeWidget(QWidget* parent = nullptr);

  // Shows the tree: texts, icons, expanded nodes and the selected one.
  void Mirror(const FolderTree& tree);

  // The program's node of an item (by its place in the tree).
  FolderNode* NodeOf(const FolderTree& tree, QTreeWidgetItem* item) const;
  QTreeWidgetItem* ItemOf(const FolderTree& tree, const FolderNode* node) const;

  // True when pos lies on the expand/collapse sign of the item there.
  bool OnExpandSign(const QPoint& pos) const;

  // A mouse press (or the second press of a double click) at a point.
  std::function<void(const QPoint& pos, Qt::MouseButton button)> OnPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void MirrorItem(QTreeWidgetItem* item, const FolderNode& node);

  QIcon folder_icon_;
  QIcon archive_icon_;
};

}  // namespace lumetta::ui
