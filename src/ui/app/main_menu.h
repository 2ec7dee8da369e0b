#pragma once
// The main window's menu bar: the top-level menus in their order. Each
// feature adds its items to the menu that holds them.

#include <QMenu>
#include <QMenuBar>

namespace lumetta::ui {

struct MainMenu {
  QAction* HajimeteMenu = nullptr;  // "初めて使う方へ", an item of the bar itself
  QMenu* HelpMenu = nullptr;        // "ヘルプ"
  QMenu* SizeMenu = nullptr;        // "画面サイズ"
  QMenu* NarabiMenu = nullptr;      // "並び換え"
  QMenu* GashitsuMenu = nullptr;    // "画質モード"
  QMenu* SharpnessMenu = nullptr;   // "全シャープネス"
  QMenu* OkiniMenu = nullptr;       // "お気に入り"
  QMenu* CommentMenu = nullptr;     // "コメント"
  QMenu* HenshuMenu = nullptr;      // "編集"
  QMenu* CommandMenu = nullptr;     // "コマンド"
  QMenu* TensouMenu = nullptr;      // "デジカメ転送"
  QMenu* SetteiMenu = nullptr;      // "設定"
  QMenu* OshiraseMenu = nullptr;    // "お知らせ"
};

MainMenu BuildMainMenu(QMenuBar* bar);

}  // namespace lumetta::ui
