#include "core/view/quality_switch.h"

#include "core/view/view_commands.h"
#include "core/view/view_render.h"

namespace lumetta {

QualitySwitch OfferHighQuality(AppState& state, UserInterface& ui, const std::vector<std::string>& lines) {
  if (HighQualityMode(state)) return QualitySwitch::AlreadyHighQuality;
  if (ui.AskYesNo(lines) != 1) return QualitySwitch::Declined;
  SetQualityMode(state, ui, QualityModeKind::HighQuality);
  return QualitySwitch::Switched;
}

}  // namespace lumetta
