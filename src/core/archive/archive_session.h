#pragma once
// The program's work with archives during one run: its own scratch folder,
// the entry lists of the archives it has read, and the nested archives it
// has taken out of their outer ones.
//
// Everything taken out of an archive goes into the scratch folder, a folder
// of this process alone inside the program's temporary folder, under a name
// the program chooses; nothing is ever written under a name from an
// archive. The scratch folder is removed, without following links, when the
// session ends.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/archive/archive_reader.h"

namespace lumetta {

// The files and folders of an archive in its own order; links and unsafe
// names left out.
struct ArchiveListing {
  std::vector<ArchiveEntry> Entries;
};

// Where a folder inside an archive is: the archive file to read (the outer
// archive itself, or a copy of a nested archive in the scratch folder) and
// the folder's inner path there ("" for that archive's root).
struct ArchiveFolderPlace {
  std::string Archive;
  std::string InnerPath;
};

enum class ExtractOutcome {
  Extracted,
  NotFound,    // no file entry of that name
  NotWritten,  // the copy could not be written (a full disk)
};

class ArchiveSession {
 public:
  // temp_folder: the program's temporary folder; the scratch folder is made
  // in it when first needed.
  explicit ArchiveSession(std::string temp_folder);
  ~ArchiveSession();
  ArchiveSession(const ArchiveSession&) = delete;
  ArchiveSession& operator=(const ArchiveSession&) = delete;

  // The session of this process for a temporary folder.
  static ArchiveSession& In(const std::string& temp_folder);

  // The entries of an archive file, read again only when its size or time
  // has changed. Throws EArchive.
  std::shared_ptr<const ArchiveListing> List(const std::string& archive_file);

  // Follows an inner path ("a/b/", components each followed by "/") into
  // the archive and through the archives nested on the way: the archive
  // that holds the folder and the rest of the path inside it. A nested
  // archive is taken out once and reused while the archive holding it keeps
  // its size and time. Throws EArchive for an unreadable archive, a nested
  // one over kMaxNestedArchiveBytes or the free space, and nesting deeper
  // than kMaxNestingDepth.
  ArchiveFolderPlace Resolve(const std::string& archive_file, const std::string& inner_path);

  // Copies the file entry to target, a new file the caller names in the
  // scratch folder, at most limit bytes. Throws EArchive.
  ExtractOutcome Extract(const std::string& archive_file, std::string_view entry, const std::string& target,
                         std::uint64_t limit);

  // A new empty folder in the scratch folder, named by the program.
  std::string NewWorkFolder();

  // Removes a file or folder inside the scratch folder (never anything
  // else, never through a link).
  void Remove(const std::string& path);

  // The scratch folder ("" until it is made), and its removal with all it holds.
  std::string ScratchFolder() const;
  void End();

 private:
  struct FileStamp {
    std::uintmax_t Size = 0;
    std::filesystem::file_time_type Time;
    bool operator==(const FileStamp&) const = default;
  };
  struct CachedListing {
    FileStamp Stamp;
    std::shared_ptr<const ArchiveListing> Listing;
    std::uint64_t Used = 0;
  };
  struct NestedCopy {
    FileStamp OuterStamp;
    std::string Path;
  };
  // The archive last taken from, left open after that entry: the strip asks
  // for the photos in the archive's order, so each is read on from where
  // the one before ended instead of from the archive's start.
  struct OpenArchive {
    std::string Path;
    FileStamp Stamp;
    std::unique_ptr<ArchiveReader> Reader;
    bool FromStart = true;
  };

  static FileStamp StampOf(const std::string& file);
  const std::string& ScratchLocked();
  std::string NextNameLocked(std::string_view extension);
  std::shared_ptr<const ArchiveListing> ListLocked(const std::string& archive_file);
  std::string NestedLocked(const std::string& outer, const ArchiveEntry& entry);

  mutable std::mutex mutex_;
  std::string temp_folder_;
  std::string scratch_;
  std::uint64_t counter_ = 0;
  std::uint64_t uses_ = 0;
  std::map<std::string, CachedListing> listings_;
  std::map<std::string, NestedCopy> nested_;
  OpenArchive open_;
};

}  // namespace lumetta
