#include "core/app/panorama_commands.h"

#include "core/state/app_state.h"
#include "core/app/show_photo.h"
#include "core/state/user_interface.h"
#include "core/library/photo_sort.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

void ShowSelectedPhoto(AppState& state, UserInterface& ui) {
  const BusyCursor busy(ui);
  ShowPhoto(state, ui, state.StripPos, SortStep(state));
}

}  // namespace

void SetPanoramaMode(AppState& state, UserInterface& ui, PanoramaKind mode) {
  if (!state.UiReady) return;
  ui.SetChecked(PanoramaMenuOf(mode), true);
  state.PanoramaMode = mode;
  if (state.PhotoShown()) ShowSelectedPhoto(state, ui);
}

void JoutaiLblMouseDown(AppState& state, UserInterface& ui) {
  if (state.SlideShowActive) {
    CallHook(state.hooks.StopSlideShow);
    return;
  }
  if (!state.UiReady) return;
  if (state.InPanorama()) {
    state.PanoramaMode = PanoramaKind::None;
    ui.SetChecked(Ctl::NoPanoramicMenu, true);
    if (!state.PhotoShown()) {
      ui.SetText(Ctl::JoutaiLbl, "【写真未表示】");
      return;
    }
    ui.SetText(Ctl::JoutaiLbl, "【パノラマ解除中】");
  } else {
    state.PanoramaMode = PanoramaKind::Pair;
    ui.SetChecked(Ctl::PanoramicMenu, true);
    ui.SetText(Ctl::JoutaiLbl, "【パノラマモード】");
    if (!state.PhotoShown()) return;
  }
  ShowSelectedPhoto(state, ui);
}

}  // namespace lumetta
