#pragma once
// The size modes of the main window: the photo view's size and the window
// layout that surrounds it, from SizeMode, CustomWidth and CustomHeight.

#include <cstdint>
#include <string>

#include "core/state/settings.h"

namespace lumetta {

// The four window layouts, named after the view size they were drawn for.
enum class WindowLayoutKind { L480, L640, L800, L1024 };

// The size modes the size menu's items set.
inline constexpr std::uint8_t kSize480Mode = 1;
inline constexpr std::uint8_t kSize640Mode = 2;
inline constexpr std::uint8_t kSize800Mode = 3;
inline constexpr std::uint8_t kSize1024Mode = 8;
// Custom sizes: the layout chosen by the size, or the 480, 640, 800 or 1024 one.
inline constexpr std::uint8_t kCustomAutoMode = 4;
inline constexpr std::uint8_t kCustom480Mode = 5;
inline constexpr std::uint8_t kCustom640Mode = 6;
inline constexpr std::uint8_t kCustom800Mode = 7;
inline constexpr std::uint8_t kCustom1024Mode = 9;

// The custom view sizes the dialog accepts.
inline constexpr std::int32_t kMinCustomWidth = 32;
inline constexpr std::int32_t kMaxCustomWidth = 1024;
inline constexpr std::int32_t kMinCustomHeight = 32;
inline constexpr std::int32_t kMaxCustomHeight = 768;

struct SizeChoice {
  std::int32_t ViewWidth = 800;
  std::int32_t ViewHeight = 600;
  WindowLayoutKind Layout = WindowLayoutKind::L800;
};

bool IsCustomSizeMode(std::uint8_t size_mode);

// The layout a custom size chooses for itself.
WindowLayoutKind AutoLayoutFor(std::int32_t width, std::int32_t height);

// The view size and the layout of the settings. Settings that no dialog can
// produce (a damaged file) give the 800 x 600 view, so nothing larger or
// smaller than a layout's view ever reaches the renderers.
SizeChoice SizeChoiceOf(const Settings& settings);

// Whether SizeMode and, for a custom mode, the custom size are ones the
// program itself writes.
bool SizeSettingsSound(const Settings& settings);

// Puts damaged size settings back to the 800 x 600 mode; sound ones are kept.
void RepairSizeSettings(Settings& settings);

// The largest view a layout holds.
std::int32_t LayoutViewWidth(WindowLayoutKind layout);
std::int32_t LayoutViewHeight(WindowLayoutKind layout);

// The caption of the custom size's menu item: the size while a custom mode
// is in force.
std::string SizeNiniCaption(const Settings& settings);

}  // namespace lumetta
