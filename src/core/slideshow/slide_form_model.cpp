#include "core/slideshow/slide_form_model.h"

#include <algorithm>
#include <optional>

#include "core/library/photo_sort.h"
#include "core/library/thumb_strip.h"
#include "core/slideshow/slide_settings.h"
#include "core/state/settings_file.h"
#include "core/view/effect_commands.h"
#include "core/view/sharpness_commands.h"
#include "core/view/view_commands.h"
#include "core/view/view_render.h"

namespace lumetta {

namespace {

void MoveStripToFirstPhoto(AppState& state) {
  const std::int32_t count = state.photos.PhotoCount;
  state.StripPos = SortStep(state) == 1 ? std::min(count, 1) : count;
  StoreSlotStripPos(state);
  CallHook(state.hooks.PaintStrip, 1, false);
}

}  // namespace

bool StripOnLastPhoto(const AppState& state) {
  const std::int32_t last = SortStep(state) == 1 ? state.photos.PhotoCount : std::min(state.photos.PhotoCount, 1);
  return state.StripPos == last || !state.photos.Valid(state.StripPos);
}

SlideFormValues SlideFormValuesOf(const AppState& state) {
  const Settings& s = state.settings;
  SlideFormValues v;
  v.from_first = StripOnLastPhoto(state);
  v.repeat = s.SlideRepeat != 0;
  v.next_folder = s.SlideNextFolder != 0;
  v.comment_visible = s.CommentVisible != 0;
  v.comment_position = std::clamp(s.CommentPosition, 1, 4);
  const bool listed =
      std::find(kSlideIntervalCodes.begin(), kSlideIntervalCodes.end(), s.SlideInterval) != kSlideIntervalCodes.end();
  v.interval_code = s.SlideInterval == 0 || listed ? s.SlideInterval : 10;
  v.custom_seconds = std::to_string(std::clamp(s.SlideCustomSeconds, 1, kMaxCustomSeconds));
  v.quality_mode = s.QualityMode;
  v.sharpness = s.GlobalSharpness;
  v.effect = std::clamp(s.GlobalEffect, 0, 3);
  v.transition = s.SlideTransition >= 1 && s.SlideTransition <= 3 ? s.SlideTransition : 0;
  v.star_sand_speed = std::clamp(s.StarSandSpeed, 0, 4);
  v.page_direction = std::clamp(s.PageDirection, 0, 3);
  v.page_speed = std::clamp(s.PageSpeed, 0, 4);
  v.fade_mode = std::clamp(s.FadeMode, 0, 3);
  v.fade_speed = std::clamp(s.FadeSpeed, 0, 4);
  v.panorama_mode = state.PanoramaMode;
  return v;
}

bool StoreSlideForm(AppState& state, UserInterface& ui, const SlideFormValues& values) {
  const std::optional<std::int32_t> custom = ParseCustomSeconds(values.custom_seconds);
  if (!custom) {
    ui.ShowMessageBox(CustomSecondsRefusal());
    return false;
  }
  Settings& s = state.settings;
  s.SlideInterval = values.interval_code;
  s.SlideCustomSeconds = *custom;
  s.SlideRepeat = values.repeat ? 1 : 0;
  s.SlideNextFolder = values.next_folder ? 1 : 0;
  s.SlideTransition = values.transition;
  s.StarSandSpeed = values.star_sand_speed;
  s.PageDirection = values.page_direction;
  s.PageSpeed = values.page_speed;
  s.FadeMode = values.fade_mode;
  s.FadeSpeed = values.fade_speed;

  s.QualityMode = values.quality_mode;
  ui.SetChecked(Ctl::KougashitsuMenu, values.quality_mode == QualityModeKind::HighQuality);
  ui.SetChecked(Ctl::KousokuMenu, values.quality_mode == QualityModeKind::HighSpeed);
  const std::int32_t old_global_sharpness = s.GlobalSharpness;
  s.GlobalSharpness = values.sharpness;
  CheckGlobalSharpnessMenu(state, ui);
  s.GlobalEffect = values.effect;
  CheckGlobalEffectMenu(state, ui);
  UpdateModeLabels(state, ui);
  // The photo on show is sharpened anew in the mode it was drawn in.
  SharpenChange(state, ui, state.current.Edits.Sharpness, old_global_sharpness);
  s.CommentVisible = values.comment_visible ? 1 : 0;
  s.CommentPosition = values.comment_position;
  CallHook(state.view.hooks.CommentSettingsChanged);
  state.PanoramaMode = values.panorama_mode;
  ui.SetChecked(PanoramaMenuOf(values.panorama_mode), true);

  WriteSettingsFile(state, ui);
  if (values.from_first) MoveStripToFirstPhoto(state);
  return true;
}

}  // namespace lumetta
