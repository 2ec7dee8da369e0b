#pragma once
// The plug-in window's contents and buttons: the grid of loaded plug-ins,
// opening the program's folder and the plug-in download page.

#include <string>
#include <vector>

#include "core/state/user_interface.h"

namespace lumetta {

class TSPIs;

struct PluginGridRow {
  std::string FileName;  // of the plug-in's path
  std::string Name;      // PluginName
  std::string Filter;    // the first filter, or empty
  std::string Format;    // the first format name, or empty
};

// One row per plug-in, in load order.
std::vector<PluginGridRow> PluginGridRows(const TSPIs& plugins);

// Rows of the grid, its heading included: at least 12 rows of plug-ins and
// two to spare.
int PluginGridRowCount(int plugin_count);

// "「Lumetta」フォルダを開く": asks first, then opens app_folder in the file
// manager.
void SusieFolderCommand(const std::string& app_folder, UserInterface& ui);
const std::vector<std::string>& SusieFolderQuestion();

// "「Susieプラグイン」のダウンロード": opens the download page kept in the
// program's folder with the desktop's handler.
void SusieHomePageCommand(const std::string& app_folder, UserInterface& ui);

}  // namespace lumetta
