#pragma once
// The favorites window as the program's operations see it: the session it
// keeps for the whole run (the store read at each opening, the folder shown,
// its page and the paging), and the commands of its buttons, keys, pop-up
// menu and mouse. The window draws; the operations here decide what.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/favorites/favorites_grid.h"
#include "core/favorites/favorites_page.h"
#include "core/favorites/favorites_store.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

struct AppState;
class UserInterface;

struct FavoritesSession {
  FavoritesStore store;
  FavoritesPage page;
  // The folder the window shows; kept from one opening to the next.
  std::string CurrentFavoritesFolder;
  // The key of a favorite just added: selected when the window opens.
  std::string HighlightKey;
  FavoritesGrid grid;
  // The page position of the first cell (1-based).
  std::int32_t PageStart = 1;
};

// The order settings of the favorites' pages.
FavoritesOrder FavoritesOrderOf(const AppState& state);

// Reads the three files into the store. A file that cannot be read is
// reported and the window does not open (false); files whose favorites and
// photo lines do not pair up are reported and only their pairs are used.
bool ReadFavorites(AppState& state, UserInterface& ui, FavoritesStore& store);
// Writes the folders file, the pair of favorites files, or all three. A
// failure is reported; the files are then as they were (false).
enum class FavoritesFiles { Folders, Pair, All };
bool WriteFavorites(const AppState& state, UserInterface& ui, const FavoritesStore& store, FavoritesFiles which);

// Opening the window: the grid for the main window's size mode, the files
// read, the page of the current folder (the top folder when it is not
// listed) from position 1, and the favorite just added selected and paged
// to. False when the files cannot be read.
bool OpenFavoritesWindow(AppState& state, UserInterface& ui, FavoritesSession& session);

// Makes path the current folder and loads its page, unless it is current
// already. Returns whether the page changed.
bool SelectFavoritesFolder(AppState& state, UserInterface& ui, FavoritesSession& session, std::string_view path);
// Loads the current folder's page again, keeping PageStart within its
// limits.
void ReloadFavoritesPage(AppState& state, UserInterface& ui, FavoritesSession& session);

// The page slot cell k shows (k 0-based), or 0 for an empty cell.
std::int32_t SlotOfCell(const FavoritesSession& session, std::int32_t cell);

// Paging: each clears every selection and moves PageStart within 1 and the
// last page start; each returns whether PageStart moved. One page is
// PageSize favorites, one row Columns.
bool MoveFavoritesPage(FavoritesSession& session, std::int32_t delta);
bool FavoritesToFirstPage(FavoritesSession& session);
bool FavoritesToLastPage(FavoritesSession& session);

// Selection: the right button on a favorite, Ctrl+A (all, or none when all
// are selected already), and the pop-up menu's two items.
void ToggleFavoriteSelection(FavoritesSession& session, std::int32_t slot);
void ToggleAllFavorites(FavoritesSession& session);
void SelectAllFavorites(FavoritesSession& session);
void ClearFavoriteSelection(FavoritesSession& session);
std::int32_t SelectedFavoriteCount(const FavoritesSession& session);

// The pop-up menu's commands on the selected favorites. explain: with none
// selected, say how to select them (the menu items do, the keys do not).
// Each returns whether the page was loaded again.
bool RemoveSelectedFavorites(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain);
bool RenameSelectedFavorites(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain);
// Deletes the selected favorites' thumbnail files; the next drawing builds
// them again. Returns whether any was selected.
bool RefreshSelectedThumbnails(AppState& state, UserInterface& ui, FavoritesSession& session, bool explain);

// A favorite dropped on a node of the folder tree: moved to that folder,
// or refused with a message. Returns whether it moved.
bool DropFavoriteOnFolder(AppState& state, UserInterface& ui, FavoritesSession& session, std::int32_t slot,
                          std::string_view target);

// The favorites window's "表示中写真を追加": true when a photo is shown, so that
// the window closes for the add command; otherwise the explanation.
bool CanCloseForAdd(const AppState& state, UserInterface& ui);

// The disk path of slot's photo, to open it in the main window.
std::string FavoritePhotoDiskPath(const FavoritesSession& session, std::int32_t slot);

// Draws the page into image (Columns x 85 by Rows x 65 pixels, 24 bits): a
// grey thumbnail place for every cell, the thumbnails of the favorites
// from PageStart (loaded when not loaded yet) and the orange frame around
// the selected ones. The button cell is left in the background colour.
// built, when given, hears of each cell whose thumbnail had to be made from
// its photo, so that the window can show the page filling up.
void DrawFavoritesPage(AppState& state, UserInterface& ui, FavoritesSession& session, TDibImage& image,
                       const std::function<void(std::int32_t cell)>& built = {});

// Connects the hook through which renaming a folder on disk makes the
// favorites' photo paths follow.
void ConnectFavoritesHooks(AppState& state, UserInterface& ui);

}  // namespace lumetta
