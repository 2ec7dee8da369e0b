#include "core/library/thumb_cache_path.h"

#include <filesystem>
#include <mutex>
#include <system_error>

#include "core/state/app_state.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

std::string SlotCacheFolder(const AppState& state, std::int32_t slot) {
  const char digits[3] = {'0', static_cast<char>('0' + slot % 10), '\0'};
  return JoinPath(state.folders.ThumbnailFolder, digits);
}

void ReplaceFirstColon(std::string& text) {
  if (const std::size_t colon = text.find(':'); colon != std::string::npos) text.replace(colon, 1, "：");
}

// The folder path below the slot's cache folder: the root's cache name and
// the path below the root.
std::string RelativeCachePart(const AppState& state, std::int32_t slot, std::string_view folder) {
  const std::string root = WithoutTrailingSeparator(state.settings.SlotFolder[slot]);
  if (!root.empty() && StartsWithIgnoringCase(folder, root)) {
    const bool root_ends_in_separator = root.back() == '/' || root.back() == kPathSeparator;
    std::string_view below = folder.substr(root.size());
    if (below.empty() || root_ends_in_separator || below.front() == '/' || below.front() == kPathSeparator) {
      while (!below.empty() && (below.front() == '/' || below.front() == kPathSeparator)) below.remove_prefix(1);
      std::string rest(below);
      // The colon rule applies once to the whole relative path.
      if (FileNameOf(root).find(':') == std::string::npos) ReplaceFirstColon(rest);
      const std::string name = SlotCacheName(root);
      return rest.empty() ? name : JoinPath(name, rest);
    }
  }
  // A folder outside its slot's root: from the root's name on where the
  // path holds it, else the whole path.
  const std::string root_name = FileNameOf(root);
  std::size_t from = root_name.empty() ? 0 : folder.find(root_name);
  if (from == std::string_view::npos) from = 0;
  std::string relative(folder.substr(from));
  ReplaceFirstColon(relative);
  std::size_t start = 0;
  while (start < relative.size() && (relative[start] == '/' || relative[start] == kPathSeparator)) ++start;
  relative.erase(0, start);
  return relative;
}

// The case-insensitive index of the one cache folder looked at last. A
// strip shows the photos of one folder, so its misses (rotation files that
// do not exist) ask the same folder again and again; the index is rebuilt
// when the folder's modification time says its entries changed.
class CacheFolderIndex {
 public:
  std::optional<std::string> Find(const std::string& folder, std::string_view name) {
    std::error_code ec;
    const fs::file_time_type stamp = fs::last_write_time(ToFsPath(folder), ec);
    if (ec) return std::nullopt;
    const std::lock_guard<std::mutex> lock(mutex_);
    if (folder != folder_ || stamp != stamp_) {
      index_ = FolderIndex(folder);
      folder_ = folder;
      stamp_ = stamp;
    }
    return index_.Find(name);
  }

 private:
  std::mutex mutex_;
  std::string folder_;
  fs::file_time_type stamp_{};
  FolderIndex index_;
};

CacheFolderIndex& LastCacheFolder() {
  static CacheFolderIndex index;
  return index;
}

}  // namespace

std::string SlotCacheName(std::string_view slot_root) {
  if (slot_root.empty()) return "";
  std::string name = FileNameOf(WithoutTrailingSeparator(slot_root));
  if (name.empty()) return std::string(kRootCacheName);
  ReplaceFirstColon(name);
  return name;
}

std::string ThumbCacheFolder(const AppState& state, std::int32_t slot, std::string_view folder) {
  const std::string relative = RelativeCachePart(state, slot, folder);
  const std::string slot_folder = SlotCacheFolder(state, slot);
  return relative.empty() ? slot_folder : JoinPath(slot_folder, relative);
}

std::string ResolvedThumbCacheFolder(const AppState& state, std::int32_t slot, std::string_view folder) {
  const std::string derived = ThumbCacheFolder(state, slot, folder);
  if (IsDirectory(derived)) return derived;
  const std::string relative = RelativeCachePart(state, slot, folder);
  std::string path = SlotCacheFolder(state, slot);
  bool on_disk = true;
  std::size_t start = 0;
  while (start < relative.size()) {
    std::size_t end = relative.find(kPathSeparator, start);
    if (end == std::string::npos) end = relative.size();
    if (end > start) {
      const std::string level = relative.substr(start, end - start);
      std::optional<std::string> found = on_disk ? FindNameInFolder(path, level) : std::nullopt;
      on_disk = found.has_value();
      path = JoinPath(path, found.value_or(level));
    }
    start = end + 1;
  }
  return path;
}

std::string ThumbCacheFileName(std::string_view photo_name) { return EditedBaseName(photo_name) + ".bmp"; }

std::string ThumbCachePath(const AppState& state, std::int32_t slot, std::string_view folder,
                           std::string_view photo_name) {
  const std::string cache_folder = ResolvedThumbCacheFolder(state, slot, folder);
  std::error_code ec;
  fs::create_directories(ToFsPath(cache_folder), ec);
  const std::string path = JoinPath(cache_folder, ThumbCacheFileName(photo_name));
  return FindCacheFile(path).value_or(path);
}

std::string ThumbRotationPath(std::string_view cache_path) { return WithoutExtension(cache_path) + ".dat"; }

std::optional<std::string> FindCacheFile(std::string_view path) {
  std::error_code ec;
  if (fs::is_regular_file(ToFsPath(path), ec)) return std::string(path);
  const std::string folder = ParentFolder(path);
  const std::optional<std::string> found = LastCacheFolder().Find(folder, FileNameOf(path));
  if (!found) return std::nullopt;
  std::string resolved = JoinPath(folder, *found);
  if (!fs::is_regular_file(ToFsPath(resolved), ec)) return std::nullopt;
  return resolved;
}

}  // namespace lumetta
