#pragma once
// The panorama commands: the four menu items that choose one photo, two
// side by side (the first on the left or on the right) or four, and the
// click on the status label that goes in and out of the two-photo mode.

#include "core/state/current_photo.h"

namespace lumetta {

struct AppState;
class UserInterface;

// "ノーマル（１枚）表示", "パノラマ（２枚）表示", "パノラマ（２枚逆）表示",
// "パノラマ（４枚）表示": checks the item and shows the photo under the
// strip's selection in the new mode. Nothing while UiReady is false.
void SetPanoramaMode(AppState& state, UserInterface& ui, PanoramaKind mode);

// A click on JoutaiLbl: stops a slide show; otherwise leaves panorama mode,
// or enters the two-photo mode, and shows the selected photo so.
void JoutaiLblMouseDown(AppState& state, UserInterface& ui);

}  // namespace lumetta
