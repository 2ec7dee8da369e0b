#include "core/state/settings_file.h"

#include "core/base/data_file.h"

namespace lumetta {

bool WriteSettingsFile(const AppState& state, UserInterface& ui) {
  try {
    SaveSettings(state.folders.SettingsFile(), state.settings);
    return true;
  } catch (const EDataFile&) {
    ui.ShowMessageBox({"設定ファイルを保存できませんでした。", state.folders.SettingsFile(),
                       "（書き込みできない場所にある可能性があります）"});
    return false;
  }
}

}  // namespace lumetta
