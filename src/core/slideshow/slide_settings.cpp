#include "core/slideshow/slide_settings.h"

#include <algorithm>

#include "core/state/settings.h"

namespace lumetta {

namespace {

std::size_t SpeedIndex(std::int32_t index) { return static_cast<std::size_t>(std::clamp(index, 0, 4)); }

}  // namespace

TransitionChoice TransitionChoiceOf(const Settings& settings) {
  TransitionChoice choice;
  switch (settings.SlideTransition) {
    case 1:
      choice.kind = SlideTransitionKind::StarSand;
      break;
    case 2:
      choice.kind = SlideTransitionKind::PageTurn;
      break;
    case 3:
      choice.kind = SlideTransitionKind::Fade;
      break;
    default:
      choice.kind = SlideTransitionKind::None;
      break;
  }
  choice.star_sand_repaints = kStarSandRepaints[SpeedIndex(settings.StarSandSpeed)];
  choice.page_direction = static_cast<PageDirectionKind>(std::clamp(settings.PageDirection, 0, 3));
  choice.page_strip = kPageStripWidths[SpeedIndex(settings.PageSpeed)];
  choice.fade_mode = static_cast<FadeModeKind>(std::clamp(settings.FadeMode, 0, 3));
  choice.fade_steps = kFadeSteps[SpeedIndex(settings.FadeSpeed)];
  return choice;
}

std::int32_t SlideIntervalSeconds(const Settings& settings) {
  switch (settings.SlideInterval) {
    case 0:
      return std::clamp(settings.SlideCustomSeconds, 1, kMaxCustomSeconds);
    case 1:
    case 5:
    case 30:
    case 60:
      return settings.SlideInterval;
    default:
      return 10;
  }
}

std::optional<std::int32_t> ParseCustomSeconds(std::string_view text) {
  if (text.find('.') != std::string_view::npos) return std::nullopt;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && text[i] == '+') ++i;
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > kMaxCustomSeconds) return std::nullopt;
  }
  if (value < 1) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

const std::vector<std::string>& CustomSecondsRefusal() {
  static const std::vector<std::string> lines = {"表示間隔の秒数は", "１秒以上の整数が指定できます。"};
  return lines;
}

}  // namespace lumetta
