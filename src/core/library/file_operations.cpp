#include "core/library/file_operations.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/library/thumb_cache_path.h"
#include "core/records/edited_names.h"
#include "platform/safe_file.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

// "-001" .. "-999".
std::string VariantSuffix(int number) {
  std::string digits = "00" + std::to_string(number);
  return "-" + digits.substr(digits.size() - 3);
}

// Deletes a cached file when it exists, then its folder when that is empty.
void DeleteCacheFile(const std::string& path) {
  const std::optional<std::string> found = FindCacheFile(path);
  if (!found) return;
  std::error_code ec;
  fs::remove(ToFsPath(*found), ec);
  fs::remove(ToFsPath(ParentFolder(*found)), ec);  // only an empty folder goes
}

}  // namespace

std::vector<std::string> ListEditedFiles(std::string_view path) {
  const std::string photo = IsEditedPhotoName(path) ? SourcePhotoName(path) : std::string(path);
  const std::string folder = ParentFolder(photo);
  // An edited-photo file names its variants with the photo's extension in
  // lower case; compared ignoring case, both spellings find the same files.
  const std::string base = FoldCase(EditedBaseName(FileNameOf(photo)));
  const std::string extension = FoldCase(kEditedPhotoExtension);
  // Slot 0 is the default variant, 1..999 the numbered ones.
  std::vector<std::string> found(1000);
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(folder.empty() ? std::string(".") : folder), ec);
  for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    const std::string name = FromFsPath(it->path().filename());
    if (name.size() < base.size() + extension.size()) continue;
    const std::string folded = FoldCase(name);
    if (folded.compare(0, base.size(), base) != 0) continue;
    if (folded.compare(folded.size() - extension.size(), extension.size(), extension) != 0) continue;
    const std::string_view middle =
        std::string_view(folded).substr(base.size(), folded.size() - base.size() - extension.size());
    int number = 0;
    if (middle.size() == 4 && middle[0] == '-' &&
        std::all_of(middle.begin() + 1, middle.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      number = (middle[1] - '0') * 100 + (middle[2] - '0') * 10 + (middle[3] - '0');
      if (number == 0) continue;
    } else if (!middle.empty()) {
      continue;
    }
    // Two spellings of one variant (a case-sensitive medium): the one
    // spelt as derived wins, as a lookup by name would choose.
    std::string& slot = found[static_cast<std::size_t>(number)];
    if (slot.empty() || name == EditedBaseName(FileNameOf(photo)) + (number == 0 ? "" : VariantSuffix(number)) +
                                   std::string(kEditedPhotoExtension)) {
      slot = name;
    }
  }
  std::vector<std::string> files;
  for (const std::string& name : found) {
    if (!name.empty()) files.push_back(JoinPath(folder, name));
  }
  return files;
}

std::string CompanionNameFor(std::string_view companion, std::string_view old_photo, std::string_view new_photo) {
  const std::string name = FileNameOf(companion);
  const std::size_t old_length = EditedBaseName(FileNameOf(old_photo)).size();
  const std::string suffix = name.size() >= old_length ? name.substr(old_length) : std::string(kEditedPhotoExtension);
  return EditedBaseName(FileNameOf(new_photo)) + suffix;
}

bool NameTakenInFolder(std::string_view folder, std::string_view name, std::string_view self) {
  const std::string where = folder.empty() ? std::string(".") : std::string(folder);
  const auto taken = FindNameInFolder(where, name);
  if (!taken) return false;
  if (self.empty()) return true;
  const std::string path = JoinPath(folder, *taken);
  return path != self && !platform::SameFile(path, self);
}

PhotoFilesOutcome RenamePhotoFiles(const AppState& state, std::int32_t slot, std::string_view old_path,
                                   std::string_view new_path) {
  const std::string folder = ParentFolder(new_path);
  if (NameTakenInFolder(folder, FileNameOf(new_path), old_path)) {
    throw platform::EFileOperation(platform::FileFault::Exists, "the name is taken: " + std::string(new_path));
  }
  // Listed before the photo moves away: they are found through its name.
  const std::vector<std::string> companions = ListEditedFiles(old_path);
  platform::RenameNoReplace(old_path, new_path);
  PhotoFilesOutcome outcome;
  outcome.Moved.push_back({std::string(old_path), std::string(new_path)});
  MoveCachedThumbnail(state, slot, old_path, new_path);
  for (const std::string& from : companions) {
    const std::string to = JoinPath(ParentFolder(from), CompanionNameFor(from, old_path, new_path));
    if (to == from) continue;
    try {
      if (NameTakenInFolder(ParentFolder(to), FileNameOf(to), from)) {
        throw platform::EFileOperation(platform::FileFault::Exists, to);
      }
      platform::RenameNoReplace(from, to);
    } catch (const platform::EFileOperation&) {
      outcome.Left.push_back(from);
      continue;
    }
    outcome.Moved.push_back({from, to});
    MoveCachedThumbnail(state, slot, from, to);
  }
  return outcome;
}

namespace {

// A copy that arrives write-protected (a photo from a locked card or a
// CD) is made writable, so that it can be managed where it now is.
void MakeWritable(const std::string& path) {
  std::error_code ec;
  fs::permissions(ToFsPath(path), fs::perms::owner_write, fs::perm_options::add, ec);
}

}  // namespace

PhotoFilesOutcome MovePhotoFiles(const AppState& state, std::int32_t slot, std::string_view source,
                                 std::string_view target,
                                 const std::function<void(const PhotoFilesOutcome::Step&)>& on_moved) {
  const std::string folder = ParentFolder(target);
  if (NameTakenInFolder(folder, FileNameOf(target), source)) {
    throw platform::EFileOperation(platform::FileFault::Exists, "the name is taken: " + std::string(target));
  }
  const std::vector<std::string> companions = ListEditedFiles(source);
  platform::MoveFileSafely(source, target);  // SourceKept leaves the rest where it is
  MakeWritable(std::string(target));
  PhotoFilesOutcome outcome;
  outcome.Moved.push_back({std::string(source), std::string(target)});
  MoveCachedThumbnail(state, slot, source, target);
  if (on_moved) on_moved(outcome.Moved.back());
  for (const std::string& from : companions) {
    const std::string to = JoinPath(folder, CompanionNameFor(from, source, target));
    try {
      if (NameTakenInFolder(folder, FileNameOf(to))) throw platform::EFileOperation(platform::FileFault::Exists, to);
      platform::MoveFileSafely(from, to);
    } catch (const platform::EFileOperation& e) {
      if (e.Fault() != platform::FileFault::SourceKept) {
        outcome.Left.push_back(from);
        continue;
      }
      // Its copy is with the photo; the old one stays behind as well.
    }
    MakeWritable(to);
    outcome.Moved.push_back({from, to});
    MoveCachedThumbnail(state, slot, from, to);
    if (on_moved) on_moved(outcome.Moved.back());
  }
  return outcome;
}

std::vector<std::string> TrashPhotoFiles(AppState& state, UserInterface& ui, std::int32_t slot, std::string_view path,
                                         bool companions) {
  // An edited-photo file's companions are its photo's other variants; they
  // go only with the photo itself.
  const std::vector<std::string> others =
      companions && !IsEditedPhotoName(path) ? ListEditedFiles(path) : std::vector<std::string>{};
  if (!MoveToRecycleBin(state, ui, slot, path)) {
    throw platform::EFileOperation(platform::FileFault::NoTrash, "cannot move to the trash: " + std::string(path));
  }
  std::vector<std::string> trashed{std::string(path)};
  for (const std::string& file : others) {
    if (MoveToRecycleBin(state, ui, slot, file)) trashed.push_back(file);
  }
  return trashed;
}

bool MoveToRecycleBin(AppState& state, UserInterface& ui, std::int32_t slot, std::string_view path) {
  if (!ui.MoveToTrash(path)) return false;
  if (IsSlot(slot)) {
    const std::string cache =
        JoinPath(ResolvedThumbCacheFolder(state, slot, ParentFolder(path)), ThumbCacheFileName(FileNameOf(path)));
    DeleteCacheFile(cache);
    DeleteCacheFile(ThumbRotationPath(cache));
  }
  state.IgnoreNextChange = true;
  return true;
}

void MoveCachedThumbnail(const AppState& state, std::int32_t slot, std::string_view old_path,
                         std::string_view new_path, const FolderIndex* old_cache_folder) {
  if (slot < 1 || slot > 3) return;
  const std::string old_folder = ResolvedThumbCacheFolder(state, slot, ParentFolder(old_path));
  const std::string old_bmp = ThumbCacheFileName(FileNameOf(old_path));
  auto find = [&](const std::string& name) -> std::optional<std::string> {
    if (old_cache_folder == nullptr) return FindCacheFile(JoinPath(old_folder, name));
    const auto found = old_cache_folder->Find(name);
    if (!found) return std::nullopt;
    return JoinPath(old_folder, *found);
  };
  const std::optional<std::string> bmp = find(old_bmp);
  const std::optional<std::string> dat = find(FileNameOf(ThumbRotationPath(old_bmp)));
  if (!bmp && !dat) return;
  const std::string new_folder = ResolvedThumbCacheFolder(state, slot, ParentFolder(new_path));
  std::error_code ec;
  fs::create_directories(ToFsPath(new_folder), ec);
  const std::string new_bmp = JoinPath(new_folder, ThumbCacheFileName(FileNameOf(new_path)));
  // The cache is the program's own: what it held under the new name is stale.
  for (const auto& [from, to] : {std::pair{bmp, new_bmp}, std::pair{dat, ThumbRotationPath(new_bmp)}}) {
    if (!from || *from == to) continue;
    try {
      platform::RenameReplace(*from, to);
    } catch (const platform::EFileOperation&) {
      DeleteCacheFile(*from);  // a thumbnail that cannot follow is built again
    }
  }
  fs::remove(ToFsPath(old_folder), ec);  // only an empty folder goes
}

bool MoveFileKeepingTarget(std::string_view source, std::string_view target) {
  if (source == target || PathExists(target)) return false;
  // A name that differs only in case is the same file where names ignore
  // case; only the source itself may hold it (a change of case).
  const std::string folder = ParentFolder(target);
  const auto taken = FindNameInFolder(folder.empty() ? std::string(".") : folder, FileNameOf(target));
  if (taken && JoinPath(folder, *taken) != source) return false;
  if (!IsRegularFile(source)) return false;
  try {
    platform::MoveFileSafely(source, target);
  } catch (const platform::EFileOperation& e) {
    // The copy is complete in its new place; the old one stays as well.
    return e.Fault() == platform::FileFault::SourceKept;
  }
  return true;
}

}  // namespace lumetta
