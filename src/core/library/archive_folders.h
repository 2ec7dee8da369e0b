#pragma once
// Folders inside archives, as the tree, the photo list, the view and the
// thumbnails reach them. A path such as /photos/trip.zip/day1 names the
// folder day1 of the archive trip.zip; /photos/outer.zip/inner.zip/d.jpg a
// photo of an archive nested in another.

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct AppState;
class UserInterface;

struct ArchivePathParts {
  std::string ArchiveFile;  // the outermost archive: an existing file
  std::string InnerPath;    // "day1/" (each component followed by "/"); "" for the archive's root
};

// Walks up the path until it meets an existing file, the archive. Both parts
// are empty for a plain folder, a path that reaches a root without meeting a
// file, or one that meets a folder first.
ArchivePathParts SplitArchivePath(std::string_view path);

// The archive of a folder path when the program may browse it: archives are
// available and the file has an archive's extension. Empty parts otherwise.
ArchivePathParts BrowsableArchive(const AppState& state, std::string_view folder);

// The one line shown for a file that is not a readable archive.
std::string UnreadableArchiveMessage(std::string_view archive_file);

// The names of the file entries directly in the inner folder of an archive
// (sub-folders left out), in the archive's order, reaching through nested
// archives on the way. Throws EArchive when an archive on the way cannot be
// read.
std::vector<std::string> ListArchiveFolder(const std::string& temp_folder, const std::string& archive_file,
                                           const std::string& inner_path);

// The children of a folder inside an archive, for the folder tree: inner
// folders with a trailing "/" (one name may span several levels, "a/b/") and
// nested archives without, in the archive's order. Throws EArchive.
std::vector<std::string> ListArchiveChildren(const std::string& temp_folder, const std::string& archive_file,
                                             const std::string& inner_path);

enum class ArchiveCopyStatus {
  NotInArchive,       // the path is no photo inside a browsable archive
  Extracted,          // Path() is the copy
  EntryUnreadable,    // no such entry, or its copy could not be written
  ArchiveUnreadable,  // an archive on the way is damaged, no archive, or over a limit
};

// The copy of a photo taken out of an archive, in a folder of its own in the
// program's scratch folder; the folder goes when the copy does. An edited-
// photo file comes with its source photo beside it, named so that
// SourcePhotoName finds it.
class ArchiveCopy {
 public:
  ArchiveCopy() = default;
  ArchiveCopy(ArchiveCopyStatus status, std::string archive_file);
  ArchiveCopy(std::string temp_folder, std::string folder, std::string path);
  ~ArchiveCopy();
  ArchiveCopy(ArchiveCopy&& other) noexcept;
  ArchiveCopy& operator=(ArchiveCopy&& other) noexcept;
  ArchiveCopy(const ArchiveCopy&) = delete;
  ArchiveCopy& operator=(const ArchiveCopy&) = delete;

  ArchiveCopyStatus Status() const { return status_; }
  bool Extracted() const { return status_ == ArchiveCopyStatus::Extracted; }
  const std::string& Path() const { return path_; }
  // The outer archive, for the message about an unreadable one.
  const std::string& ArchiveFile() const { return archive_file_; }
  // Removes the copy now (DeleteTempCopy).
  void Delete();

 private:
  ArchiveCopyStatus status_ = ArchiveCopyStatus::NotInArchive;
  std::string archive_file_;
  std::string temp_folder_;
  std::string folder_;
  std::string path_;
};

// Takes the photo that path names inside an archive out into the scratch
// folder of temp_folder. Never throws for the archive's sake: the status
// tells what happened.
ArchiveCopy ExtractArchiveEntry(const std::string& path, const std::string& temp_folder);

// The same for the program: nothing unless archives are available and the
// path lies in one; the one-line message when the archive is unreadable.
ArchiveCopy ExtractArchivePhoto(const AppState& state, UserInterface& ui, const std::string& path);

// Ends the program's work with archives: its scratch folder goes.
void EndArchiveWork(const AppState& state);

}  // namespace lumetta
