#pragma once
// The edited-photo files of a folder's photos, found through one listing of
// the folder: for each photo its default variant and every numbered one
// (001 to 999, gaps and all), whatever the letter case on disk.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

class EditedFileIndex {
 public:
  explicit EditedFileIndex(std::string_view folder);

  // The names, as spelt on disk, of the edited-photo files of the photo
  // photo_name in that folder: the default variant first, then the numbered
  // ones in number order.
  std::vector<std::string> FilesOf(std::string_view photo_name) const;

 private:
  // Keyed by the folded edited base name ("img_0001_jpg"); the value holds
  // (variant number or 0 for the default, name on disk).
  std::map<std::string, std::vector<std::pair<int, std::string>>> by_base_;
};

}  // namespace lumetta
