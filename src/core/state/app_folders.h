#pragma once
// The program's own folders and the user's special folders.

#include <string>

#include "core/base/exception.h"

namespace lumetta {

class EAppFolder : public Exception {
 public:
  using Exception::Exception;
};

struct SpecialFolders {
  std::string DesktopFolder;
  std::string DocumentsFolder;
  // The user's pictures folder, which stands for "My Pictures".
  std::string PicturesFolder;
  // The user's home folder: slot 1's folder when none of the others exists.
  std::string HomeFolder;
};

struct AppFolders {
  std::string AppFolder;
  std::string TempFolder;
  std::string ThumbnailFolder;
  std::string DesktopFolder;
  std::string DocumentsFolder;
  std::string PicturesFolder;
  std::string HomeFolder;

  std::string SettingsFile() const;
  std::string FavoritesFoldersFile() const;  // OkiniF.dat
  std::string FavoritesFile() const;         // Okini.dat
  std::string FavoritePhotosFile() const;    // Okini2.dat
  std::string LockFile() const;
};

// The folders below app_folder, with the special folders.
AppFolders MakeAppFolders(const std::string& app_folder, const SpecialFolders& special);

// Creates Temp, Thumbnail and its 01, 02, 03 when missing. Throws EAppFolder
// naming the first folder that cannot be created.
void CreateDataFolders(const AppFolders& folders);

// Slot 1's first-run folder: "My Pictures" (the pictures folder) when it
// exists, else the documents folder, else the desktop when they exist, else
// the home folder.
std::string DefaultSlotFolder(const AppFolders& folders);

// True when a file can be created in folder.
bool IsWritableFolder(const std::string& folder);

}  // namespace lumetta
