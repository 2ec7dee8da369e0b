#include "cli/archive_input.h"

#include "cli/app_folder.h"
#include "cli/command.h"
#include "core/archive/archive_error.h"
#include "core/base/paths.h"
#include "core/state/app_state.h"

namespace lumetta::cli {

std::string CliTempFolder(const std::string& app_folder) { return JoinPath(AppFolderOf(app_folder), "Temp"); }

void UseArchives(AppState& state, const std::string& app_folder) {
  state.ZipAvailable = true;
  state.folders.TempFolder = CliTempFolder(app_folder);
}

std::string FolderArg(const std::string& argument, const std::string& app_folder) {
  const std::string folder = AbsoluteFolder(argument);
  if (IsDirectory(folder)) return folder;
  AppState state;
  UseArchives(state, app_folder);
  const ArchivePathParts parts = BrowsableArchive(state, folder);
  if (parts.ArchiveFile.empty()) throw FileError("not a folder: " + argument);
  try {
    static_cast<void>(ListArchiveFolder(state.folders.TempFolder, parts.ArchiveFile, parts.InnerPath));
  } catch (const EArchive&) {
    throw FileError(UnreadableArchiveMessage(parts.ArchiveFile));
  }
  return folder;
}

PhotoArg OpenPhotoArg(const std::string& argument) {
  PhotoArg photo{argument, {}};
  if (PathExists(argument)) return photo;
  photo.Copy = ExtractArchiveEntry(AbsoluteFolder(argument), CliTempFolder());
  switch (photo.Copy.Status()) {
    case ArchiveCopyStatus::Extracted:
      photo.Path = photo.Copy.Path();
      return photo;
    case ArchiveCopyStatus::ArchiveUnreadable:
      throw FileError(UnreadableArchiveMessage(photo.Copy.ArchiveFile()));
    case ArchiveCopyStatus::EntryUnreadable:
      throw FileError("cannot take " + argument + " out of its archive");
    case ArchiveCopyStatus::NotInArchive:
      break;
  }
  throw FileError("cannot open " + argument);
}

}  // namespace lumetta::cli
