#include "core/library/photo_extensions.h"

#include <algorithm>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

const std::vector<std::string>& BuiltInPhotoExtensions() {
  static const std::vector<std::string> table{".lum", ".jpg", ".jpe", ".jpeg", ".bmp", ".tif", ".tiff"};
  return table;
}

bool AddPhotoExtension(std::vector<std::string>& table, std::string_view extension) {
  if (table.size() >= MaxPhotoExtensions || extension.empty()) return false;
  std::string dotted;
  if (extension.front() != '.') dotted += '.';
  dotted += extension;
  if (dotted == ".") return false;
  table.push_back(FirstChars(LowerCase(dotted), 5));
  return true;
}

std::vector<std::string> BuildPhotoExtensions(const std::vector<std::string>& plugin_extensions) {
  std::vector<std::string> table = BuiltInPhotoExtensions();
  for (const std::string& extension : plugin_extensions) AddPhotoExtension(table, extension);
  return table;
}

bool IsPhotoName(const std::vector<std::string>& table, std::string_view name) {
  const std::string extension = CompareExtension(name);
  if (extension.empty()) return false;
  return std::find(table.begin(), table.end(), extension) != table.end();
}

}  // namespace lumetta
