#pragma once
// The "並び換え" menu and the order label of the folder panel.

#include <cstdint>

namespace lumetta {

struct AppState;
class UserInterface;

// "ファイル名順", "日付時間順", "Exif日時順（速度遅）": check the item, keep the
// mode in the settings file, rescan and repaint the strip.
void FNameMenuClick(AppState& state, UserInterface& ui);
void TimeMenuClick(AppState& state, UserInterface& ui);
void ExifMenuClick(AppState& state, UserInterface& ui);

// "左から順に" and "右から順に", and a click on the order label, which flips
// the direction (or only stops a slide show).
void NarabiLeftMenuClick(AppState& state, UserInterface& ui);
void NarabiRightMenuClick(AppState& state, UserInterface& ui);
void NarabikaeLblMouseDown(AppState& state, UserInterface& ui);

// The check mark of the stored sort mode (at start-up).
void ShowSortMode(const AppState& state, UserInterface& ui);
// The direction items and the label "Ｒ" / "Ｌ" with its hint (whenever the
// main window is laid out).
void ShowSortDirection(const AppState& state, UserInterface& ui);

}  // namespace lumetta
