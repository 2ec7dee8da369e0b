#include "ui/transfer/tensou_menu.h"

#include <QMenu>

#include "core/transfer/camera_slots.h"
#include "core/transfer/date_sort.h"
#include "core/transfer/transfer_commands.h"
#include "ui/app/command_runner.h"

namespace lumetta::ui {

TensouMenu::TensouMenu(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui) {
  QMenu* menu = form.Menus().TensouMenu;
  for (int slot = 1; slot <= 3; ++slot) {
    QAction* item = menu->addAction("");
    item->setObjectName(QString("TensouDtoPCMenu%1").arg(slot));
    connect(item, &QAction::triggered, this, [this, slot] {
      RunCommand(ui_, [this, slot] { TensouDtoPCMenuClick(state_, ui_, slot); });
      RebuildCaptions();
    });
    TensouDtoPCMenu[slot] = item;
  }
  menu->addSeparator();
  for (int slot = 1; slot <= 3; ++slot) {
    QAction* item = menu->addAction("");
    item->setObjectName(QString("TensouPCtoDMenu%1").arg(slot));
    connect(item, &QAction::triggered, this, [this, slot] {
      RunCommand(ui_, [this, slot] { TensouPCtoDMenuClick(state_, ui_, slot); });
      RebuildCaptions();
    });
    TensouPCtoDMenu[slot] = item;
  }
  menu->addSeparator();
  TensouSetteiMenu = menu->addAction("（設定）");
  TensouSetteiMenu->setObjectName("TensouSetteiMenu");
  connect(TensouSetteiMenu, &QAction::triggered, this, [this] {
    if (!state_.UiReady) return;
    RunCommand(ui_, [this] { TensouSetteiMenuClick(state_, ui_); });
    RebuildCaptions();
  });
  connect(menu, &QMenu::aboutToShow, this, &TensouMenu::RebuildCaptions);
  RebuildCaptions();

  // "写真の整理" stands in "コマンド" after the slide show and before the
  // thumbnail refresh of the whole folder.
  QMenu* commands = form.Menus().CommandMenu;
  auto* seiri = new QMenu("写真の整理", commands);
  seiri->setObjectName("SeiriMenu");
  MakeFolderMenu = seiri->addAction("「ファイル日付」フォルダへ振り分け");
  MakeFolderMenu->setObjectName("MakeFolderMenu");
  connect(MakeFolderMenu, &QAction::triggered, this, [this] {
    RunCommand(ui_, [this] { MakeFolderMenuClick(state_, ui_); });
  });
  QAction* before = commands->findChild<QAction*>("AllThumbnailMenu");
  if (before != nullptr && commands->actions().contains(before)) {
    commands->insertMenu(before, seiri);
  } else {
    commands->addMenu(seiri);
  }
}

namespace {
// A camera's name shows as typed: "&" is no shortcut mark.
QString MenuText(const std::string& caption) { return QString::fromStdString(caption).replace("&", "&&"); }
}  // namespace

void TensouMenu::RebuildCaptions() {
  for (int slot = 1; slot <= 3; ++slot) {
    TensouDtoPCMenu[slot]->setText(MenuText(CameraToPcCaption(state_.settings, slot)));
    TensouPCtoDMenu[slot]->setText(MenuText(PcToCameraCaption(state_.settings, slot)));
  }
}

}  // namespace lumetta::ui
