#pragma once
// Pressing the mouse on the folder tree, and the folder dialog it opens with
// the right button: rename the current folder, delete it when it is empty,
// or create a new folder inside it.

#include <string>

namespace lumetta {

struct AppState;
class FolderNode;
class UserInterface;

// A mouse press on the tree; node is the node under the pointer, if any.
void FolderTreeMouseDown(AppState& state, UserInterface& ui, FolderNode* node, bool right_button);

// Opens the folder dialog for a folder; returns how it closed.
int OpenFolderForm(AppState& state, UserInterface& ui, const std::string& folder, bool rename_only);

// "名前を変更" of the folder dialog: renames folder to the typed name and
// makes everything that named it follow. False keeps the dialog open (the
// name was refused or the rename failed).
bool RenameDiskFolder(AppState& state, UserInterface& ui, const std::string& folder, const std::string& typed);

// "上記フォルダを削除（空のみ削除可能）": removes CurrentFolder when it is empty
// and not the slot root.
void DeleteCurrentFolder(AppState& state, UserInterface& ui);

// "上記フォルダ内に、新しいフォルダを作成": creates "新しいフォルダ" in
// CurrentFolder and offers to rename it.
void CreateFolderInCurrent(AppState& state, UserInterface& ui);

}  // namespace lumetta
