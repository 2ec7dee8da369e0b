#pragma once
// The renders of the current photo: fitted (RenderView) and zoomed
// (RenderZoom, with the zoom window copied out by ShowZoomWindow), in the
// high-quality or high-speed way, onto the render target of the moment.
//
// Every render reads DecodedPhoto, the current photo's edits and the view
// state; it leaves the view state, the status texts and the target's pixels
// as the user sees them. Image failures (EDibError) propagate.

#include <cstdint>

#include "core/state/busy.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/resample.h"

namespace lumetta {

// The photo's own effect and sharpness, or the global ones when the photo
// follows them (0).
std::int32_t CurrentEffect(const AppState& state);
std::int32_t CurrentSharpness(const AppState& state);

bool HighQualityMode(const AppState& state);

// The slide show's buffer, the full-screen image, the brightness preview or
// the main view, in that order of precedence.
TDibImage& RenderTarget(AppState& state);
Picture RenderTargetPicture(const AppState& state);

// The per-pixel treatments of the render that is about to run.
QualityTreatment QualityTreatmentOf(const AppState& state);
SpeedTreatment SpeedTreatmentOf(const AppState& state);

// Sets a zoom value and its scale.
void SetZoomValue(AppState& state, std::int32_t zoom_percent);

// The fitted render. With panorama set it hands over to ShowPhoto(0), which
// renders each pane through RenderView(false).
void RenderView(AppState& state, UserInterface& ui, bool panorama);

// The zoom render for the current ViewScale and ZoomPercent.
void RenderZoom(AppState& state, UserInterface& ui, bool panorama);

// Copies the zoom window out of ZoomImage onto the target; with finish set
// the shown pixels are also sharpened and the histogram updated.
void ShowZoomWindow(AppState& state, UserInterface& ui, bool finish);

// Sharpens the area just drawn on the target (high quality only).
void SharpenView(AppState& state);

// After a change of the photo's or the global sharpness from old_sharpness
// and old_global: a photo that was sharpened is rendered again, one that was
// not is only sharpened as shown.
void SharpenChange(AppState& state, UserInterface& ui, std::int32_t old_sharpness, std::int32_t old_global);

// Renders the photo again as it is shown (zoomed or fitted).
void RenderAgain(AppState& state, UserInterface& ui);

}  // namespace lumetta
