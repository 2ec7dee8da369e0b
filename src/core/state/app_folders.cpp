#include "core/state/app_folders.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/base/paths.h"

namespace lumetta {

std::string AppFolders::SettingsFile() const { return JoinPath(AppFolder, "Lumetta-ini.dat"); }
std::string AppFolders::FavoritesFoldersFile() const { return JoinPath(AppFolder, "OkiniF.dat"); }
std::string AppFolders::FavoritesFile() const { return JoinPath(AppFolder, "Okini.dat"); }
std::string AppFolders::FavoritePhotosFile() const { return JoinPath(AppFolder, "Okini2.dat"); }
std::string AppFolders::LockFile() const { return JoinPath(AppFolder, "Lumetta.lock"); }

AppFolders MakeAppFolders(const std::string& app_folder, const SpecialFolders& special) {
  AppFolders f;
  f.AppFolder = WithoutTrailingSeparator(app_folder);
  f.TempFolder = JoinPath(f.AppFolder, "Temp");
  f.ThumbnailFolder = JoinPath(f.AppFolder, "Thumbnail");
  f.DesktopFolder = special.DesktopFolder;
  f.DocumentsFolder = special.DocumentsFolder;
  f.PicturesFolder = special.PicturesFolder;
  f.HomeFolder = special.HomeFolder;
  return f;
}

void CreateDataFolders(const AppFolders& folders) {
  for (const std::string& folder :
       {folders.TempFolder, folders.ThumbnailFolder, JoinPath(folders.ThumbnailFolder, "01"),
        JoinPath(folders.ThumbnailFolder, "02"), JoinPath(folders.ThumbnailFolder, "03")}) {
    std::error_code ec;
    std::filesystem::create_directories(ToFsPath(folder), ec);
    if (!IsDirectory(folder)) throw EAppFolder(folder);
  }
}

std::string DefaultSlotFolder(const AppFolders& folders) {
  if (IsDirectory(folders.PicturesFolder)) return WithoutTrailingSeparator(folders.PicturesFolder);
  if (IsDirectory(folders.DocumentsFolder)) return WithoutTrailingSeparator(folders.DocumentsFolder);
  if (IsDirectory(folders.DesktopFolder) || folders.HomeFolder.empty()) {
    return WithoutTrailingSeparator(folders.DesktopFolder);
  }
  return WithoutTrailingSeparator(folders.HomeFolder);
}

bool IsWritableFolder(const std::string& folder) {
  if (!IsDirectory(folder)) return false;
  const std::filesystem::path probe = ToFsPath(JoinPath(folder, ".lumetta-write-test"));
  bool ok = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    ok = static_cast<bool>(out);
  }
  std::error_code ec;
  std::filesystem::remove(probe, ec);
  return ok;
}

}  // namespace lumetta
