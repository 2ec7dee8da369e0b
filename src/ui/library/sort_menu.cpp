#include "ui/library/sort_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/library/sort_commands.h"

namespace lumetta::ui {

SortMenu::SortMenu(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form) {
  QMenu* menu = form.Menus().NarabiMenu;
  auto add = [&](QActionGroup* group, const char* name, const char* caption, Ctl control, auto command) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(true);
    group->addAction(action);
    ui_.Register(control, action);
    connect(action, &QAction::triggered, this, [this, command] {
      // The check mark follows the setting, also when the command is refused.
      command();
      ShowSortMode(state_, ui_);
      ShowSortDirection(state_, ui_);
    });
  };
  auto* keys = new QActionGroup(this);
  add(keys, "FNameMenu", "ファイル名順", Ctl::FNameMenu, [this] { FNameMenuClick(state_, ui_); });
  add(keys, "TimeMenu", "日付時間順", Ctl::TimeMenu, [this] { TimeMenuClick(state_, ui_); });
  add(keys, "ExifMenu", "Exif日時順（速度遅）", Ctl::ExifMenu, [this] { ExifMenuClick(state_, ui_); });
  menu->addSeparator();
  auto* directions = new QActionGroup(this);
  add(directions, "NarabiLeftMenu", "左から順に", Ctl::NarabiLeftMenu,
      [this] { NarabiLeftMenuClick(state_, ui_); });
  add(directions, "NarabiRightMenu", "右から順に", Ctl::NarabiRightMenu,
      [this] { NarabiRightMenuClick(state_, ui_); });

  ShowSortMode(state_, ui_);
  ShowSortDirection(state_, ui_);
}

}  // namespace lumetta::ui
