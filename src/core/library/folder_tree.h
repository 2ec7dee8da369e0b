#pragma once
// The folder tree of the selected photo-folder slot: building it, filling
// nodes as they are opened, opening a node's folder, and stepping through
// it from the keyboard and the mouse wheel.

#include <string>

namespace lumetta {

struct AppState;
class FolderNode;
class UserInterface;

// The selected slot's root folder, or "" without a slot.
const std::string& SlotRoot(const AppState& state);

// The folder of a node: the slot root and the texts of the nodes below it.
std::string NodeFolder(const AppState& state, const FolderNode& node);

// Empties the tree.
void ClearFolderTree(AppState& state);

// Builds the tree of the selected slot's root and opens it down to target
// as far as target's folders are found; the deepest one found is selected.
void RebuildTree(AppState& state, UserInterface& ui, const std::string& target);

// Lists a node's children: the sub-folders of a folder (with their own
// sub-folders, so that the tree shows what can be opened, and further down
// only towards CurrentFolder) and its ZIP archives, or the folders and
// archives inside an archive. The node is expanded. A folder that cannot be
// listed gives no children; a link back to a folder above is left out.
void FillNode(AppState& state, UserInterface& ui, FolderNode& node, const std::string& path);

// Opens the node's folder: lists its photos and repaints the strip. An
// expand or collapse has filled the node already.
void OpenNode(AppState& state, UserInterface& ui, FolderNode& node, bool from_expand);

// The tree control expanded or collapsed a node.
void FolderTreeExpanded(AppState& state, UserInterface& ui, FolderNode& node);
void FolderTreeCollapsed(AppState& state, UserInterface& ui, FolderNode& node);

// The next folder in the tree's reading order, and the previous sibling or
// the parent; each opens the folder it reaches.
void NextFolder(AppState& state, UserInterface& ui);
void PreviousFolder(AppState& state, UserInterface& ui);

}  // namespace lumetta
