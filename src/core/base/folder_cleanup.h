#pragma once
// Removing the program's own scratch and cache files: never outside the
// folder they belong to, never through a symbolic link.

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// The entries of a folder, split into sub-folders and files; links count as
// files so that nothing is ever followed through them. Empty when the folder
// cannot be read.
struct FolderListing {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};
FolderListing ListFolderEntries(const std::string& folder);

// Deletes every entry of folder (never a filesystem root). Symbolic links are
// removed as links; nothing outside folder is touched.
void ClearTempFolder(std::string_view folder);

// Deletes path (a file, a link or a whole folder) when it lies inside root.
// Links are removed, never followed. Returns whether path is gone.
bool RemoveInside(std::string_view root, std::string_view path);

}  // namespace lumetta
