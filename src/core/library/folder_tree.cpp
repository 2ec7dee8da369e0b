#include "core/state/busy.h"
#include "core/library/folder_tree.h"

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/archive/archive_error.h"
#include "core/archive/entry_names.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_scan.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

bool IsSeparator(char c) { return c == '/' || c == kPathSeparator; }

bool SlotSelected(const AppState& state) { return IsSlot(state.SlotIndex); }

// The real place of a folder, or an empty path when it cannot be resolved.
fs::path RealPath(const std::string& folder) {
  std::error_code ec;
  fs::path real = fs::canonical(ToFsPath(folder), ec);
  return ec ? fs::path() : real;
}

// True when outer is inner or one of the folders above it.
bool IsWithin(const fs::path& inner, const fs::path& outer) {
  auto i = inner.begin();
  for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
    if (i == inner.end() || *i != *o) return false;
  }
  return true;
}

// The real places of a node's folder and of every folder above it: a link
// that leads back into one of them would make the tree endless.
using FolderChain = std::vector<fs::path>;

FolderChain ChainOf(const AppState& state, const FolderNode& node, const std::string& path) {
  FolderChain chain;
  if (fs::path real = RealPath(path); !real.empty()) chain.push_back(std::move(real));
  for (const FolderNode* above = node.Parent(); above != nullptr; above = above->Parent()) {
    if (fs::path real = RealPath(NodeFolder(state, *above)); !real.empty()) chain.push_back(std::move(real));
  }
  return chain;
}

bool LeadsBackUp(const fs::directory_entry& entry, const FolderChain& chain) {
  std::error_code ec;
  if (entry.symlink_status(ec).type() == fs::file_type::directory && !ec) return false;
  const fs::path target = fs::canonical(entry.path(), ec);
  if (ec) return true;  // a dangling or looping link is no folder to show
  for (const fs::path& folder : chain) {
    if (IsWithin(folder, target)) return true;
  }
  return false;
}

struct FolderListing {
  std::vector<std::string> Folders;
  std::vector<std::string> Archives;
};

// The sub-folders (and, when asked, the ZIP files) of a folder in the order
// the platform lists them; nothing at all when the folder cannot be read.
FolderListing ListFolder(const std::string& folder, const FolderChain& chain, bool with_archives) {
  FolderListing listing;
  std::error_code ec;
  fs::directory_iterator it(ToFsPath(folder), ec);
  if (ec) return {};
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) return {};
    std::error_code type_ec;
    const std::string name = FromFsPath(it->path().filename());
    if (it->is_directory(type_ec)) {
      if (!LeadsBackUp(*it, chain)) listing.Folders.push_back(name);
    } else if (with_archives && it->is_regular_file(type_ec) && IsArchiveFileName(name)) {
      listing.Archives.push_back(name);
    }
  }
  return listing;
}

// The folder components of path below root ("" and separators skipped),
// or none when path does not lie below root.
std::vector<std::string> ComponentsBelow(std::string_view path, std::string_view root) {
  std::vector<std::string> parts;
  if (path.size() < root.size() || !SameNameIgnoringCase(path.substr(0, root.size()), root)) return parts;
  std::string_view rest = path.substr(root.size());
  if (!rest.empty() && !IsSeparator(rest.front()) && !(!root.empty() && IsSeparator(root.back()))) return parts;
  std::string part;
  for (char c : rest) {
    if (IsSeparator(c)) {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += c;
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

// The first child whose text equals the components from index on, ignoring
// case; a child inside an archive may stand for several components
// ("a/b"). Returns the child and how many components it takes.
std::pair<FolderNode*, std::size_t> FindChild(const FolderNode& node, const std::vector<std::string>& parts,
                                              std::size_t index) {
  for (const auto& child : node.Children()) {
    std::size_t count = 1;
    for (char c : child->Text) count += c == '/' ? 1 : 0;
    if (index + count > parts.size()) continue;
    std::string joined = parts[index];
    for (std::size_t k = 1; k < count; ++k) joined += "/" + parts[index + k];
    if (SameNameIgnoringCase(joined, child->Text)) return {child.get(), count};
  }
  return {nullptr, 0};
}

void AddFolders(FolderNode& node, const std::vector<std::string>& names) {
  for (const std::string& name : names) node.AddChild(name, FolderIcon::Folder);
}

// Below the grandchildren only the way to CurrentFolder is listed further,
// so that the nodes on it show whether they can be opened.
void ExtendTowardsCurrentFolder(AppState& state, FolderNode& node, const std::string& path, FolderChain chain) {
  const std::vector<std::string> parts = ComponentsBelow(state.CurrentFolder, path);
  FolderNode* at = &node;
  std::string at_path = path;
  std::size_t index = 0;
  for (int level = 0; index < parts.size(); ++level) {
    auto [child, used] = FindChild(*at, parts, index);
    if (child == nullptr || child->Icon != FolderIcon::Folder) return;
    at = child;
    index += used;
    at_path = JoinPath(at_path, child->Text);
    if (fs::path real = RealPath(at_path); !real.empty()) chain.push_back(std::move(real));
    if (level < 1) continue;  // children and grandchildren are listed already
    if (!at->HasChildren()) {
      AddFolders(*at, ListFolder(at_path, chain, false).Folders);
      FolderTree::SortChildren(*at, false);
    }
  }
}

void FillArchiveNode(AppState& state, UserInterface& ui, FolderNode& node, const std::string& path) {
  const ArchivePathParts parts = SplitArchivePath(path);
  if (parts.ArchiveFile.empty()) return;
  node.Icon = parts.InnerPath.empty() ? FolderIcon::Archive : FolderIcon::Folder;
  if (BrowsableArchive(state, path).ArchiveFile.empty()) return;
  std::vector<std::string> children;
  try {
    const BusyCursor busy(ui);
    children = ListArchiveChildren(state.folders.TempFolder, parts.ArchiveFile, parts.InnerPath);
  } catch (const EArchive&) {
    ui.ShowMessageBox({UnreadableArchiveMessage(parts.ArchiveFile)});
    return;
  }
  for (const std::string& name : children) {
    if (!name.empty() && name.back() == '/') {
      node.AddChild(name.substr(0, name.size() - 1), FolderIcon::Folder);
    } else {
      node.AddChild(name, FolderIcon::Archive);
    }
  }
}

void ExpandOrCollapse(AppState& state, UserInterface& ui, FolderNode& node, bool expand) {
  FolderTree& tree = state.tree;
  ui.SetFocus(Ctl::DummyBtn);
  // The mouse press that caused this comes next and is no click on a node.
  tree.ExpandInProgress = true;
  node.Expanded = expand;
  if (state.SlideShowActive) {
    CallHook(state.hooks.StopSlideShow);
    tree.Changed();
    return;
  }
  if (!state.UiReady) {
    tree.Changed();
    return;
  }
  tree.Select(&node);
  // Filling on expand lets the new children show whether they hold folders.
  if (expand) FillNode(state, ui, node, NodeFolder(state, node));
  OpenNode(state, ui, node, true);
  tree.Changed();
}

bool TreeUsable(const AppState& state) { return SlotSelected(state) && !SlotRoot(state).empty(); }

}  // namespace

const std::string& SlotRoot(const AppState& state) {
  static const std::string none;
  return SlotSelected(state) ? state.settings.SlotFolder[state.SlotIndex] : none;
}

std::string NodeFolder(const AppState& state, const FolderNode& node) {
  std::vector<const FolderNode*> below;
  for (const FolderNode* n = &node; n->Parent() != nullptr; n = n->Parent()) below.push_back(n);
  std::string folder = SlotRoot(state);
  for (auto it = below.rbegin(); it != below.rend(); ++it) folder = JoinPath(folder, (*it)->Text);
  return folder;
}

void ClearFolderTree(AppState& state) { state.tree.Clear(); }

void FillNode(AppState& state, UserInterface& ui, FolderNode& node, const std::string& path) {
  FolderTree& tree = state.tree;
  const FolderTreeUpdate batch(tree);
  tree.ClearChildren(node);
  if (IsDirectory(path)) {
    const FolderChain chain = ChainOf(state, node, path);
    const FolderListing listing = ListFolder(path, chain, state.ZipAvailable);
    AddFolders(node, listing.Folders);
    for (const std::string& name : listing.Archives) node.AddChild(name, FolderIcon::Archive);
    for (const auto& child : node.Children()) {
      if (child->Icon != FolderIcon::Folder) continue;
      const std::string child_path = JoinPath(path, child->Text);
      FolderChain child_chain = chain;
      if (fs::path real = RealPath(child_path); !real.empty()) child_chain.push_back(std::move(real));
      AddFolders(*child, ListFolder(child_path, child_chain, false).Folders);
      FolderTree::SortChildren(*child, false);
    }
    ExtendTowardsCurrentFolder(state, node, path, chain);
  } else {
    FillArchiveNode(state, ui, node, path);
  }
  FolderTree::SortChildren(node, false);
  node.Expanded = true;
  tree.Changed();
}

void RebuildTree(AppState& state, UserInterface& ui, const std::string& target) {
  FolderTree& tree = state.tree;
  const FolderTreeUpdate batch(tree);
  tree.Clear();
  const std::string root = SlotRoot(state);
  if (root.empty() || !IsDirectory(root)) return;

  const UiNotReady not_ready(state);
  const BusyCursor busy(ui);
  std::string root_text = FileNameOf(root);
  if (root_text.empty()) root_text = root;
  FolderNode& root_node = tree.SetRoot(root_text);
  FillNode(state, ui, root_node, root);

  const std::vector<std::string> parts = ComponentsBelow(target, root);
  FolderNode* deepest = &root_node;
  for (std::size_t index = 0; index < parts.size();) {
    auto [child, used] = FindChild(*deepest, parts, index);
    if (child == nullptr) {
      ++index;
      continue;
    }
    deepest = child;
    index += used;
    FillNode(state, ui, *child, NodeFolder(state, *child));
  }

  FolderTree::SortChildren(root_node, true);
  tree.Select(deepest);
  deepest->Expanded = true;
  tree.Changed();
}

void OpenNode(AppState& state, UserInterface& ui, FolderNode& node, bool from_expand) {
  const std::string& root = SlotRoot(state);
  if (root.empty() || !IsDirectory(root)) {
    CallHook(state.hooks.ClearStrip);
    return;
  }
  const std::string folder = NodeFolder(state, node);
  if (folder == state.CurrentFolder) return;
  CallHook(state.hooks.ClearStrip);
  state.CurrentFolder = folder;
  if (!from_expand) FillNode(state, ui, node, folder);
  state.SlotLastFolder[state.SlotIndex] = state.CurrentFolder;
  state.SlotStripPos[state.SlotIndex] = 1;
  ScanFolder(state, ui);
  CallHook(state.hooks.PaintStrip, 1, true);
}

void FolderTreeExpanded(AppState& state, UserInterface& ui, FolderNode& node) {
  ExpandOrCollapse(state, ui, node, true);
}

void FolderTreeCollapsed(AppState& state, UserInterface& ui, FolderNode& node) {
  ExpandOrCollapse(state, ui, node, false);
}

void PreviousFolder(AppState& state, UserInterface& ui) {
  if (!TreeUsable(state)) return;
  ui.SetFocus(Ctl::DummyBtn);
  FolderTree& tree = state.tree;
  FolderNode* node = tree.Selected();
  if (node == nullptr || node->Parent() == nullptr) return;
  FolderNode* target = node->PreviousSibling();
  if (target != nullptr) {
    node->Expanded = false;
    tree.ExpandInProgress = false;
  } else {
    target = node->Parent();
  }
  tree.Select(target);
  tree.Changed();
  OpenNode(state, ui, *target, false);
}

void NextFolder(AppState& state, UserInterface& ui) {
  if (!TreeUsable(state)) return;
  ui.SetFocus(Ctl::DummyBtn);
  FolderTree& tree = state.tree;
  FolderNode* node = tree.Selected();
  if (node == nullptr) return;
  FolderNode* target = node->FirstChild();
  if (target == nullptr) target = node->NextSibling();
  for (FolderNode* above = node->Parent(); target == nullptr && above != nullptr; above = above->Parent()) {
    if (above->Parent() == nullptr) {
      target = above;
      break;
    }
    above->Expanded = false;
    tree.ExpandInProgress = false;
    target = above->NextSibling();
  }
  if (target == nullptr) target = tree.Root();
  tree.Select(target);
  tree.Changed();
  OpenNode(state, ui, *target, false);
}

}  // namespace lumetta
