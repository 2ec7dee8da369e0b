#pragma once
// Safe work on the user's files, the one place where files are renamed,
// copied, moved and sent to the trash:
// - nothing is overwritten or deleted before what replaces it is complete;
// - a rename never replaces an existing file unless the caller asks;
// - a copy goes to a temporary file in the target's folder and is renamed
//   into place only when it is complete and on the medium, so that a copy
//   that fails (a full card, a cancel) leaves no partial file and the old
//   target untouched;
// - the trash never falls back to deleting.
//
// No operating-system type appears here; each platform implements it in its
// own file (safe_file_posix.cpp, safe_file_win.cpp), compiled into the core.
// Failures throw EFileOperation, whose Fault() tells the kind.

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/base/exception.h"

namespace lumetta::platform {

enum class FileFault {
  Exists,        // the target name is taken
  NotFound,      // the source, or the folder of the target, is missing
  NoSpace,       // the medium (or the user's quota) is full
  Denied,        // no permission, or a read-only medium
  CrossDevice,   // a rename between two file systems
  NotComplete,   // a copy's size differs from its source's
  SourceKept,    // a move's copy is in place, but its source could not be deleted
  NoTrash,       // no trash on the file's medium could take it
  Cancelled,     // the caller stopped a copy
  Other,
};

class EFileOperation : public Exception {
 public:
  EFileOperation(FileFault fault, const std::string& message) : Exception(message), fault_(fault) {}
  FileFault Fault() const noexcept { return fault_; }

 private:
  FileFault fault_;
};

// True when both paths name one existing file (same device and inode, or
// the platform's equivalent): hard links, or two spellings of one name on a
// medium that ignores case (a FAT card).
bool SameFile(std::string_view a, std::string_view b);

// Renames a file or folder; never replaces anything (Exists when the target
// name is taken). A change of letter case only, on a medium where both names
// are one file, goes through a temporary name.
void RenameNoReplace(std::string_view from, std::string_view to);

// Renames a file over an existing target in one step (or to a free name).
void RenameReplace(std::string_view from, std::string_view to);

// Renames a file to to, and when to names another file, keeps that file
// under a hidden name beside to instead of dropping it: at every moment
// each of the two files has a name. Returns the hidden name's path ("" when
// to was free), for the caller to send it to the trash as to
// (MoveToTrash(kept, to)) or to put it back (RenameReplace(kept, to)).
std::string RenameKeepingReplaced(std::string_view from, std::string_view to);

// Writes bytes to a new temporary file beside path, flushes it to the
// medium when flush is set, and renames it over path. On failure path is
// untouched and no temporary file is left. Throws EFileOperation.
void ReplaceFileContents(std::string_view path, std::string_view bytes, bool flush = true);

// The same for a file that must be new: the finished temporary file takes
// path only when no file of that name exists (Exists otherwise, and the
// existing file stays as it was).
void CreateFileWithContents(std::string_view path, std::string_view bytes, bool flush = true);

struct CopyOptions {
  // Rename the finished copy over an existing target; otherwise an existing
  // target makes the copy fail with Exists (and stays as it was).
  bool replace = false;
  // Push the copy to the medium before it takes its name. A copy that
  // replaces a file, or whose source is deleted afterwards, needs it; a new
  // copy of a file that stays where it was may leave it to the system.
  bool flush = true;
  // Tests: the medium counts as full once this many bytes of the copy are
  // written, as a card that runs out of space half way.
  std::uint64_t space_limit = std::numeric_limits<std::uint64_t>::max();
};

// A copy made in pieces, so that a caller can keep its window alive and stop
// between pieces. The data goes to a temporary file in the target's folder;
// when all of it is there, the copy gets the source's modification time (and
// its read-only state), is checked against the source's size and flushed to
// the medium (unless options.flush is off). Commit() then renames it into
// place. A copy that is destroyed before Commit(), or fails, removes its
// temporary file.
class FileCopy {
 public:
  // Opens the source and creates the temporary file. Throws EFileOperation.
  FileCopy(std::string_view source, std::string_view target, const CopyOptions& options = {});
  ~FileCopy();
  FileCopy(const FileCopy&) = delete;
  FileCopy& operator=(const FileCopy&) = delete;

  // Copies up to max_bytes more; true once every byte is copied, dated and
  // flushed. Throws EFileOperation (the temporary file is then gone).
  bool CopyPiece(std::uint64_t max_bytes);
  // Renames the finished copy to the target. Throws EFileOperation (Exists
  // without replace); the temporary file is then gone.
  void Commit();
  // For a copy made with options.replace: renames the finished copy to the
  // target as RenameKeepingReplaced does and returns the hidden name of the
  // file it replaced, "" when there was none.
  std::string CommitKeepingReplaced();
  // Drops an unfinished copy now (Cancelled); the target is untouched.
  void Abandon();

  std::uint64_t Size() const;
  std::uint64_t Copied() const;
  // The temporary file's path while the copy is under way.
  std::string TemporaryPath() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The whole copy in one call: FileCopy, then Commit.
void CopyFileKeepingDates(std::string_view source, std::string_view target, const CopyOptions& options = {});

// How a move went.
enum class MoveKind { Renamed, Copied };

// Moves a file: a rename on one file system (never replacing, as
// RenameNoReplace), else a copy as CopyFileKeepingDates followed by the
// deletion of the source. A source that cannot be deleted after its copy is
// in place throws SourceKept: the file then exists in both places. Only
// options.space_limit applies to the copy.
MoveKind MoveFileSafely(std::string_view source, std::string_view target, const CopyOptions& options = {});

// Deletes a file for good. Throws EFileOperation.
void RemoveFile(std::string_view path);

// Moves a file or folder to the user's trash (the freedesktop trash: the
// home trash for the home file system, the medium's own trash folder for
// another one). Only ever renames into the trash: a medium without a usable
// trash throws NoTrash and the file stays. original, when given, is the
// path the trash records and restores to (a file kept under a hidden name
// by RenameKeepingReplaced goes to the trash as the file it was).
void MoveToTrash(std::string_view path, std::string_view original = {});

}  // namespace lumetta::platform
