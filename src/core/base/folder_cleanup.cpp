#include "core/base/folder_cleanup.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/base/paths.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

bool IsInside(const fs::path& root, const fs::path& path) {
  std::error_code ec;
  const fs::path canonical_root = fs::weakly_canonical(root, ec);
  if (ec) return false;
  const fs::path parent = fs::weakly_canonical(path.parent_path(), ec);
  if (ec) return false;
  auto r = canonical_root.begin();
  auto p = parent.begin();
  for (; r != canonical_root.end(); ++r, ++p) {
    if (p == parent.end() || *r != *p) return false;
  }
  return true;
}

}  // namespace

void ReportUncleanableRoot(std::string_view root) {
  std::fprintf(stderr, "lumetta: %.*s is a symbolic link or not a folder; it is left as it is\n",
               static_cast<int>(root.size()), root.data());
}

FolderListing ListFolderEntries(const std::string& folder) {
  FolderListing listing;
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return listing;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = FromFsPath(it->path().filename());
    std::error_code sec;
    const fs::file_status st = it->symlink_status(sec);
    if (!sec && fs::is_directory(st)) {
      listing.folders.push_back(name);
    } else {
      listing.files.push_back(name);
    }
  }
  return listing;
}

bool IsCleanableRoot(std::string_view root) {
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(ToFsPath(root), ec);
  return !ec && fs::is_directory(st) && !fs::is_symlink(st);
}

bool RemoveInside(std::string_view root, std::string_view path) {
  const fs::path target = ToFsPath(path);
  // A root that is a link would make everything under its target count as
  // inside.
  if (!IsCleanableRoot(root)) return false;
  if (!IsInside(ToFsPath(root), target)) return false;
  std::error_code ec;
  const fs::file_status st = fs::symlink_status(target, ec);
  if (ec || !fs::exists(st)) return !fs::exists(st);
  if (fs::is_symlink(st) || !fs::is_directory(st)) return fs::remove(target, ec);
  // remove_all never follows links inside the folder: a link is unlinked.
  fs::remove_all(target, ec);
  return !ec;
}

void ClearTempFolder(std::string_view folder) {
  if (folder.empty() || folder.back() == ':' || folder.back() == '\\' || folder.back() == '/') return;
  const std::string root(folder);
  if (!IsCleanableRoot(root)) {
    ReportUncleanableRoot(root);
    return;
  }
  const FolderListing listing = ListFolderEntries(root);
  for (const auto* names : {&listing.folders, &listing.files}) {
    for (const std::string& name : *names) RemoveInside(root, JoinPath(root, name));
  }
}

}  // namespace lumetta
