#pragma once
// TOkiniAddForm ("お気に入りへの追加"): adds the photo shown in the main window
// to a favorites folder chosen in its tree, under a name of the user's.
// Created for each use.

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "core/favorites/favorites_store.h"
#include "core/state/app_state.h"

namespace lumetta::ui {

class FavoritesTreeWidget;
class QtUserInterface;

class TOkiniAddForm : public QDialog {
  Q_OBJECT
 public:
  // Starts at folder; rows is the favorites window's number of rows, which
  // sets the dialog's height.
  TOkiniAddForm(AppState& state, QtUserInterface& ui, FavoritesStore& store, const std::string& folder, int rows,
                QWidget* parent);

  // Runs the dialog; true when the photo was added ("決定").
  bool Run();
  // The folder chosen and the new favorite's key.
  const std::string& ChosenFolder() const { return chosen_; }
  const std::string& AddedKey() const { return added_key_; }

  FavoritesTreeWidget* FolderTree = nullptr;
  QPushButton* MakeFolderBtn = nullptr;  // "フォルダ作成"
  QLineEdit* NameEdit = nullptr;         // "お気に入り写真名"
  QPushButton* ClearBtn = nullptr;       // "クリア"
  QPushButton* KetteiBtn = nullptr;      // "決定"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void KetteiBtnClick();
  void TreePress(const std::string& path, Qt::MouseButton button);
  void Step(bool forward);
  // The tree built anew with the chosen folder selected.
  void Rebuild();

  AppState& state_;
  QtUserInterface& ui_;
  FavoritesStore& store_;
  std::string chosen_;
  std::string added_key_;
  int wheel_rest_ = 0;
};

}  // namespace lumetta::ui
