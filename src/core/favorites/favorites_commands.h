#pragma once
// Adding the shown photo to the favorites, and the favorites folders'
// commands shared by the favorites window and the add dialog: the name
// dialog that creates a folder, and the folder dialog on a node of their
// trees (rename, create inside, delete).

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

struct AppState;
struct FavoritesStore;
class UserInterface;

// Where adding was asked for: the menu items show why nothing can be added
// when no photo is shown; the key and the favorites window's button do not.
enum class AddFavoriteSource { Menu, Key, WindowButton };

// Whether the add dialog may open: not in panorama mode (explained), and
// only with a photo shown.
bool CanAddDisplayedPhoto(const AppState& state, UserInterface& ui, AddFavoriteSource source);

// The shown photo's path on disk: its folder and its name.
std::string DisplayedPhotoPath(const AppState& state);

// "決定" of the add dialog: adds the shown photo to folder under the typed
// name (the photo's file name when it is empty) and writes the pair of
// files. Returns the new key, or nothing after the message that keeps the
// dialog open.
std::optional<std::string> AddDisplayedPhoto(AppState& state, UserInterface& ui, FavoritesStore& store,
                                             std::string_view folder, std::string_view typed_name);

// Where a folder dialog of the favorites was opened; a folder that still
// holds favorites is explained differently.
enum class FavoritesFolderPlace { FavoritesWindow, AddForm };

// What the folder commands tell the window they run in.
struct FavoritesFolderEvents {
  // The folder chosen (shown) has changed, or the tree must be built again.
  std::function<void()> Changed;
};

// "フォルダを作成": the name dialog, again after a refused name, until a
// folder inside chosen is created (it then becomes chosen) or the dialog is
// closed. Returns whether a folder was created.
bool CreateFolderWithNameForm(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                              const FavoritesFolderEvents& events);

// A right click on the node of path: the folder dialog for it, and then what
// its buttons asked for. chosen follows a renamed, created or deleted
// folder.
void RunFavoritesFolderForm(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                            const std::string& path, FavoritesFolderPlace place, const FavoritesFolderEvents& events);

// "名前を変更" in the favorites' folder dialog: path gets the typed name.
// True closes the dialog (renamed, or the name unchanged).
bool RenameFavoritesFolderTo(AppState& state, UserInterface& ui, FavoritesStore& store, std::string& chosen,
                             const std::string& path, const std::string& typed, const FavoritesFolderEvents& events);

}  // namespace lumetta
