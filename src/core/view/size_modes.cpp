#include "core/view/size_modes.h"

namespace lumetta {

bool IsCustomSizeMode(std::uint8_t size_mode) {
  switch (size_mode) {
    case kCustomAutoMode:
    case kCustom480Mode:
    case kCustom640Mode:
    case kCustom800Mode:
    case kCustom1024Mode:
      return true;
    default:
      return false;
  }
}

WindowLayoutKind AutoLayoutFor(std::int32_t width, std::int32_t height) {
  if (width <= 480 && height <= 360) return WindowLayoutKind::L480;
  if (width <= 640 && height <= 480) return WindowLayoutKind::L640;
  if (width > 800 || height > 600) return WindowLayoutKind::L1024;
  return WindowLayoutKind::L800;
}

bool SizeSettingsSound(const Settings& settings) {
  const std::uint8_t mode = settings.SizeMode;
  if (mode < 1 || mode > 9) return false;
  if (!IsCustomSizeMode(mode)) return true;
  const std::int32_t w = settings.CustomWidth;
  const std::int32_t h = settings.CustomHeight;
  return w >= kMinCustomWidth && w <= kMaxCustomWidth && h >= kMinCustomHeight && h <= kMaxCustomHeight;
}

void RepairSizeSettings(Settings& settings) {
  if (!SizeSettingsSound(settings)) settings.SizeMode = kSize800Mode;
}

SizeChoice SizeChoiceOf(const Settings& settings) {
  if (!SizeSettingsSound(settings)) return SizeChoice{};
  const std::int32_t w = settings.CustomWidth;
  const std::int32_t h = settings.CustomHeight;
  switch (settings.SizeMode) {
    case kSize480Mode: return {480, 360, WindowLayoutKind::L480};
    case kSize640Mode: return {640, 480, WindowLayoutKind::L640};
    case kSize1024Mode: return {1024, 768, WindowLayoutKind::L1024};
    case kCustomAutoMode: return {w, h, AutoLayoutFor(w, h)};
    case kCustom480Mode: return {w, h, WindowLayoutKind::L480};
    case kCustom640Mode: return {w, h, WindowLayoutKind::L640};
    case kCustom800Mode: return {w, h, WindowLayoutKind::L800};
    case kCustom1024Mode: return {w, h, WindowLayoutKind::L1024};
    default: return SizeChoice{};
  }
}

std::int32_t LayoutViewWidth(WindowLayoutKind layout) {
  switch (layout) {
    case WindowLayoutKind::L480: return 480;
    case WindowLayoutKind::L640: return 640;
    case WindowLayoutKind::L800: return 800;
    case WindowLayoutKind::L1024: return 1024;
  }
  return 800;
}

std::int32_t LayoutViewHeight(WindowLayoutKind layout) { return LayoutViewWidth(layout) * 3 / 4; }

std::string SizeNiniCaption(const Settings& settings) {
  if (!IsCustomSizeMode(settings.SizeMode)) return "任意の大きさ";
  return "任意（" + std::to_string(settings.CustomWidth) + "x" + std::to_string(settings.CustomHeight) + "）";
}

}  // namespace lumetta
