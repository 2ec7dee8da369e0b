#include "core/library/sort_commands.h"

#include "core/state/app_state.h"
#include "core/state/settings_file.h"
#include "core/state/user_interface.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"

namespace lumetta {

namespace {

constexpr const char* kNarabikaeHint =
    "現在の並び換えモードです。ここをクリック、もしくは画面上部の「並び換え」メニューで、切り替えることができます。";

// The rescan that follows every change of order, with the strip kept on the
// slot's photo.
void Reorder(AppState& state, UserInterface& ui) {
  WriteSettingsFile(state, ui);
  ScanFolder(state, ui);
  if (IsSlot(state.SlotIndex)) {
    state.SlotStripPos[state.SlotIndex] = state.StripPos;
  }
  CallHook(state.hooks.PaintStrip, 1, true);
}

void SetSortMode(AppState& state, UserInterface& ui, SortKey mode) {
  if (!state.UiReady) return;
  state.settings.SortMode = mode;
  ShowSortMode(state, ui);
  Reorder(state, ui);
}

void ApplySortDirection(AppState& state, UserInterface& ui) {
  ShowSortDirection(state, ui);
  Reorder(state, ui);
}

}  // namespace

void ShowSortMode(const AppState& state, UserInterface& ui) {
  const SortKey mode = state.settings.SortMode;
  ui.SetChecked(Ctl::FNameMenu, mode != SortKey::FileTime && mode != SortKey::ExifDate);
  ui.SetChecked(Ctl::TimeMenu, mode == SortKey::FileTime);
  ui.SetChecked(Ctl::ExifMenu, mode == SortKey::ExifDate);
}

void ShowSortDirection(const AppState& state, UserInterface& ui) {
  const bool from_right = state.settings.SortDirection == SortOrder::FromRight;
  ui.SetChecked(Ctl::NarabiRightMenu, from_right);
  ui.SetChecked(Ctl::NarabiLeftMenu, !from_right);
  ui.SetText(Ctl::NarabikaeLbl, from_right ? "Ｒ" : "Ｌ");
  ui.SetHint(Ctl::NarabikaeLbl, kNarabikaeHint);
}

void FNameMenuClick(AppState& state, UserInterface& ui) { SetSortMode(state, ui, SortKey::Name); }
void TimeMenuClick(AppState& state, UserInterface& ui) { SetSortMode(state, ui, SortKey::FileTime); }
void ExifMenuClick(AppState& state, UserInterface& ui) { SetSortMode(state, ui, SortKey::ExifDate); }

void NarabiLeftMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.SortDirection = SortOrder::FromLeft;
  ApplySortDirection(state, ui);
}

void NarabiRightMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.SortDirection = SortOrder::FromRight;
  ApplySortDirection(state, ui);
}

void NarabikaeLblMouseDown(AppState& state, UserInterface& ui) {
  if (state.SlideShowActive) {
    CallHook(state.hooks.StopSlideShow);
    return;
  }
  if (!state.UiReady) return;
  state.settings.SortDirection =
      state.settings.SortDirection == SortOrder::FromLeft ? SortOrder::FromRight : SortOrder::FromLeft;
  ApplySortDirection(state, ui);
}

}  // namespace lumetta
