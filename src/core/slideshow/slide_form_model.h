#pragma once
// The settings dialog of the slide show ("スライドショー（自動コマ送り観賞）"):
// what its controls show when it opens, and what "スタート" stores.

#include <cstdint>
#include <string>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

struct SlideFormValues {
  bool from_first = true;  // "最初から" (else "カーソル位置から")
  bool repeat = false;     // "繰り返し観賞"
  bool next_folder = true;  // "次のフォルダへ"
  bool comment_visible = true;
  std::int32_t comment_position = 1;  // 1 "下部", 2 "上部", 3 "左側", 4 "右側"
  std::int32_t interval_code = 5;     // 1, 5, 10, 30, 60; 0 "任意"
  std::string custom_seconds = "1";   // the field beside "任意"
  QualityModeKind quality_mode = QualityModeKind::HighQuality;
  std::int32_t sharpness = 12;        // a global level (0 none)
  std::int32_t effect = 0;            // global colour effect 0..3
  std::int32_t transition = 2;        // SlideTransitionKind
  std::int32_t star_sand_speed = 2;
  std::int32_t page_direction = 0;
  std::int32_t page_speed = 3;
  std::int32_t fade_mode = 0;
  std::int32_t fade_speed = 2;
  PanoramaKind panorama_mode = PanoramaKind::None;
};

// The controls as the dialog opens: the settings in force, and "最初から"
// when the strip stands on the last photo in display order.
SlideFormValues SlideFormValuesOf(const AppState& state);

// "スタート": refuses a custom interval that is not a whole number of
// 1..99999 seconds (message, false). Otherwise stores every value into the
// slide show's and the global settings with their menu check marks,
// applies the sharpness change, writes the settings file and, with
// "最初から", puts the strip on the first photo in display order.
bool StoreSlideForm(AppState& state, UserInterface& ui, const SlideFormValues& values);

// Whether the strip stands on the last photo in display order (or on none).
bool StripOnLastPhoto(const AppState& state);

}  // namespace lumetta
