#pragma once
// The folder tree of the selected photo-folder slot, as the program holds
// it: the window's tree control mirrors it after every change.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumetta {

enum class FolderIcon { Folder, Archive };

class FolderNode {
 public:
  std::string Text;
  FolderIcon Icon = FolderIcon::Folder;
  bool Expanded = false;

  FolderNode* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<FolderNode>>& Children() const { return children_; }
  bool HasChildren() const { return !children_.empty(); }
  FolderNode* FirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  FolderNode* PreviousSibling() const;
  FolderNode* NextSibling() const;
  // The position among the parent's children (0 for the root).
  std::size_t Index() const;

  FolderNode& AddChild(std::string text, FolderIcon icon);

 private:
  friend class FolderTree;
  FolderNode* parent_ = nullptr;
  std::vector<std::unique_ptr<FolderNode>> children_;
};

class FolderTree {
 public:
  FolderNode* Root() const { return root_.get(); }
  bool Empty() const { return root_ == nullptr; }
  FolderNode* Selected() const { return selected_; }

  // Set while an expand or collapse of a node is handled, so that the mouse
  // press that caused it is not taken for a click on the node.
  bool ExpandInProgress = false;

  void Clear();
  FolderNode& SetRoot(std::string text);
  void Select(FolderNode* node);
  // Deletes the node's children; a selection below the node moves onto it.
  void ClearChildren(FolderNode& node);
  // Alphabetical order ignoring case (the order of the photo list's names).
  static void SortChildren(FolderNode& node, bool whole_subtree);

  // The child positions from the root down to a node, and back: how the
  // tree control names a node.
  std::vector<std::size_t> PathOf(const FolderNode& node) const;
  FolderNode* NodeAt(const std::vector<std::size_t>& path) const;

  // Told once after each batch of changes.
  std::function<void()> OnChanged;
  // Changes between BeginUpdate and the matching EndUpdate are announced
  // once, at the end of the outermost batch.
  void BeginUpdate() { ++update_depth_; }
  void EndUpdate();
  void Changed();

 private:
  std::unique_ptr<FolderNode> root_;
  FolderNode* selected_ = nullptr;
  int update_depth_ = 0;
  bool pending_ = false;
};

// Holds a batch of tree changes open for a scope.
class FolderTreeUpdate {
 public:
  explicit FolderTreeUpdate(FolderTree& tree) : tree_(tree) { tree_.BeginUpdate(); }
  ~FolderTreeUpdate() { tree_.EndUpdate(); }
  FolderTreeUpdate(const FolderTreeUpdate&) = delete;
  FolderTreeUpdate& operator=(const FolderTreeUpdate&) = delete;

 private:
  FolderTree& tree_;
};

}  // namespace lumetta
