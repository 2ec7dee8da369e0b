#include "core/library/archive_folders.h"

#include "core/base/paths.h"

namespace lumetta {

ArchivePathParts SplitArchivePath(std::string_view path) {
  std::string current = WithoutTrailingSeparator(path);
  std::string inner;
  while (!current.empty() && !IsRegularFile(current)) {
    if (IsDirectory(current)) return {};
    const std::string last = FileNameOf(current);
    if (last.empty()) return {};
    inner = last + "/" + inner;
    const std::string parent = ParentFolder(current);
    if (parent == current) return {};
    current = parent;
  }
  if (current.empty()) return {};
  return {current, inner};
}

std::vector<std::string> ListArchiveFolder(const std::string&, const std::string&) { return {}; }

std::vector<std::string> ListArchiveChildren(const std::string&, const std::string&) { return {}; }

std::optional<std::string> ExtractArchiveEntry(const std::string&, const std::string&) { return std::nullopt; }

}  // namespace lumetta
