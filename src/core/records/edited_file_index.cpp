#include "core/records/edited_file_index.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

// "-NNN" at the end of a stem: the variant number, else 0.
int VariantNumber(std::string_view stem) {
  if (stem.size() < 4 || stem[stem.size() - 4] != '-') return 0;
  int number = 0;
  for (std::size_t i = stem.size() - 3; i < stem.size(); ++i) {
    if (stem[i] < '0' || stem[i] > '9') return 0;
    number = number * 10 + (stem[i] - '0');
  }
  return number;
}

}  // namespace

EditedFileIndex::EditedFileIndex(std::string_view folder) {
  std::error_code ec;
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    std::string name = FromFsPath(it->path().filename());
    if (!IsEditedPhotoName(name)) continue;
    const std::string stem = WithoutExtension(name);
    const int number = VariantNumber(stem);
    if (number > 0) {
      by_base_[FoldCase(stem.substr(0, stem.size() - 4))].emplace_back(number, std::move(name));
    } else {
      by_base_[FoldCase(stem)].emplace_back(0, std::move(name));
    }
  }
  for (auto& [base, files] : by_base_) std::sort(files.begin(), files.end());
}

std::vector<std::string> EditedFileIndex::FilesOf(std::string_view photo_name) const {
  std::vector<std::string> names;
  const auto it = by_base_.find(FoldCase(EditedBaseName(photo_name)));
  if (it == by_base_.end()) return names;
  for (const auto& [number, name] : it->second) names.push_back(name);
  return names;
}

}  // namespace lumetta
