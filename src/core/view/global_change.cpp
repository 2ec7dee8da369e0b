#include "core/view/global_change.h"

#include "core/state/settings_file.h"
#include "core/view/view_commands.h"

namespace lumetta {

std::optional<ShownBefore> ChangeGlobalSetting(AppState& state, UserInterface& ui, const GlobalSetting& setting,
                                               std::int32_t value) {
  ShownBefore before{0, state.settings.*setting.global, QualitySwitch::AlreadyHighQuality};
  state.settings.*setting.global = value;
  setting.check_menu(state, ui);
  if (setting.labels_first) UpdateModeLabels(state, ui);
  WriteSettingsFile(state, ui);
  if (!setting.labels_first) UpdateModeLabels(state, ui);

  before.offered = OfferHighQuality(state, ui, setting.switch_lines);
  if (before.offered == QualitySwitch::Declined) return std::nullopt;
  PhotoEdits& edits = state.current.Edits;
  before.own = edits.*setting.own;
  if (state.PhotoShown() && edits.*setting.own != 0) {
    if (ui.AskYesNo(setting.own_question) != 1) return std::nullopt;
    edits.*setting.own = 0;
    state.EditsDirty = true;
  }
  return before;
}

}  // namespace lumetta
