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

// Whether root may be cleaned: a real folder, not a symbolic link.
bool IsCleanableRoot(std::string_view root);

// Says on the error output that root is not cleaned.
void ReportUncleanableRoot(std::string_view root);

// Deletes every entry of folder (never a filesystem root). A folder that is
// a symbolic link is not touched at all. Symbolic links are
// removed as links; nothing outside folder is touched.
void ClearTempFolder(std::string_view folder);

// Deletes path (a file, a link or a whole folder) when it lies inside root
// and root is a real folder. Links are removed, never followed. Returns whether path is gone.
bool RemoveInside(std::string_view root, std::string_view path);

}  // namespace lumetta
