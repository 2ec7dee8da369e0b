#include "core/records/edited_names.h"

#include "core/base/names.h"
#include "core/base/paths.h"

namespace lumetta {

namespace {

// The extension without its dot ("" when the name has none).
std::string ExtensionWithoutDot(std::string_view name) {
  const std::string ext = ExtensionOf(name);
  return ext.empty() ? ext : ext.substr(1);
}

std::string_view FolderPrefix(std::string_view path) {
  return path.substr(0, path.size() - FileNameOf(path).size());
}

}  // namespace

bool IsEditedPhotoName(std::string_view name) { return CompareExtension(name) == kEditedPhotoExtension; }

std::string EditedBaseName(std::string_view photo_name) {
  return WithoutExtension(photo_name) + "_" + ExtensionWithoutDot(photo_name);
}

std::string ListedEditedName(std::string_view photo_name) {
  return WithoutExtension(photo_name) + "_" + LowerCase(ExtensionWithoutDot(photo_name)) +
         std::string(kEditedPhotoExtension);
}

std::string SourcePhotoNameAsWritten(std::string_view path) {
  if (!IsEditedPhotoName(path)) return std::string(path);
  const std::string stem = WithoutExtension(FileNameOf(path));
  const std::size_t underscore = stem.rfind('_');
  if (underscore == std::string::npos) return std::string(path);
  std::string extension = stem.substr(underscore + 1);
  const std::size_t dash = extension.rfind('-');
  if (dash != std::string::npos) extension.erase(dash);
  return std::string(FolderPrefix(path)) + stem.substr(0, underscore) + "." + extension;
}

std::string SourcePhotoName(std::string_view path) {
  const std::string source = SourcePhotoNameAsWritten(path);
  if (source == path) return source;
  const std::string folder = ParentFolder(source);
  const std::string name = FileNameOf(source);
  const auto found = FindNameInFolder(folder.empty() ? std::string(".") : folder, name);
  if (!found || *found == name) return source;
  return std::string(FolderPrefix(source)) + *found;
}

std::string SourcePhotoName(std::string_view path, const FolderIndex& folder) {
  const std::string source = SourcePhotoNameAsWritten(path);
  if (source == path) return source;
  const std::string name = FileNameOf(source);
  const auto found = folder.Find(name);
  if (!found || *found == name) return source;
  return std::string(FolderPrefix(source)) + *found;
}

}  // namespace lumetta
