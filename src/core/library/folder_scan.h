#pragma once
// Reading the current folder into the photo list.

#include <string>

namespace lumetta {

struct AppState;
class UserInterface;

// Rebuilds the photo list from CurrentFolder (a folder on disk or a folder
// inside a ZIP archive), sorts it, finds the current photo again and puts
// the strip on the photo with the smallest key. Hands the folder to watch to
// the directory watcher. Does not repaint the strip; the caller does.
// More than MaxPhotos photos: a message, and the first MaxPhotos found stay.
void ScanFolder(AppState& state, UserInterface& ui);

// The folder the directory watcher watches for a scan of CurrentFolder: the
// selected slot's root folder (CurrentFolder without a slot or for a drive
// root), or the folder holding the archive when it is a folder inside one.
std::string WatchFolderFor(const AppState& state);

}  // namespace lumetta
