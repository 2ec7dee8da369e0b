#include "core/favorites/favorites_window.h"

#include <algorithm>
#include <cstring>

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/favorites/favorite_names.h"
#include "core/favorites/favorite_thumbs.h"
#include "core/favorites/favorites_files.h"
#include "core/library/rename_request.h"
#include "core/imaging/thumbnail_fill.h"
#include "core/state/app_state.h"
#include "core/state/busy.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

constexpr std::string_view kRenameLabel = "お気に入り名";

const std::vector<std::string> kSelectHow = {"お気に入りのサムネイルの上で「右クリック」すると",
                                             "その写真を選択することができます。"};

std::vector<std::string> SelectHow(std::initializer_list<std::string> rest) {
  std::vector<std::string> lines = kSelectHow;
  lines.insert(lines.end(), rest);
  return lines;
}

std::vector<std::int32_t> SelectedSlots(const FavoritesSession& session) {
  std::vector<std::int32_t> selected;
  for (std::int32_t i = 1; i <= session.page.Count; ++i) {
    if (session.page[i].Selected) selected.push_back(i);
  }
  return selected;
}

void ClampPageStart(FavoritesSession& session) {
  session.PageStart = std::clamp(session.PageStart, 1, LastPageStart(session.page.Count, session.grid.PageSize()));
}

bool SetPageStart(FavoritesSession& session, std::int32_t start) {
  ClearFavoriteSelection(session);
  const std::int32_t old = session.PageStart;
  session.PageStart = start;
  ClampPageStart(session);
  return session.PageStart != old;
}

// Copies an 80 x 60 thumbnail into the page image at (left, top).
void CopyThumb(const TDibImage& thumb, TDibImage& image, std::int32_t left, std::int32_t top) {
  if (thumb.Width() != kThumbWidth || thumb.Height() != kThumbHeight || thumb.BitCount() != 24) return;
  for (std::int32_t y = 0; y < kThumbHeight; ++y) {
    std::memcpy(image.ScanLine(top + y) + static_cast<std::size_t>(left) * 3, thumb.ScanLine(y),
                static_cast<std::size_t>(kThumbWidth) * 3);
  }
}

void DrawFrame(TDibImage& image, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  constexpr std::uint8_t r = 255, g = 176, b = 0;
  image.FillRect(left, top, left + width, top + 1, r, g, b);
  image.FillRect(left, top + height - 1, left + width, top + height, r, g, b);
  image.FillRect(left, top, left + 1, top + height, r, g, b);
  image.FillRect(left + width - 1, top, left + width, top + height, r, g, b);
}

}  // namespace

FavoritesOrder FavoritesOrderOf(const AppState& state) {
  return {state.settings.OkiniSortMode, state.settings.OkiniSortDirection};
}

bool ReadFavorites(AppState& state, UserInterface& ui, FavoritesStore& store) {
  try {
    store = ReadFavoritesFiles(state.folders);
  } catch (const EDataFile&) {
    ui.ShowMessageBox({"お気に入りのファイルを読み込めませんでした。", state.folders.AppFolder});
    return false;
  }
  if (store.UnpairedLines > 0) {
    ui.ShowMessageBox({"お気に入りのファイル「Okini.dat」と「Okini2.dat」の",
                       "行数が合わないため、対になる行だけを読み込みました。"});
  }
  return true;
}

bool WriteFavorites(const AppState& state, UserInterface& ui, const FavoritesStore& store, FavoritesFiles which) {
  try {
    switch (which) {
      case FavoritesFiles::Folders:
        WriteFavoritesFolders(state.folders, store);
        break;
      case FavoritesFiles::Pair:
        WriteFavoritesPair(state.folders, store);
        break;
      case FavoritesFiles::All:
        WriteAllFavoritesFiles(state.folders, store);
        break;
    }
    return true;
  } catch (const EDataFile&) {
    ui.ShowMessageBox({"お気に入りのファイルを保存できませんでした。", state.folders.AppFolder,
                       "（書き込みできない場所にある可能性があります）"});
    return false;
  }
}

bool OpenFavoritesWindow(AppState& state, UserInterface& ui, FavoritesSession& session) {
  session.grid = GridForSizeMode(state.settings.SizeMode, state.view.ViewWidth, state.view.ViewHeight);
  if (!ReadFavorites(state, ui, session.store)) return false;
  if (!FavoritesFolderExists(session.store, session.CurrentFavoritesFolder)) session.CurrentFavoritesFolder.clear();
  LoadFavoritesPage(session.page, session.store, session.CurrentFavoritesFolder, FavoritesOrderOf(state), ui);
  session.PageStart = 1;
  if (!session.HighlightKey.empty()) {
    const std::string name = FavoritesLeaf(session.HighlightKey);
    for (std::int32_t p = 1; p <= session.page.Count; ++p) {
      if (session.page[p].Name != name) continue;
      session.page[p].Selected = true;
      if (p > session.grid.PageSize()) session.PageStart = p - session.grid.PageSize() + 1;
      break;
    }
    session.HighlightKey.clear();
  }
  return true;
}

bool SelectFavoritesFolder(AppState& state, UserInterface& ui, FavoritesSession& session, std::string_view path) {
  if (path == session.CurrentFavoritesFolder) return false;
  session.CurrentFavoritesFolder = std::string(path);
  LoadFavoritesPage(session.page, session.store, session.CurrentFavoritesFolder, FavoritesOrderOf(state), ui);
  session.PageStart = 1;
  return true;
}

void ReloadFavoritesPage(AppState& state, UserInterface& ui, FavoritesSession& session) {
  LoadFavoritesPage(session.page, session.store, session.CurrentFavoritesFolder, FavoritesOrderOf(state), ui);
  ClampPageStart(session);
}

std::int32_t SlotOfCell(const FavoritesSession& session, std::int32_t cell) {
  if (cell < 0 || cell >= session.grid.PageSize()) return 0;
  const std::int32_t slot = session.PageStart + cell;
  return session.page.Valid(slot) ? slot : 0;
}

bool MoveFavoritesPage(FavoritesSession& session, std::int32_t delta) {
  return SetPageStart(session, session.PageStart + delta);
}

bool FavoritesToFirstPage(FavoritesSession& session) { return SetPageStart(session, 1); }

bool FavoritesToLastPage(FavoritesSession& session) {
  const std::int32_t last = session.page.Count - session.grid.PageSize() + 2;
  if (session.page.Count <= 1 || last <= 1) {
    ClearFavoriteSelection(session);
    return false;
  }
  return SetPageStart(session, last);
}

void ToggleFavoriteSelection(FavoritesSession& session, std::int32_t slot) {
  if (session.page.Valid(slot)) session.page[slot].Selected = !session.page[slot].Selected;
}

void ToggleAllFavorites(FavoritesSession& session) {
  if (session.page.Count > 0 && SelectedFavoriteCount(session) == session.page.Count) {
    ClearFavoriteSelection(session);
  } else {
    SelectAllFavorites(session);
  }
}

void SelectAllFavorites(FavoritesSession& session) {
  for (std::int32_t i = 1; i <= session.page.Count; ++i) session.page[i].Selected = true;
}

void ClearFavoriteSelection(FavoritesSession& session) {
  for (std::int32_t i = 1; i <= session.page.Count; ++i) session.page[i].Selected = false;
}

std::int32_t SelectedFavoriteCount(const FavoritesSession& session) {
  return static_cast<std::int32_t>(SelectedSlots(session).size());
}

bool RemoveSelectedFavorites(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain) {
  const std::vector<std::int32_t> selected = SelectedSlots(session);
  if (selected.empty()) {
    if (explain) ui.ShowMessageBox(SelectHow({"その後、このメニューでお気に入りから外すことができます。"}));
    return false;
  }
  std::vector<std::string> question;
  if (selected.size() == 1) {
    question = {"選択した写真「" + session.page[selected.front()].Name + "」", "をお気に入りから外します。"};
  } else {
    const std::string n = std::to_string(selected.size());
    question = {"選択した" + (selected.size() < 10 ? ToFullWidthNumber(n) : n) + "枚の写真をお気に入りから外します。"};
  }
  if (ui.AskYesNo(question) != 1) return false;

  FavoritesStore changed = session.store;
  for (std::int32_t slot : selected) RemoveFavorite(changed, session.page.KeyOf(slot));
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::Pair)) return false;
  for (std::int32_t slot : selected) {
    DeleteOwnFavoriteThumb(state, session.page.Folder, session.page[slot].PhotoPath);
  }
  session.store = std::move(changed);
  ReloadFavoritesPage(state, ui, session);
  return true;
}

bool RenameSelectedFavorites(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain) {
  const std::vector<std::int32_t> selected = SelectedSlots(session);
  if (selected.empty()) {
    if (explain) {
      ui.ShowMessageBox(SelectHow({"その後、このメニューでお気に入り名を変更することが", "できます。"}));
    }
    return false;
  }
  bool changed_any = false;
  for (std::int32_t slot : selected) {
    const std::string old_name = session.page[slot].Name;
    const std::optional<std::string> typed = ui.RunRenameForm(FavoriteRenameRequest(old_name));
    if (!typed || typed->empty() || *typed == old_name) continue;
    if (std::vector<std::string> refusal = FavoriteNameRefusal(*typed, kRenameLabel, true); !refusal.empty()) {
      ui.ShowMessageBox(refusal);
      continue;
    }
    FavoritesStore changed = session.store;
    const RenameFavoriteResult result = RenameFavorite(changed, session.page.Folder, old_name, *typed);
    if (result == RenameFavoriteResult::KeyExists) {
      ui.ShowMessageBox({"入力されたお気に入り名は、すでに存在", "していますので、変更できませんでした。"});
      continue;
    }
    if (result != RenameFavoriteResult::Renamed || !WriteFavorites(state, ui, changed, FavoritesFiles::Pair)) continue;
    session.store = std::move(changed);
    changed_any = true;
  }
  if (changed_any) ReloadFavoritesPage(state, ui, session);
  return changed_any;
}

bool RefreshSelectedThumbnails(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain) {
  const std::vector<std::int32_t> selected = SelectedSlots(session);
  if (selected.empty()) {
    if (explain) {
      ui.ShowMessageBox(SelectHow({"その後、このメニューでサムネイル画像を更新すること", "ができます。",
                                   "同じファイル名で画像を入れ替えた際等にお使いください。"}));
    }
    return false;
  }
  for (std::int32_t slot : selected) {
    FavoriteSlot& favorite = session.page[slot];
    DeleteFavoriteThumbFile(state, session.page.Folder, favorite.PhotoPath);
    favorite.ThumbLoaded = false;
    favorite.Unreadable = false;
  }
  return true;
}

bool DropFavoriteOnFolder(AppState& state, UserInterface& ui, FavoritesSession& session, std::int32_t slot,
                          std::string_view target) {
  if (!session.page.Valid(slot)) return false;
  FavoritesStore changed = session.store;
  switch (MoveFavorite(changed, session.page.KeyOf(slot), target)) {
    case MoveFavoriteResult::SameFolder:
      ui.ShowMessageBox({"移動元と移動先のフォルダが同じです。"});
      return false;
    case MoveFavoriteResult::KeyExists:
      ui.ShowMessageBox({"移動先に、すでに同名のお気に入りが存在", "していますので、移動できませんでした。"});
      return false;
    case MoveFavoriteResult::FolderFull:
      ui.ShowMessageBox({"フォルダ内に300枚以上の写真があります。", "300枚まで読み込めます。"});
      return false;
    case MoveFavoriteResult::Missing:
      return false;
    case MoveFavoriteResult::Moved:
      break;
  }
  if (!WriteFavorites(state, ui, changed, FavoritesFiles::Pair)) return false;
  session.store = std::move(changed);
  ReloadFavoritesPage(state, ui, session);
  return true;
}

bool CanCloseForAdd(const AppState& state, UserInterface& ui) {
  if (state.PhotoShown()) return true;
  ui.ShowMessageBox({"現在、写真が表示されていません。", "このボタンは、現在表示されている写真",
                     "を「お気に入り」に追加したいときに使います。"});
  return false;
}

std::string FavoritePhotoDiskPath(const FavoritesSession& session, std::int32_t slot) {
  return session.page.Valid(slot) ? DiskPhotoPath(session.page[slot].PhotoPath) : std::string();
}

void DrawFavoritesPage(AppState& state, UserInterface& ui, FavoritesSession& session, TDibImage& image,
                       const std::function<void(std::int32_t cell)>& built) {
  const FavoritesGrid& grid = session.grid;
  const std::int32_t width = grid.Columns * kFavoriteCellWidth;
  const std::int32_t height = grid.Rows * kFavoriteCellHeight;
  if (image.Width() != width || image.Height() != height || image.BitCount() != 24) {
    image.SetBitCount(24);
    image.SetSize(width, height);
  }
  image.Fill(0, 0, 0);
  for (std::int32_t k = 0; k < grid.PageSize(); ++k) {
    const std::int32_t left = grid.CellLeft(k);
    const std::int32_t top = grid.CellTop(k);
    const std::int32_t slot = SlotOfCell(session, k);
    if (slot == 0) {
      image.FillRect(left, top, left + kThumbWidth, top + kThumbHeight, 128, 128, 128);
      continue;
    }
    FavoriteSlot& favorite = session.page[slot];
    const bool built_now = !favorite.ThumbLoaded && LoadFavoriteThumb(state, ui, session.page, slot);
    if (favorite.Thumb) CopyThumb(*favorite.Thumb, image, left, top);
    if (favorite.Selected) {
      DrawFrame(image, left - 2, top - 2, kThumbWidth + 4, kThumbHeight + 4);
      DrawFrame(image, left - 1, top - 1, kThumbWidth + 2, kThumbHeight + 2);
    }
    if (built_now && built) built(k);
  }
}

void ConnectFavoritesHooks(AppState& state, UserInterface& ui) {
  state.hooks.RenameFavoritePhotoFolder = [&state, &ui](const std::string& old_folder, const std::string& new_folder) {
    FavoritesStore store;
    if (!ReadFavorites(state, ui, store)) return;
    if (RebaseFavoritePhotos(store, old_folder, new_folder) > 0) WriteFavorites(state, ui, store, FavoritesFiles::Pair);
  };
}

}  // namespace lumetta
