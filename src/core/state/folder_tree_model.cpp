#include "core/state/folder_tree_model.h"

#include <algorithm>

#include "core/base/name_collation.h"

namespace lumetta {

std::size_t FolderNode::Index() const {
  if (parent_ == nullptr) return 0;
  const auto& siblings = parent_->children_;
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return i;
  }
  return 0;
}

FolderNode* FolderNode::PreviousSibling() const {
  if (parent_ == nullptr) return nullptr;
  const std::size_t i = Index();
  return i == 0 ? nullptr : parent_->children_[i - 1].get();
}

FolderNode* FolderNode::NextSibling() const {
  if (parent_ == nullptr) return nullptr;
  const std::size_t i = Index() + 1;
  return i < parent_->children_.size() ? parent_->children_[i].get() : nullptr;
}

FolderNode& FolderNode::AddChild(std::string text, FolderIcon icon) {
  auto child = std::make_unique<FolderNode>();
  child->Text = std::move(text);
  child->Icon = icon;
  child->parent_ = this;
  children_.push_back(std::move(child));
  return *children_.back();
}

void FolderTree::Clear() {
  if (!root_) return;
  root_.reset();
  selected_ = nullptr;
  Changed();
}

FolderNode& FolderTree::SetRoot(std::string text) {
  root_ = std::make_unique<FolderNode>();
  root_->Text = std::move(text);
  selected_ = nullptr;
  Changed();
  return *root_;
}

void FolderTree::Select(FolderNode* node) {
  if (selected_ == node) return;
  selected_ = node;
  Changed();
}

void FolderTree::ClearChildren(FolderNode& node) {
  for (const FolderNode* n = selected_; n != nullptr; n = n->parent_) {
    if (n->parent_ == &node) {
      selected_ = &node;
      break;
    }
  }
  node.children_.clear();
  Changed();
}

void FolderTree::SortChildren(FolderNode& node, bool whole_subtree) {
  std::stable_sort(node.children_.begin(), node.children_.end(),
                   [](const auto& a, const auto& b) { return CompareNames(a->Text, b->Text) < 0; });
  if (!whole_subtree) return;
  for (auto& child : node.children_) SortChildren(*child, true);
}

std::vector<std::size_t> FolderTree::PathOf(const FolderNode& node) const {
  std::vector<std::size_t> path;
  for (const FolderNode* n = &node; n->parent_ != nullptr; n = n->parent_) path.push_back(n->Index());
  std::reverse(path.begin(), path.end());
  return path;
}

FolderNode* FolderTree::NodeAt(const std::vector<std::size_t>& path) const {
  FolderNode* node = root_.get();
  for (std::size_t i : path) {
    if (node == nullptr || i >= node->children_.size()) return nullptr;
    node = node->children_[i].get();
  }
  return node;
}

void FolderTree::EndUpdate() {
  if (update_depth_ > 0) --update_depth_;
  if (update_depth_ == 0 && pending_) {
    pending_ = false;
    if (OnChanged) OnChanged();
  }
}

void FolderTree::Changed() {
  if (update_depth_ > 0) {
    pending_ = true;
    return;
  }
  pending_ = false;
  if (OnChanged) OnChanged();
}

}  // namespace lumetta
