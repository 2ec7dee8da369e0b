#pragma once
// TSusieForm: "「Susieプラグイン」の設定", the window that lists the loaded
// plug-ins and says how to add more; and the "設定" menu's item that opens
// it.

#include <QDialog>
#include <QObject>
#include <QPushButton>
#include <QTableWidget>
#include <string>

#include "core/plugins/spis.h"
#include "core/state/app_state.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class TSusieForm : public QDialog {
  Q_OBJECT
 public:
  TSusieForm(const TSPIs& plugins, const std::string& app_folder, UserInterface& ui, QWidget* parent = nullptr);

  // The grid: file name, description, first filter, first format name, one
  // row per plug-in; its header is the heading row.
  QTableWidget* PluginGrid = nullptr;
  QPushButton* FolderBtn = nullptr;    // "「Lumetta」フォルダを開く"
  QPushButton* HomePageBtn = nullptr;  // "「Susieプラグイン」のダウンロード"
  QPushButton* TojiruBtn = nullptr;    // "閉じる"

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// "設定" → "Susieプラグイン": opens TSusieForm modally over the main window.
class SusieMenu : public QObject {
  Q_OBJECT
 public:
  SusieMenu(AppState& state, QtUserInterface& ui, TMainForm& form, const TSPIs& plugins);

  // SusieMenuClick.
  void Run();

 private:
  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  const TSPIs& plugins_;
};

}  // namespace lumetta::ui
