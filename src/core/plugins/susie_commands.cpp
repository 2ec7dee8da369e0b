#include "core/plugins/susie_commands.h"

#include <algorithm>

#include "core/base/paths.h"
#include "core/plugins/spis.h"

namespace lumetta {

namespace {
constexpr int kGridMinimumPluginRows = 12;
constexpr int kGridExtraRows = 3;  // the heading and two empty rows
}  // namespace

std::vector<PluginGridRow> PluginGridRows(const TSPIs& plugins) {
  std::vector<PluginGridRow> rows;
  for (int i = 0; i < plugins.Count(); ++i) {
    const TSPI& plugin = plugins.Plugin(i);
    PluginGridRow row;
    row.FileName = FileNameOf(plugin.PluginPath());
    row.Name = plugin.PluginName();
    if (!plugin.FilterList().empty()) row.Filter = plugin.FilterList().front();
    if (!plugin.FormatList().empty()) row.Format = plugin.FormatList().front();
    rows.push_back(std::move(row));
  }
  return rows;
}

int PluginGridRowCount(int plugin_count) { return std::max(plugin_count, kGridMinimumPluginRows) + kGridExtraRows; }

const std::vector<std::string>& SusieFolderQuestion() {
  static const std::vector<std::string> lines = {"「Lumetta」フォルダを開きます。",
                                                 "※フォルダ内のファイルを書き換えたりしないでください。",
                                                 "（書き換えると正常に動作しなくなることがあります）",
                                                 "",
                                                 "「Lumetta」フォルダ内に、ダウンロードした",
                                                 "「Susieプラグイン」ファイルをコピーすればＯＫです。"};
  return lines;
}

void SusieFolderCommand(const std::string& app_folder, UserInterface& ui) {
  if (ui.AskYesNo(SusieFolderQuestion()) == 1) ui.OpenInFileManager(app_folder);
}

void SusieHomePageCommand(const std::string& app_folder, UserInterface& ui) {
  ui.OpenDocument(JoinPath(app_folder, "Plugin.html"));
}

}  // namespace lumetta
