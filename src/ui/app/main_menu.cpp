#include "ui/app/main_menu.h"

namespace lumetta::ui {

MainMenu BuildMainMenu(QMenuBar* bar) {
  MainMenu m;
  m.HajimeteMenu = bar->addAction("初めて使う方へ");
  m.HelpMenu = bar->addMenu("ヘルプ");
  m.SizeMenu = bar->addMenu("画面サイズ");
  m.NarabiMenu = bar->addMenu("並び換え");
  m.GashitsuMenu = bar->addMenu("画質モード");
  m.SharpnessMenu = bar->addMenu("全シャープネス");
  m.OkiniMenu = bar->addMenu("お気に入り");
  m.CommentMenu = bar->addMenu("コメント");
  m.HenshuMenu = bar->addMenu("編集");
  m.CommandMenu = bar->addMenu("コマンド");
  m.TensouMenu = bar->addMenu("デジカメ転送");
  m.SetteiMenu = bar->addMenu("設定");
  m.OshiraseMenu = bar->addMenu("お知らせ");
  return m;
}

}  // namespace lumetta::ui
