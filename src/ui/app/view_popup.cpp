#include "ui/app/view_popup.h"

#include <QAction>
#include <QMouseEvent>

#include "core/library/thumbnail_cache.h"

namespace lumetta::ui {

ViewPopup::ViewPopup(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), menu_(new QMenu(&form)) {
  menu_->setObjectName("ViewImgPop");
  QAction* refresh = menu_->addAction("この写真のサムネイルを更新 ［Ｆ5］");
  refresh->setObjectName("ThumbnailMenuP");
  connect(refresh, &QAction::triggered, this, [this] {
    if (state_.UiReady) ThumbnailMenuClick(state_, ui_);
  });

  QMenu* edit = menu_->addMenu("編集");
  edit->setObjectName("HenshuMenuP");
  edit->addActions(form.Menus().HenshuMenu->actions());

  QMenu* command = form.Menus().CommandMenu;
  if (auto* slide = command->findChild<QAction*>("SlideMenu")) menu_->addAction(slide);
  if (auto* all = command->findChild<QAction*>("AllThumbnailMenu")) menu_->addAction(all);
  if (auto* other = command->findChild<QMenu*>("OtherAppMenu")) menu_->addMenu(other);

  // The same command as the main menu's item, under its own caption.
  if (auto* add = form.Menus().OkiniMenu->findChild<QAction*>("OkiniAddMenu")) {
    QAction* add_p = menu_->addAction("この写真を「お気に入り」に追加");
    add_p->setObjectName("OkiniAddMenuP");
    connect(add_p, &QAction::triggered, add, &QAction::trigger);
  }

  connect(form.ViewImg(), &PictureWidget::MousePressed, this, [this](QMouseEvent* event) {
    if (event->button() == Qt::RightButton) menu_->popup(event->globalPosition().toPoint());
  });
}

}  // namespace lumetta::ui
