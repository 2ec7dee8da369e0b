#pragma once
// The "デジカメ転送" menu, with its captions rebuilt from the camera slots
// each time it opens, and "写真の整理" → "「ファイル日付」フォルダへ振り分け" in
// the "コマンド" menu.

#include <QAction>
#include <QObject>

#include "core/base/numbered_array.h"
#include "core/state/app_state.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class TensouMenu : public QObject {
  Q_OBJECT
 public:
  TensouMenu(AppState& state, QtUserInterface& ui, TMainForm& form);

  // The six transfer items' captions from the slots as they are now.
  void RebuildCaptions();

  OneBasedArray<QAction*, 3> TensouDtoPCMenu{};
  OneBasedArray<QAction*, 3> TensouPCtoDMenu{};
  QAction* TensouSetteiMenu = nullptr;        // "（設定）"
  QAction* MakeFolderMenu = nullptr;          // "「ファイル日付」フォルダへ振り分け"

 private:
  AppState& state_;
  QtUserInterface& ui_;
};

}  // namespace lumetta::ui
