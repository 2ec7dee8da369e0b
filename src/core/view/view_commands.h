#pragma once
// The commands that change how the current photo is shown: zoom steps, the
// numeric zoom, double-click zoom and dragging the zoom window, leaving zoom
// and panorama mode, quarter turns, resetting all edits, wide (fill) mode and
// the quality mode.
//
// Every command does nothing while UiReady is false. Commands that need a
// photo explain themselves in a message box when none is shown (the button's
// or the menu item's text; the key map shows its own before calling), and
// editing commands refuse in panorama mode.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// Where a command came from, for its help message when no photo is shown.
enum class CommandSource { Button, Menu, Key };

// Shows the panorama message and returns true in panorama mode.
bool PanoramaEditGuard(AppState& state, UserInterface& ui);

// The menu item that a panorama mode checks.
Ctl PanoramaMenuOf(PanoramaKind mode);

void ZoomStepUp(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);
void ZoomStepDown(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);
void ZoomFineUp(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);
void ZoomFineDown(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);

// Back to the fitted view of the photo alone; acts only in zoom or panorama
// mode.
void LeaveZoom(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);

void TurnRight(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);
void TurnLeft(AppState& state, UserInterface& ui, CommandSource source = CommandSource::Button);

// "全ての編集を解除".
void ResetAllEdits(AppState& state, UserInterface& ui);

// The menu items "高画質モード" (0) and "高速モード" (1); the label click
// toggles.
void SetQualityMode(AppState& state, UserInterface& ui, QualityModeKind mode);
void ToggleQualityMode(AppState& state, UserInterface& ui);

// Wide mode: the view covered by the photo, the overflow cut off.
void ToggleFillView(AppState& state, UserInterface& ui);

// The mouse on the view. Positions are view pixels, drag positions screen
// pixels.
void ViewMouseMove(AppState& state, UserInterface& ui, std::int32_t x, std::int32_t y);
void ViewDoubleClick(AppState& state, UserInterface& ui, std::int32_t x, std::int32_t y);
void ViewMiddleButton(AppState& state, UserInterface& ui);
void ViewDragStart(AppState& state, std::int32_t screen_x, std::int32_t screen_y);
void ViewDragMove(AppState& state, UserInterface& ui, std::int32_t screen_x, std::int32_t screen_y);
void ViewDragEnd(AppState& state, UserInterface& ui);

// A click on RitsuLbl or HenshuLbl: the numeric zoom. run_dialog shows the
// dialog and returns the text entered, or nothing when it was cancelled.
void NumericZoomClick(AppState& state, UserInterface& ui,
                      const std::function<std::optional<std::string>()>& run_dialog);

enum class NumericZoomResult { Applied, OutOfRange, TooLarge };
// Reads the dialog's text as a zoom value, explains a refusal in a message
// box, or zooms to it.
NumericZoomResult ApplyNumericZoom(AppState& state, UserInterface& ui, std::string_view text);

// The dialog's GensunLbl: shown width "x" height "→" zoom "%".
std::string GensunText(const AppState& state);

// The quality, effect and sharpness labels, in the form the layout in force
// uses (the compact "Q"/"S" of the 640 layout, or the quality panel's).
void UpdateModeLabels(const AppState& state, UserInterface& ui);
// Whether the settings' size mode lays the window out in the 640 layout.
bool CompactModeLabels(const Settings& settings);

}  // namespace lumetta
