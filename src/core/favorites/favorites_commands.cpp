#include "core/favorites/favorites_commands.h"

#include "core/base/paths.h"
#include "core/favorites/favorite_names.h"
#include "core/favorites/favorites_folder_tree.h"
#include "core/favorites/favorites_store.h"
#include "core/favorites/favorites_window.h"
#include "core/library/slot_labels.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

constexpr std::string_view kNewFolderName = "新しいフォルダ";
constexpr std::string_view kAddNameLabel = "お気に入り写真名";
// The folder dialog's path label, as wide as for folders on disk.
constexpr int kFolderLabelWidth = 300;

void RunFolderFormOn(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                     const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events,
                     bool rename_only);

void Tell(const FavoritesFolderEvents& events) {
  if (events.Changed) events.Changed();
}

FolderFormRequest FolderRequest(UserInterface& ui, const std::string& path, bool rename_only) {
  FolderFormRequest request;
  request.RenameOnly = rename_only;
  if (path.empty()) {
    request.Folder = std::string(kTopFavoritesCaption);
    request.ShownPath = std::string(kTopFavoritesCaption);
    request.Fixed = true;
    return request;
  }
  // The dialog takes the folder's own name from after the last separator.
  request.Folder = DiskPhotoPath(path);
  const SlotLines lines = ShortenPath(path, kFolderLabelWidth / 2,
                                      [&ui](std::string_view text) { return ui.TextWidth(Ctl::FolderPnl, text); });
  request.ShownPath = lines.Line1 + (lines.Line2 == " " ? std::string() : lines.Line2);
  return request;
}

void CreateNewFolderInside(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                           const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events) {
  const std::string created = JoinFavoritesPath(path, kNewFolderName);
  if (FavoritesFolderExists(store, created)) {
    ui.ShowMessageBox(
        {"フォルダ名「新しいフォルダ」が", "すでに存在していますので", "新しいフォルダは作成できません。"});
    return;
  }
  FavoritesStore changed = store;
  CreateFavoritesFolder(changed, created);
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::Folders)) return;
  store = std::move(changed);
  chosen = created;
  Tell(events);
  RunFolderFormOn(state, ui, store, chosen, created, place, events, true);
}

void DeleteFolder(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                  const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events) {
  if (path.empty()) return;
  if (CountFavoritesIn(store, path) > 0) {
    if (place == FavoritesFolderPlace::FavoritesWindow) {
      ui.ShowMessageBox({"お気に入り写真が「空のフォルダ」のみ削除できます。",
                         "お気に入り写真を全て外して空にしたい場合は", "「Ctrl+A」キーを押して全てを選択し",
                         "「メニュー」ボタンを押すことで外すことができます。"});
    } else {
      ui.ShowMessageBox({"お気に入り写真が「空のフォルダ」のみ削除できます。",
                         "お気に入り写真を全て外して空にしたい場合は", "「お気に入りへの追加」ウィンドウを閉じ",
                         "メイン画面左の方にある「お気に入り」ボタンを押して",
                         "「お気に入り」ウィンドウを表示してください。"});
    }
    return;
  }
  if (HasFavoritesSubfolders(store, path)) {
    ui.ShowMessageBox({"「サブフォルダが作られていないフォルダ」のみ", "削除できます。",
                       "このフォルダを削除するには、まず「サブフォルダ」を", "削除してください。"});
    return;
  }
  std::string before;
  {
    const FavoritesFolderTree tree(store.Folders);
    if (const FavoritesFolderNode* node = tree.Find(path)) {
      if (const FavoritesFolderNode* previous = FavoritesFolderTree::SiblingBeforeOrParent(*node)) {
        before = previous->Path;
      }
    }
  }
  FavoritesStore changed = store;
  if (DeleteFavoritesFolder(changed, path) != DeleteFolderResult::Deleted) return;
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::Folders)) return;
  store = std::move(changed);
  if (InOrBelowFavoritesFolder(chosen, path)) chosen = before;
  Tell(events);
}

void RunFolderFormOn(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                     const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events,
                     bool rename_only) {
  const FolderFormRequest request = FolderRequest(ui, path, rename_only);
  const int result = ui.RunFolderForm(request, [&](const std::string& typed) {
    return RenameFavoritesFolderTo(state, ui, store, chosen, path, typed, events);
  });
  if (rename_only) return;
  if (result == kFolderFormNewFolder) {
    CreateNewFolderInside(state, ui, store, chosen, path, place, events);
  } else if (result == kFolderFormDelete) {
    DeleteFolder(state, ui, store, chosen, path, place, events);
  }
}

}  // namespace

bool CanAddDisplayedPhoto(const AppState& state, UserInterface& ui, AddFavoriteSource source) {
  if (state.InPanorama()) {
    ui.ShowMessageBox({"現在パノラマモードになっていますので", "お気に入りへの追加はできません。",
                       "お気に入りへ追加したい写真をダブルクリックしたのち", "追加をおこなってください。"});
    return false;
  }
  if (!state.PhotoShown()) {
    if (source == AddFavoriteSource::Menu) {
      ui.ShowMessageBox({"このメニューは、現在表示されている写真を", "「お気に入り」に追加したいときに使います。"});
    }
    return false;
  }
  return true;
}

std::string DisplayedPhotoPath(const AppState& state) { return JoinPath(state.current.Folder, state.current.Name); }

std::optional<std::string> AddDisplayedPhoto(AppState& state, UserInterface& ui, FavoritesStore& store,
                                             std::string_view folder, std::string_view typed_name) {
  const std::string photo = DisplayedPhotoPath(state);
  const std::string name = typed_name.empty() ? state.current.Name : std::string(typed_name);
  if (std::vector<std::string> refusal = FavoriteNameRefusal(name, kAddNameLabel, false); !refusal.empty()) {
    ui.ShowMessageBox(refusal);
    return std::nullopt;
  }
  if (!CanStorePhotoPath(photo)) {
    ui.ShowMessageBox(
        {"この写真は、場所を示すパスに「\\」や改行などの", "文字を含むため、お気に入りに追加できません。"});
    return std::nullopt;
  }
  FavoritesStore changed = store;
  switch (AddFavorite(changed, folder, name, StoredPhotoPath(photo))) {
    case AddFavoriteResult::KeyExists:
      ui.ShowMessageBox(
          {"入力された写真名は、すでにお気に入りに存在します。", "写真名を変更後、再度「決定」なさってください。"});
      return std::nullopt;
    case AddFavoriteResult::FolderFull:
      ui.ShowMessageBox({"フォルダ内に300枚以上の写真があります。", "300枚まで読み込めます。"});
      return std::nullopt;
    case AddFavoriteResult::Added:
      break;
  }
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::Pair)) return std::nullopt;
  store = std::move(changed);
  return JoinFavoritesPath(folder, name);
}

bool CreateFolderWithNameForm(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                              const FavoritesFolderEvents& events) {
  for (;;) {
    const std::optional<std::string> typed = ui.RunMakeFolderForm();
    if (!typed) return false;
    if (std::vector<std::string> refusal = FolderNameRefusal(*typed); !refusal.empty()) {
      ui.ShowMessageBox(refusal);
      continue;
    }
    const std::string path = JoinFavoritesPath(chosen, *typed);
    if (FavoritesFolderExists(store, path)) {
      ui.ShowMessageBox({"入力されたお気に入りフォルダ名は", "すでに存在しています。"});
      continue;
    }
    FavoritesStore changed = store;
    CreateFavoritesFolder(changed, path);
    if (!WriteFavorites(state, ui, changed, FavoritesFiles::Folders)) return false;
    store = std::move(changed);
    chosen = path;
    Tell(events);
    return true;
  }
}

void RunFavoritesFolderForm(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                            const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events) {
  RunFolderFormOn(state, ui, store, chosen, path, place, events, false);
}

bool RenameFavoritesFolderTo(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                             const std::string& path, const std::string& typed, const FavoritesFolderEvents& events) {
  if (path.empty()) return true;
  if (std::vector<std::string> refusal = FolderNameRefusal(typed); !refusal.empty()) {
    ui.ShowMessageBox(refusal);
    return false;
  }
  const std::string renamed = JoinFavoritesPath(FavoritesParent(path), typed);
  if (renamed == path) return true;
  FavoritesStore changed = store;
  if (!RenameFavoritesFolder(changed, path, renamed)) {
    ui.ShowMessageBox({"フォルダ名「" + typed + "」は", "すでに存在していますので、フォルダ名を変更できません。"});
    return false;
  }
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::All)) return false;
  store = std::move(changed);
  chosen = renamed;
  Tell(events);
  return true;
}

}  // namespace lumetta
