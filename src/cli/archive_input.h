#pragma once
// Paths on the command line that run into archives, as the tree and the
// strip reach them: trip.zip/day1 as a folder, outer.zip/inner.zip/d.jpg as
// a photo. What is taken out goes into the program's temporary folder and
// is gone again when lumetta-cli ends.

#include <string>

#include "core/library/archive_folders.h"

namespace lumetta {
struct AppState;
}

namespace lumetta::cli {

// The program's temporary folder under the program's folder (app_folder
// when given, as --app-folder, else the one the program would choose).
std::string CliTempFolder(const std::string& app_folder = "");

// Lets the state browse archives with the command line's temporary folder.
void UseArchives(AppState& state, const std::string& app_folder = "");

// A folder argument as an absolute path: a folder on disk, or a folder
// inside a readable archive. Throws FileError otherwise.
std::string FolderArg(const std::string& argument, const std::string& app_folder = "");

// A photo argument: the file itself, or its copy taken out of an archive
// (an edited-photo file with its source beside it), kept while this lives.
struct PhotoArg {
  std::string Path;
  ArchiveCopy Copy;
};
// Throws FileError when the photo is neither on disk nor in a readable archive.
PhotoArg OpenPhotoArg(const std::string& argument);

}  // namespace lumetta::cli
