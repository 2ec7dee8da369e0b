#pragma once
// The tree of favorites folders in the favorites window and the add dialog:
// "お気に入り" at the top, each folder below its parent, in alphabetical
// order. It reports presses; the window decides what they select.

#include <QTreeWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/favorites/favorites_folder_tree.h"

namespace lumetta::ui {

class FavoritesTreeWidget : public QTreeWidget {
  Q_OBJECT
 public:
  explicit FavoritesTreeWidget(QWidget* parent = nullptr);

  // Builds the tree of the folders and selects (and opens) the node of
  // selected, or the top when it is not there.
  void Build(const std::vector<std::string>& folders, const std::string& selected);
  // Selects and opens the node of path.
  void SelectPath(const std::string& path);

  // The folder path of an item, of the item under a point of the viewport
  // or under a point of the screen (nothing over no node).
  static std::string PathOf(const QTreeWidgetItem* item);
  std::optional<std::string> PathAt(const QPoint& viewport_pos) const;
  std::optional<std::string> PathAtGlobal(const QPoint& global_pos) const;
  QTreeWidgetItem* ItemOfPath(const std::string& path) const;

  // The node after or before the selected one in reading order, if any.
  std::optional<std::string> NextPath(bool forward) const;

  // A press on a node (also on its expand sign, which opens or closes it),
  // with the button and the point on the screen.
  std::function<void(const std::string& path, Qt::MouseButton button, const QPoint& global_pos)> OnPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void AddItems(QTreeWidgetItem* item, const FavoritesFolderNode& node);

  std::unique_ptr<FavoritesFolderTree> tree_;
};

}  // namespace lumetta::ui
