#include "core/transfer/transfer_files.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "core/base/name_collation.h"
#include "core/base/paths.h"
#include "core/library/date_keys.h"
#include "core/state/settings.h"

namespace lumetta {

namespace {

constexpr std::array<std::string_view, 4> kPhotoExtensions = {".jpg", ".jpe", ".bmp", ".tif"};
constexpr std::array<std::string_view, 4> kMovieExtensions = {".mov", ".avi", ".mpg", ".mpe"};

bool HasExtension(std::string_view name, const std::array<std::string_view, 4>& table) {
  const std::string extension = CompareExtension(name).substr(0, 4);
  return std::find(table.begin(), table.end(), extension) != table.end();
}

}  // namespace

TransferOptions TransferOptionsOf(const Settings& settings) {
  return TransferOptions{settings.TransferLocked != 0, settings.TransferMovies != 0,
                         settings.TransferDateFolders != 0};
}

void StoreTransferOptions(Settings& settings, const TransferOptions& options) {
  settings.TransferLocked = options.ReadOnlyFiles ? 1 : 0;
  settings.TransferMovies = options.Movies ? 1 : 0;
  settings.TransferDateFolders = options.DateFolders ? 1 : 0;
}

bool IsTransferPhotoName(std::string_view name) { return HasExtension(name, kPhotoExtensions); }

bool IsMovieName(std::string_view name) { return HasExtension(name, kMovieExtensions); }

std::vector<std::string> ListTransferFiles(std::string_view folder, bool movies) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return names;
  for (const std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    std::string name = FromFsPath(it->path().filename());
    if (IsTransferPhotoName(name) || (movies && IsMovieName(name))) names.push_back(std::move(name));
  }
  // Names that collate alike (differing in case only) keep a fixed order too.
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const int by_name = CompareNames(a, b);
    return by_name != 0 ? by_name < 0 : a < b;
  });
  return names;
}

bool IsWriteProtected(std::string_view path) {
  std::error_code ec;
  const auto status = std::filesystem::status(ToFsPath(path), ec);
  if (ec) return false;
  return (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

std::string DateFolderName(std::string_view path) {
  const std::string key = FileDateKey(path);
  if (key == NoFileDate) return "00-0000";
  return key.substr(2, 2) + "-" + key.substr(4, 4);
}

}  // namespace lumetta
