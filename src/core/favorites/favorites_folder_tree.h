#pragma once
// The tree of favorites folders as the favorites window and the add dialog
// show it: the top folder "お気に入り", every folder of "OkiniF.dat" below its
// parent, each level in alphabetical order.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct FavoritesFolderNode {
  std::string Text;  // the folder's own name ("お気に入り" for the top)
  std::string Path;  // its path ("" for the top)
  FavoritesFolderNode* Parent = nullptr;
  std::vector<std::unique_ptr<FavoritesFolderNode>> Children;
};

class FavoritesFolderTree {
 public:
  // Each folder line in order: its names walked from the top among the
  // children already there, its last name added as a child of the node the
  // walk reached.
  explicit FavoritesFolderTree(const std::vector<std::string>& folders);

  const FavoritesFolderNode& Root() const { return *root_; }
  // The node of a folder path, or nothing.
  const FavoritesFolderNode* Find(std::string_view path) const;

  // The next and previous node in reading order: into the first child, on
  // to the next sibling, out past the last child; back to the previous
  // sibling's last descendant or to the parent. Nothing past either end.
  static const FavoritesFolderNode* Next(const FavoritesFolderNode& node);
  static const FavoritesFolderNode* Previous(const FavoritesFolderNode& node);
  // The preceding sibling, or else the parent (nothing for the top).
  static const FavoritesFolderNode* SiblingBeforeOrParent(const FavoritesFolderNode& node);

 private:
  std::unique_ptr<FavoritesFolderNode> root_;
};

}  // namespace lumetta
