#include "ui/favorites/favorites_controller.h"

#include "core/favorites/favorites_grid.h"
#include "core/library/open_photo.h"
#include "ui/app/main_form.h"
#include "ui/app/command_runner.h"
#include "ui/app/qt_user_interface.h"
#include "ui/favorites/okini_add_form.h"
#include "ui/favorites/okini_form.h"

namespace lumetta::ui {

FavoritesController::FavoritesController(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form) {
  setObjectName("Favorites");
  okini_form_ = new TOkiniForm(state_, ui_, session_, &form_);

  if (QMenu* menu = form_.Menus().OkiniMenu) {
    OkiniAddMenu = menu->addAction("表示中写真を「お気に入り」に追加");
    OkiniAddMenu->setObjectName("OkiniAddMenu");
    OkiniOpenMenu = menu->addAction("お気に入りウィンドウを開く");
    OkiniOpenMenu->setObjectName("OkiniOpenMenu");
    connect(OkiniAddMenu, &QAction::triggered, this, [this] {
      if (state_.UiReady) AddDisplayedPhotoCommand(AddFavoriteSource::Menu);
    });
    connect(OkiniOpenMenu, &QAction::triggered, this, [this] {
      if (state_.UiReady) OpenFavorites();
    });
  }
  connect(form_.Folders().OkiniBtn, &QPushButton::clicked, this, [this] {
    ui_.SetFocus(Ctl::DummyBtn);
    if (state_.UiReady) OpenFavorites();
  });
  form_.SetKeyHandler(KeyCommand::AddFavorite, [this](bool) { AddDisplayedPhotoCommand(AddFavoriteSource::Key); });
  form_.SetKeyHandler(KeyCommand::OpenFavorites, [this](bool) { OpenFavorites(); });
  ConnectFavoritesHooks(state_, ui_);
}

FavoritesController::~FavoritesController() { state_.hooks.RenameFavoritePhotoFolder = nullptr; }

void FavoritesController::OpenFavorites(const std::string& highlight_key) {
  session_.HighlightKey = highlight_key;
  const TOkiniForm::Outcome outcome = okini_form_->Run();
  switch (outcome) {
    case TOkiniForm::Outcome::AddPhoto:
      AddDisplayedPhotoCommand(AddFavoriteSource::WindowButton);
      break;
    case TOkiniForm::Outcome::OpenPhoto: {
      const std::string photo = okini_form_->PhotoToOpen();
      RunCommand(ui_, [this, &photo] { OpenPhotoByPath(state_, ui_, photo); });
      break;
    }
    case TOkiniForm::Outcome::Closed:
      break;
  }
}

void FavoritesController::AddDisplayedPhotoCommand(AddFavoriteSource source) {
  if (!state_.UiReady || !CanAddDisplayedPhoto(state_, ui_, source)) return;
  bool read = false;
  RunCommand(ui_, [this, &read] { read = ReadFavorites(state_, ui_, session_.store); });
  if (!read) return;
  const FavoritesGrid grid = GridForSizeMode(state_.settings.SizeMode, state_.view.ViewWidth, state_.view.ViewHeight);
  TOkiniAddForm add(state_, ui_, session_.store, session_.CurrentFavoritesFolder, grid.Rows, &form_);
  if (!add.Run()) return;
  session_.CurrentFavoritesFolder = add.ChosenFolder();
  OpenFavorites(add.AddedKey());
}

}  // namespace lumetta::ui
