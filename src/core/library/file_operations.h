#pragma once
// File work on photos and their companions: the edited-photo files that go
// with a photo wherever it goes, the trash, and moving a file without ever
// replacing one that is already there.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct AppState;
class FolderIndex;
class UserInterface;

// The edited-photo files of a photo (of its source photo when path is an
// edited-photo file), as spelt on disk whatever their case: the default
// variant, then the numbered ones 001 to 999 in order, gaps and all. One
// listing of the folder finds them.
std::vector<std::string> ListEditedFiles(std::string_view path);

// The name an edited-photo file of old_photo takes when its photo is named
// new_photo: the new photo's edited base name and the file's own suffix
// (IMG_0001_jpg-002.lum of IMG_0001.JPG becomes trip_JPG-002.lum for
// trip.JPG). Names only, no folders.
std::string CompanionNameFor(std::string_view companion, std::string_view old_photo, std::string_view new_photo);

// True when folder holds an entry named name in any letter case that is not
// the file self (self may be empty).
bool NameTakenInFolder(std::string_view folder, std::string_view name, std::string_view self = {});

// What became of a photo and its edited-photo files in a rename or a move:
// each file that took its new name, and each edited-photo file that could
// not follow and stays under its old name (its new name taken, or the
// medium refused). The photo is always the first of Moved.
struct PhotoFilesOutcome {
  struct Step {
    std::string From;
    std::string To;
  };
  std::vector<Step> Moved;
  std::vector<std::string> Left;
};

// Renames a photo file and its edited-photo files, with their cached
// thumbnails when slot is 1..3. Never replaces a file: throws
// platform::EFileOperation (nothing changed) when the photo cannot take the
// new name. A change of letter case alone is a rename of the file itself.
PhotoFilesOutcome RenamePhotoFiles(const AppState& state, std::int32_t slot, std::string_view old_path,
                                   std::string_view new_path);

// Moves a photo file and its edited-photo files to target (a path in
// another folder), with their cached thumbnails when slot is 1..3: a rename
// on one file system, else a copy that keeps the modification time, is
// complete before it takes its name and is made writable, then the
// deletion of the source. Never replaces a file. Throws
// platform::EFileOperation when the photo did not move (nothing changed),
// SourceKept when its copy is in place but the source could not be deleted
// (the photo is then in both folders, its edited-photo files and cache
// stay with the source). on_moved, when set, is told of each file as it
// arrives.
PhotoFilesOutcome MovePhotoFiles(const AppState& state, std::int32_t slot, std::string_view source,
                                 std::string_view target,
                                 const std::function<void(const PhotoFilesOutcome::Step&)>& on_moved = {});

// Moves a photo and its edited-photo files to the trash, each with its
// cached thumbnail when slot is 1..3; with companions off only the file
// itself goes (an edited-photo file leaves its photo and the other
// variants). The files the trash took, the photo first; a photo the trash
// refused throws platform::EFileOperation with nothing changed. Sets
// IgnoreNextChange when anything went.
std::vector<std::string> TrashPhotoFiles(AppState& state, UserInterface& ui, std::int32_t slot, std::string_view path,
                                         bool companions);

// Moves path to the trash; when slot is 1..3, its cached thumbnail and
// rotation file go too (and their cache folder once it is empty). Sets
// IgnoreNextChange. False, with nothing changed, when the trash refused.
bool MoveToRecycleBin(AppState& state, UserInterface& ui, std::int32_t slot, std::string_view path);

// Moves the cached thumbnail and rotation file of a photo of slot 1..3 to
// the cache of its new path (another folder and/or name), replacing stale
// ones there, and removes the old cache folder once it is empty. Nothing
// for another slot, or when nothing is cached. Work on many photos of one
// folder passes an index of that folder's cache folder, made once.
void MoveCachedThumbnail(const AppState& state, std::int32_t slot, std::string_view old_path,
                         std::string_view new_path, const FolderIndex* old_cache_folder = nullptr);

// Moves a file to target, renaming it in place when both lie on the same
// file system and copying then deleting across file systems (the copy keeps
// the modification time and appears only when complete). Never replaces
// anything: false when target (in any letter case) already exists or the
// move fails. A copy whose source cannot be deleted afterwards stays, and
// the move counts as done.
bool MoveFileKeepingTarget(std::string_view source, std::string_view target);

}  // namespace lumetta
