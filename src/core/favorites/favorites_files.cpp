#include "core/favorites/favorites_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/favorites/favorite_names.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFoldersFileName = "OkiniF.dat";
constexpr std::string_view kKeysFileName = "Okini.dat";
constexpr std::string_view kPhotosFileName = "Okini2.dat";

// The lines of a data file's bytes; line ends CR LF, LF or CR, and a final
// line end starts no further line.
std::vector<std::string> TextLines(std::string_view bytes) {
  const std::string text = DecodeDataText(bytes);
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text, start, i - start);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text, start);
  return lines;
}

std::string ReadIfPresent(const std::string& path) {
  std::error_code ec;
  if (!fs::exists(ToFsPath(path), ec)) return {};
  return ReadFileBytes(path);
}

std::vector<std::string> FolderLines(const FavoritesStore& store) { return store.Folders; }

std::vector<std::string> KeyLines(const FavoritesStore& store) {
  std::vector<std::string> lines;
  lines.reserve(store.Favorites.size());
  for (const Favorite& f : store.Favorites) lines.push_back(f.FavoriteKey);
  return lines;
}

std::vector<std::string> PhotoLines(const FavoritesStore& store) {
  std::vector<std::string> lines;
  lines.reserve(store.Favorites.size());
  for (const Favorite& f : store.Favorites) lines.push_back(f.PhotoPath);
  return lines;
}

fs::path TemporaryOf(const std::string& path) {
  fs::path temp = ToFsPath(path);
  temp += ".tmp~";
  return temp;
}

void RemoveTemporaries(const std::vector<fs::path>& temps) {
  std::error_code ec;
  for (const fs::path& temp : temps) fs::remove(temp, ec);
}

}  // namespace

FavoritesStore ParseFavoritesFiles(std::string_view folders_bytes, std::string_view keys_bytes,
                                   std::string_view photos_bytes) {
  FavoritesStore store;
  std::set<std::string> listed;
  for (std::string& line : TextLines(folders_bytes)) {
    if (line.empty() || !IsUsableFavoritesPath(line) || listed.count(line) != 0) continue;
    const std::string parent = FavoritesParent(line);
    if (!parent.empty() && listed.count(parent) == 0) continue;
    listed.insert(line);
    store.Folders.push_back(std::move(line));
  }

  std::vector<std::string> keys = TextLines(keys_bytes);
  std::vector<std::string> photos = TextLines(photos_bytes);
  const std::size_t paired = std::min(keys.size(), photos.size());
  store.UnpairedLines = std::max(keys.size(), photos.size()) - paired;
  store.Favorites.reserve(paired);
  for (std::size_t i = 0; i < paired; ++i) store.Favorites.push_back({std::move(keys[i]), std::move(photos[i])});
  return store;
}

std::string FavoritesFoldersPath(const AppFolders& folders) {
  return ResolveInFolder(folders.AppFolder, kFoldersFileName);
}
std::string FavoriteKeysPath(const AppFolders& folders) { return ResolveInFolder(folders.AppFolder, kKeysFileName); }
std::string FavoritePhotosPath(const AppFolders& folders) {
  return ResolveInFolder(folders.AppFolder, kPhotosFileName);
}

FavoritesStore ReadFavoritesFiles(const AppFolders& folders) {
  return ParseFavoritesFiles(ReadIfPresent(FavoritesFoldersPath(folders)), ReadIfPresent(FavoriteKeysPath(folders)),
                             ReadIfPresent(FavoritePhotosPath(folders)));
}

void WriteFavoritesFolders(const AppFolders& folders, const FavoritesStore& store) {
  WriteDataFilesTogether({{FavoritesFoldersPath(folders), FolderLines(store)}});
}

void WriteFavoritesPair(const AppFolders& folders, const FavoritesStore& store) {
  WriteDataFilesTogether(
      {{FavoriteKeysPath(folders), KeyLines(store)}, {FavoritePhotosPath(folders), PhotoLines(store)}});
}

void WriteAllFavoritesFiles(const AppFolders& folders, const FavoritesStore& store) {
  WriteDataFilesTogether({{FavoritesFoldersPath(folders), FolderLines(store)},
                          {FavoriteKeysPath(folders), KeyLines(store)},
                          {FavoritePhotosPath(folders), PhotoLines(store)}});
}

void WriteDataFilesTogether(const std::vector<std::pair<std::string, std::vector<std::string>>>& files) {
  std::vector<fs::path> temps;
  for (const auto& [path, lines] : files) {
    std::string text;
    for (const std::string& line : lines) {
      text += line;
      text += "\r\n";
    }
    const std::string bytes = EncodeDataText(text);
    const fs::path temp = TemporaryOf(path);
    temps.push_back(temp);
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
    }
    if (!out) {
      out.close();
      RemoveTemporaries(temps);
      throw EDataFile("cannot write " + FromFsPath(temp));
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    std::error_code ec;
    fs::rename(temps[i], ToFsPath(files[i].first), ec);
    if (ec) {
      RemoveTemporaries(std::vector<fs::path>(temps.begin() + static_cast<std::ptrdiff_t>(i), temps.end()));
      throw EDataFile("cannot replace " + files[i].first + ": " + ec.message());
    }
  }
}

}  // namespace lumetta
