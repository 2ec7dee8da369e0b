// libFuzzer target: reading the three favorites files. The input holds
// "OkiniF.dat", "Okini.dat" and "Okini2.dat" one after the other, separated
// by a zero byte. Whatever they hold, what is read keeps its promises (every
// folder listed after its parent, usable as a folder name, once; keys and
// photos paired as far as both go) and survives writing and reading again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "core/base/data_file.h"
#include "core/favorites/favorite_names.h"
#include "core/favorites/favorites_files.h"
#include "core/favorites/favorites_folder_tree.h"

namespace {

std::string_view TakePart(std::string_view& rest) {
  const std::size_t zero = rest.find('\0');
  const std::string_view part = rest.substr(0, zero);
  rest = zero == std::string_view::npos ? std::string_view() : rest.substr(zero + 1);
  return part;
}

void Check(bool promise) {
  if (!promise) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 65536) return 0;
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view folders = TakePart(rest);
  const std::string_view keys = TakePart(rest);
  const std::string_view photos = TakePart(rest);
  const lumetta::FavoritesStore store = lumetta::ParseFavoritesFiles(folders, keys, photos);

  std::set<std::string> seen;
  for (const std::string& folder : store.Folders) {
    Check(!folder.empty() && lumetta::IsUsableFavoritesPath(folder) && seen.count(folder) == 0);
    const std::string parent = lumetta::FavoritesParent(folder);
    Check(parent.empty() || seen.count(parent) == 1);
    seen.insert(folder);
  }
  for (const lumetta::Favorite& favorite : store.Favorites) {
    Check(favorite.FavoriteKey.find_first_of("\r\n") == std::string::npos);
    Check(favorite.PhotoPath.find_first_of("\r\n") == std::string::npos);
  }

  // Every folder is a node of the tree, reached once in reading order.
  const lumetta::FavoritesFolderTree tree(store.Folders);
  std::size_t nodes = 0;
  for (const lumetta::FavoritesFolderNode* node = lumetta::FavoritesFolderTree::Next(tree.Root()); node != nullptr;
       node = lumetta::FavoritesFolderTree::Next(*node)) {
    Check(++nodes <= store.Folders.size());
    Check(tree.Find(node->Path) != nullptr);
  }
  Check(nodes == store.Folders.size());

  static const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("lumetta-fuzz-favorites-" + std::to_string(std::random_device{}()));
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  lumetta::AppFolders app;
  app.AppFolder = folder.string();
  try {
    lumetta::WriteAllFavoritesFiles(app, store);
    const lumetta::FavoritesStore again = lumetta::ReadFavoritesFiles(app);
    Check(again.Folders == store.Folders);
    Check(again.Favorites == store.Favorites);
    Check(again.UnpairedLines == 0);
  } catch (const lumetta::EDataFile&) {
  }
  std::filesystem::remove_all(folder, ec);
  return 0;
}
