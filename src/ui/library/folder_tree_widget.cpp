#include "ui/library/folder_tree_widget.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <vector>

#include "core/state/folder_tree_model.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

namespace {

// An icon whose selected form is another picture: an open folder for a
// folder, as the tree shows the selected node.
QIcon TwoStateIcon(const QIcon& normal, const QIcon& selected) {
  QIcon icon;
  for (const QSize& size : {QSize(16, 16), QSize(32, 32)}) {
    icon.addPixmap(normal.pixmap(size), QIcon::Normal);
    icon.addPixmap(selected.pixmap(size), QIcon::Selected);
  }
  return icon;
}

constexpr int kIconRole = Qt::UserRole + 1;

}  // namespace

FolderTreeWidget::FolderTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("FolderTree");
  setHeaderHidden(true);
  setColumnCount(1);
  setFocusPolicy(Qt::NoFocus);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setExpandsOnDoubleClick(false);
  setItemsExpandable(true);
  setRootIsDecorated(true);
  setUniformRowHeights(true);
  header()->setStretchLastSection(false);
  header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

  QStyle* s = style();
  folder_icon_ = TwoStateIcon(s->standardIcon(QStyle::SP_DirClosedIcon), s->standardIcon(QStyle::SP_DirOpenIcon));
  const QIcon file = s->standardIcon(QStyle::SP_FileIcon);
  archive_icon_ = TwoStateIcon(QIcon::fromTheme("package-x-generic", file),
                               QIcon::fromTheme("package-x-generic", s->standardIcon(QStyle::SP_FileLinkIcon)));
}

void FolderTreeWidget::Mirror(const FolderTree& tree) {
  const bool blocked = blockSignals(true);
  setUpdatesEnabled(false);
  if (const FolderNode* root = tree.Root()) {
    if (topLevelItemCount() != 1) {
      clear();
      addTopLevelItem(new QTreeWidgetItem);
    }
    MirrorItem(topLevelItem(0), *root);
  } else {
    clear();
  }
  if (QTreeWidgetItem* selected = ItemOf(tree, tree.Selected())) {
    setCurrentItem(selected);
    scrollToItem(selected);
  } else {
    clearSelection();
    setCurrentItem(nullptr);
  }
  setUpdatesEnabled(true);
  blockSignals(blocked);
}

void FolderTreeWidget::MirrorItem(QTreeWidgetItem* item, const FolderNode& node) {
  const QString text = ToQString(node.Text);
  if (item->text(0) != text) item->setText(0, text);
  const int icon_kind = static_cast<int>(node.Icon);
  if (item->data(0, kIconRole).toInt() != icon_kind || item->icon(0).isNull()) {
    item->setData(0, kIconRole, icon_kind);
    item->setIcon(0, node.Icon == FolderIcon::Archive ? archive_icon_ : folder_icon_);
  }

  const auto& children = node.Children();
  bool same = item->childCount() == static_cast<int>(children.size());
  for (int i = 0; same && i < item->childCount(); ++i) {
    same = item->child(i)->text(0) == ToQString(children[static_cast<std::size_t>(i)]->Text);
  }
  if (!same) {
    qDeleteAll(item->takeChildren());
    for (std::size_t i = 0; i < children.size(); ++i) new QTreeWidgetItem(item);
  }
  for (int i = 0; i < item->childCount(); ++i) MirrorItem(item->child(i), *children[static_cast<std::size_t>(i)]);
  if (item->isExpanded() != node.Expanded) item->setExpanded(node.Expanded);
}

FolderNode* FolderTreeWidget::NodeOf(const FolderTree& tree, QTreeWidgetItem* item) const {
  if (item == nullptr) return nullptr;
  std::vector<std::size_t> path;
  for (QTreeWidgetItem* i = item; i->parent() != nullptr; i = i->parent()) {
    path.insert(path.begin(), static_cast<std::size_t>(i->parent()->indexOfChild(i)));
  }
  return tree.NodeAt(path);
}

QTreeWidgetItem* FolderTreeWidget::ItemOf(const FolderTree& tree, const FolderNode* node) const {
  if (node == nullptr || topLevelItemCount() == 0) return nullptr;
  QTreeWidgetItem* item = topLevelItem(0);
  for (std::size_t index : tree.PathOf(*node)) {
    if (item == nullptr || static_cast<int>(index) >= item->childCount()) return nullptr;
    item = item->child(static_cast<int>(index));
  }
  return item;
}

bool FolderTreeWidget::OnExpandSign(const QPoint& pos) const {
  QTreeWidgetItem* item = itemAt(pos);
  if (item == nullptr || item->childCount() == 0) return false;
  const QRect rect = visualItemRect(item);
  return pos.x() < rect.left() && pos.x() >= rect.left() - indentation();
}

void FolderTreeWidget::mousePressEvent(QMouseEvent* event) {
  if (OnPress) OnPress(event->position().toPoint(), event->button());
  event->accept();
}

void FolderTreeWidget::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void FolderTreeWidget::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void FolderTreeWidget::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

}  // namespace lumetta::ui
