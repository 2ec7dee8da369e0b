#pragma once
// Folders inside ZIP archives, as the photo list reaches them. A path such
// as /photos/trip.zip/day1 names the folder day1 of the archive trip.zip.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct ArchivePathParts {
  std::string ArchiveFile;  // the outermost archive: an existing file
  std::string InnerPath;    // "day1/" (each component followed by "/"); "" for the archive's root
};

// Walks up the path until it meets an existing file, the archive. Both parts
// are empty for a plain folder, a path that reaches a root without meeting a
// file, or one that meets a folder first.
ArchivePathParts SplitArchivePath(std::string_view path);

// The names of the entries directly in the inner folder of an archive
// (sub-folders left out), in the archive's order. Reading archives comes
// with the archive support; until then no archive lists anything.
std::vector<std::string> ListArchiveFolder(const std::string& archive_file, const std::string& inner_path);

// The children of a folder inside an archive, for the folder tree: inner
// folders with a trailing "/" (one name may span several levels, "a/b/") and
// nested ZIP archives without. Nothing until the archive support comes.
std::vector<std::string> ListArchiveChildren(const std::string& archive_file, const std::string& inner_path);

// Extracts the photo that path names inside an archive into temp_folder
// and returns the copy's path, which the caller deletes when done with it.
// Nothing when path lies in no archive or the entry cannot be extracted;
// until the archive support comes, nothing is ever extracted.
std::optional<std::string> ExtractArchiveEntry(const std::string& path, const std::string& temp_folder);

}  // namespace lumetta
