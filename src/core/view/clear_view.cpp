#include "core/view/clear_view.h"

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

void ClearView(AppState& state, UserInterface& ui) {
  if (state.FullScreenActive) {
    state.FullPicture.Fill(0, 0, 0);
    ui.RepaintPicture(Picture::FullImg);
  } else {
    state.ViewPicture.Fill(128, 128, 128);
    ui.RepaintPicture(Picture::ViewImg);
  }
  CallHook(state.view.hooks.HideComments);
  CallHook(state.view.hooks.ClearHistogram);
  state.current.Name.clear();
  state.EditsDirty = false;
}

}  // namespace lumetta
