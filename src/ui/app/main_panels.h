#pragma once
// The main window's panels in the 800 layout: green raised panels with
// light-yellow title bars and silver edge lines. Each feature fills its
// panel in its own files.

#include <QFrame>
#include <QLabel>

namespace lumetta::ui {

struct MainPanels {
  QFrame* ThumbPnl = nullptr;       // the thumbnail strip
  QFrame* HenshuPnl = nullptr;      // edit panel
  QFrame* HenshuLblPnl = nullptr;   // its title bar, holding HenshuLbl
  QLabel* HenshuLbl = nullptr;      // "編集"
  QFrame* FolderPnl = nullptr;      // photo folders
  QFrame* FolderLblPnl = nullptr;   // "写真のあるフォルダ"
  QFrame* SubFolderPnl = nullptr;   // the folder tree's panel
  QFrame* GashitsuPnl = nullptr;    // quality panel
  QLabel* GashitsuModeLbl = nullptr;
  QLabel* KoukaLbl = nullptr;
  QLabel* SharpLbl = nullptr;
  QFrame* HistgramPnl = nullptr;    // histogram
  QFrame* HistgramLblPnl = nullptr; // "ヒストグラム"
  QLabel* GashitsuModeSLbl = nullptr;
  QFrame* ExifPnl = nullptr;        // photo information
  QFrame* ExifLblPnl = nullptr;     // "写真の情報"
};

// Creates the panels of the 800 layout on the client area.
MainPanels BuildMainPanels(QWidget* client);

// A flat light-yellow title bar with black text.
QFrame* MakeTitleBar(QWidget* parent, const QString& text, int left, int top, int width, int height);

}  // namespace lumetta::ui
