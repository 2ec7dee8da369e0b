#include "ui/favorites/favorites_tree_widget.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

namespace {
constexpr int kPathRole = Qt::UserRole + 1;
}  // namespace

FavoritesTreeWidget::FavoritesTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("FolderTree");
  setHeaderHidden(true);
  setColumnCount(1);
  setFocusPolicy(Qt::NoFocus);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setExpandsOnDoubleClick(false);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
}

void FavoritesTreeWidget::Build(const std::vector<std::string>& folders, const std::string& selected) {
  const bool blocked = blockSignals(true);
  setUpdatesEnabled(false);
  clear();
  tree_ = std::make_unique<FavoritesFolderTree>(folders);
  auto* root = new QTreeWidgetItem;
  addTopLevelItem(root);
  AddItems(root, tree_->Root());
  root->setExpanded(true);
  setUpdatesEnabled(true);
  blockSignals(blocked);
  SelectPath(tree_->Find(selected) != nullptr ? selected : std::string());
}

void FavoritesTreeWidget::AddItems(QTreeWidgetItem* item, const FavoritesFolderNode& node) {
  item->setText(0, ToQString(node.Text));
  item->setData(0, kPathRole, ToQString(node.Path));
  item->setIcon(0, style()->standardIcon(QStyle::SP_DirClosedIcon));
  for (const auto& child : node.Children) AddItems(new QTreeWidgetItem(item), *child);
}

void FavoritesTreeWidget::SelectPath(const std::string& path) {
  QTreeWidgetItem* item = ItemOfPath(path);
  if (item == nullptr) return;
  const bool blocked = blockSignals(true);
  for (QTreeWidgetItem* up = item->parent(); up != nullptr; up = up->parent()) up->setExpanded(true);
  item->setExpanded(true);
  setCurrentItem(item);
  scrollToItem(item);
  blockSignals(blocked);
}

std::string FavoritesTreeWidget::PathOf(const QTreeWidgetItem* item) {
  return item == nullptr ? std::string() : FromQString(item->data(0, kPathRole).toString());
}

std::optional<std::string> FavoritesTreeWidget::PathAt(const QPoint& viewport_pos) const {
  const QTreeWidgetItem* item = itemAt(viewport_pos);
  if (item == nullptr) return std::nullopt;
  return PathOf(item);
}

std::optional<std::string> FavoritesTreeWidget::PathAtGlobal(const QPoint& global_pos) const {
  const QPoint pos = viewport()->mapFromGlobal(global_pos);
  if (!viewport()->rect().contains(pos)) return std::nullopt;
  return PathAt(pos);
}

QTreeWidgetItem* FavoritesTreeWidget::ItemOfPath(const std::string& path) const {
  const QString wanted = ToQString(path);
  for (QTreeWidgetItemIterator it(const_cast<FavoritesTreeWidget*>(this)); *it != nullptr; ++it) {
    if ((*it)->data(0, kPathRole).toString() == wanted) return *it;
  }
  return nullptr;
}

std::optional<std::string> FavoritesTreeWidget::NextPath(bool forward) const {
  if (!tree_) return std::nullopt;
  const FavoritesFolderNode* node = tree_->Find(PathOf(currentItem()));
  if (node == nullptr) return std::nullopt;
  const FavoritesFolderNode* next = forward ? FavoritesFolderTree::Next(*node) : FavoritesFolderTree::Previous(*node);
  if (next == nullptr) return std::nullopt;
  return next->Path;
}

void FavoritesTreeWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  QTreeWidgetItem* item = itemAt(pos);
  event->accept();
  if (item == nullptr) return;
  // A press on the expand sign opens or closes the node, and selects it too.
  const QRect rect = visualItemRect(item);
  if (item->childCount() > 0 && pos.x() < rect.left() && pos.x() >= rect.left() - indentation()) {
    item->setExpanded(!item->isExpanded());
  }
  if (OnPress) OnPress(PathOf(item), event->button(), event->globalPosition().toPoint());
}

void FavoritesTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

void FavoritesTreeWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void FavoritesTreeWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace lumetta::ui
