#pragma once
// The histogram of the main view: drawn after high-quality renders when it
// is automatic, or on a click on its panel; its two menu items.

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// Computes the histogram of the photo's part of the main view and draws it.
// Nothing while the full-screen view or the brightness preview is shown.
void ShowHistogram(AppState& state, UserInterface& ui);

// Blacks the histogram out. Nothing while the full-screen view or the
// brightness preview is shown.
void ClearHistogram(AppState& state, UserInterface& ui);

// Draws the legend and connects the renderers' histogram calls.
void InstallHistogram(AppState& state, UserInterface& ui);

// A click on the histogram's panel: shows it (busy cursor) when a photo is
// shown, it is not shown yet and no panorama mode is on.
void HistogramClick(AppState& state, UserInterface& ui);

// "自動的に表示する" and "表示欄をクリックで表示".
void HistgramAutoMenuClick(AppState& state, UserInterface& ui);
void HistgramHandMenuClick(AppState& state, UserInterface& ui);

// The check marks of the two items from the setting.
void ShowHistogramMode(const AppState& state, UserInterface& ui);

}  // namespace lumetta
