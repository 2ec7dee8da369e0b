#pragma once
// A program state with a photo-folder slot in a temporary folder, the calls
// it makes into the strip and the watcher recorded, and the folder tree
// written out as indented lines.

#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/library/photo_extensions.h"
#include "fake_ui.h"
#include "temp_dir.h"

namespace lumetta::testing_support {

struct FolderFixture {
  FolderFixture() {
    const SpecialFolders special{dir / "home/Desktop", dir / "home/Documents", dir / "home/Pictures"};
    state.folders = MakeAppFolders(dir.MakeDir("app"), special);
    CreateDataFolders(state.folders);
    state.PhotoExtensions = BuildPhotoExtensions({});
    AppHooks& h = state.hooks;
    h.CheckSlotRadio = [this](std::int32_t slot) { calls.push_back("radio " + std::to_string(slot)); };
    h.PaintStrip = [this](std::int32_t order, bool keep_hover) {
      calls.push_back("strip " + std::to_string(order) + (keep_hover ? " hover" : ""));
    };
    h.ClearStrip = [this] { calls.push_back("grey strip"); };
    h.SetDirectory = [this](const std::string& folder) { watched = folder; };
    h.StopSlideShow = [this] { calls.push_back("stop slide show"); };
    h.RenameFavoritePhotoFolder = [this](const std::string& from, const std::string& to) {
      calls.push_back("favorites " + from + " -> " + to);
    };
  }

  // Makes root the folder of slot, as at start-up, and selects it.
  void UseSlot(std::int32_t slot, const std::string& root) {
    state.settings.SlotFolder[slot] = root;
    state.SlotLastFolder[slot] = root;
    state.SlotIndex = slot;
    state.CurrentFolder = root;
  }

  // One line per node: its text indented by depth, "[zip]" for an archive,
  // "+" when expanded, "<" when selected.
  std::vector<std::string> Tree() const {
    std::vector<std::string> lines;
    if (const FolderNode* root = state.tree.Root()) AddLines(*root, 0, lines);
    return lines;
  }

  TempDir dir;
  AppState state;
  FakeUi ui;
  std::vector<std::string> calls;
  std::string watched;

 private:
  void AddLines(const FolderNode& node, int depth, std::vector<std::string>& lines) const {
    std::string line(static_cast<std::size_t>(depth) * 2, ' ');
    line += node.Text;
    if (node.Icon == FolderIcon::Archive) line += " [zip]";
    if (node.Expanded) line += " +";
    if (&node == state.tree.Selected()) line += " <";
    lines.push_back(line);
    for (const auto& child : node.Children()) AddLines(*child, depth + 1, lines);
  }
};

}  // namespace lumetta::testing_support
