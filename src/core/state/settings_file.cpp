#include "core/state/settings_file.h"

#include "core/base/data_file.h"

namespace lumetta {

bool WriteSettingsFile(const AppState& state, UserInterface& ui) {
  try {
    // The file holds where the window is now, also when it is saved while
    // the program runs.
    Settings settings = state.settings;
    if (const auto position = ui.MainWindowPosition()) {
      settings.WindowLeft = position->first;
      settings.WindowTop = position->second;
    }
    SaveSettings(state.folders.SettingsFile(), settings);
    return true;
  } catch (const EDataFile&) {
    ui.ShowMessageBox({"設定ファイルを保存できませんでした。", state.folders.SettingsFile(),
                       "（書き込みできない場所にある可能性があります）"});
    return false;
  }
}

}  // namespace lumetta
