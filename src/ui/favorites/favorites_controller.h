#pragma once
// The favorites in the main window: the menu "お気に入り" with its two items,
// the folder panel's "お気に入り" button, the keys Ctrl+D and Ctrl+B, the
// favorites window (created once, kept for the run) and the add dialog, and
// the hook that lets favorites follow a folder renamed on disk.

#include <QAction>
#include <QObject>
#include <string>

#include "core/favorites/favorites_commands.h"
#include "core/favorites/favorites_window.h"
#include "core/state/app_state.h"

namespace lumetta::ui {

class QtUserInterface;
class TMainForm;
class TOkiniForm;

class FavoritesController : public QObject {
  Q_OBJECT
 public:
  FavoritesController(AppState& state, QtUserInterface& ui, TMainForm& form);
  ~FavoritesController() override;

  // Opens the favorites window (with the favorite just added selected),
  // then does what it was closed for.
  void OpenFavorites(const std::string& highlight_key = {});
  // Adding the shown photo: the add dialog, then the window on the folder
  // chosen there.
  void AddDisplayedPhotoCommand(AddFavoriteSource source);

  TOkiniForm* OkiniForm() const { return okini_form_; }
  FavoritesSession& Session() { return session_; }

  QAction* OkiniAddMenu = nullptr;   // "表示中写真を「お気に入り」に追加"
  QAction* OkiniOpenMenu = nullptr;  // "お気に入りウィンドウを開く"

 private:
  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  FavoritesSession session_;
  TOkiniForm* okini_form_ = nullptr;
};

}  // namespace lumetta::ui
