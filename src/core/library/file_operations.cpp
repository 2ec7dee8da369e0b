#include "core/library/file_operations.h"

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

std::string VariantName(std::string_view base, int number) {
  std::string digits = "00" + std::to_string(number);
  return std::string(base) + "-" + digits.substr(digits.size() - 3) + std::string(kEditedPhotoExtension);
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
  const FolderIndex index(folder.empty() ? std::string(".") : folder);
  // An edited-photo file names its variants with the photo's extension in
  // lower case; looked up ignoring case, both spellings find the same files.
  const std::string base = EditedBaseName(FileNameOf(photo));
  std::vector<std::string> files;
  auto add = [&](const std::string& name) {
    if (const auto found = index.Find(name)) {
      files.push_back(JoinPath(folder, *found));
      return true;
    }
    return false;
  };
  add(base + std::string(kEditedPhotoExtension));
  for (int n = 1; n <= 999; ++n) {
    if (!add(VariantName(base, n)) && n == 19) break;
  }
  return files;
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
