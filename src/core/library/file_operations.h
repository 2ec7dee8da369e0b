#pragma once
// File work on photos and their companions: the edited-photo files that go
// with a photo wherever it goes, the trash, and moving a file without ever
// replacing one that is already there.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct AppState;
class FolderIndex;
class UserInterface;

// The edited-photo files of a photo (of its source photo when path is an
// edited-photo file), as spelt on disk whatever their case: the default
// variant, then the numbered ones. Variants 1 to 18 are all looked for;
// from 19 on the search goes on only while 19 exists, up to 999.
std::vector<std::string> ListEditedFiles(std::string_view path);

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
