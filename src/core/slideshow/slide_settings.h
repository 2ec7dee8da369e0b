#pragma once
// The slide show's settings as the show uses them: the interval, the
// transition with its speed tables, and the custom interval typed into the
// settings dialog.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct Settings;

enum class SlideTransitionKind : std::int32_t { None = 0, StarSand = 1, PageTurn = 2, Fade = 3 };
enum class PageDirectionKind : std::int32_t { FromLeft = 0, FromRight = 1, FromTop = 2, FromBottom = 3 };
enum class FadeModeKind : std::int32_t { OutAndIn = 0, OutThenIn = 1, InOnly = 2, OutOnly = 3 };

// Per speed choice 0 ("速さ５（速い）") to 4 ("速さ１（繊細）"): how often star
// sand repaints during its copy, the width of a page-turn strip, and the
// number of fade steps.
inline constexpr std::array<std::int32_t, 5> kStarSandRepaints{10, 50, 100, 500, 1000};
inline constexpr std::array<std::int32_t, 5> kPageStripWidths{12, 6, 3, 2, 1};
inline constexpr std::array<std::int32_t, 5> kFadeSteps{8, 16, 32, 64, 128};

// The interval codes of the dialog's buttons "１秒" … "60秒"; 0 is "任意".
inline constexpr std::array<std::int32_t, 5> kSlideIntervalCodes{1, 5, 10, 30, 60};
inline constexpr std::int32_t kMaxCustomSeconds = 99999;

struct TransitionChoice {
  SlideTransitionKind kind = SlideTransitionKind::None;
  std::int32_t star_sand_repaints = 100;
  PageDirectionKind page_direction = PageDirectionKind::FromLeft;
  std::int32_t page_strip = 2;
  FadeModeKind fade_mode = FadeModeKind::OutAndIn;
  std::int32_t fade_steps = 32;
};

// The transition the settings choose. A transition code other than 1..3 is
// none; a speed, direction or mode index outside its list (a hand-edited
// settings file) is brought into it.
TransitionChoice TransitionChoiceOf(const Settings& settings);

// Seconds per photo: the custom seconds (1..99999) for code 0, else 1, 5,
// 30 or 60, and 10 for any other code.
std::int32_t SlideIntervalSeconds(const Settings& settings);

// The dialog's custom interval: a whole number 1..99999 (leading blanks and
// a plus sign allowed), no "."; nothing otherwise.
std::optional<std::int32_t> ParseCustomSeconds(std::string_view text);

// The message that refuses a custom interval.
const std::vector<std::string>& CustomSecondsRefusal();

}  // namespace lumetta
