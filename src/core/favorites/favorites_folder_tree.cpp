#include "core/favorites/favorites_folder_tree.h"

#include <algorithm>
#include <functional>

#include "core/base/name_collation.h"
#include "core/favorites/favorite_names.h"

namespace lumetta {

namespace {

FavoritesFolderNode* ChildNamed(FavoritesFolderNode& node, std::string_view name) {
  for (auto& child : node.Children) {
    if (child->Text == name) return child.get();
  }
  return nullptr;
}

void SortLevels(FavoritesFolderNode& node) {
  std::stable_sort(node.Children.begin(), node.Children.end(),
                   [](const auto& a, const auto& b) { return CompareNames(a->Text, b->Text) < 0; });
  for (auto& child : node.Children) SortLevels(*child);
}

std::size_t IndexInParent(const FavoritesFolderNode& node) {
  const auto& siblings = node.Parent->Children;
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == &node) return i;
  }
  return 0;
}

}  // namespace

FavoritesFolderTree::FavoritesFolderTree(const std::vector<std::string>& folders)
    : root_(std::make_unique<FavoritesFolderNode>()) {
  root_->Text = std::string(kTopFavoritesCaption);
  for (const std::string& line : folders) {
    if (line.empty()) continue;
    const std::vector<std::string> names = FavoritesComponents(line);
    FavoritesFolderNode* node = root_.get();
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
      if (FavoritesFolderNode* child = ChildNamed(*node, names[i])) node = child;
    }
    auto child = std::make_unique<FavoritesFolderNode>();
    child->Text = names.back();
    child->Path = line;
    child->Parent = node;
    node->Children.push_back(std::move(child));
  }
  SortLevels(*root_);
}

const FavoritesFolderNode* FavoritesFolderTree::Find(std::string_view path) const {
  std::function<const FavoritesFolderNode*(const FavoritesFolderNode&)> search =
      [&](const FavoritesFolderNode& node) -> const FavoritesFolderNode* {
    if (node.Path == path) return &node;
    for (const auto& child : node.Children) {
      if (const FavoritesFolderNode* found = search(*child)) return found;
    }
    return nullptr;
  };
  return search(*root_);
}

const FavoritesFolderNode* FavoritesFolderTree::Next(const FavoritesFolderNode& node) {
  if (!node.Children.empty()) return node.Children.front().get();
  for (const FavoritesFolderNode* n = &node; n->Parent != nullptr; n = n->Parent) {
    const std::size_t i = IndexInParent(*n);
    if (i + 1 < n->Parent->Children.size()) return n->Parent->Children[i + 1].get();
  }
  return nullptr;
}

const FavoritesFolderNode* FavoritesFolderTree::Previous(const FavoritesFolderNode& node) {
  if (node.Parent == nullptr) return nullptr;
  const std::size_t i = IndexInParent(node);
  if (i == 0) return node.Parent;
  const FavoritesFolderNode* n = node.Parent->Children[i - 1].get();
  while (!n->Children.empty()) n = n->Children.back().get();
  return n;
}

const FavoritesFolderNode* FavoritesFolderTree::SiblingBeforeOrParent(const FavoritesFolderNode& node) {
  if (node.Parent == nullptr) return nullptr;
  const std::size_t i = IndexInParent(node);
  return i == 0 ? node.Parent : node.Parent->Children[i - 1].get();
}

}  // namespace lumetta
