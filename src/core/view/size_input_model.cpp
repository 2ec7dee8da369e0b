#include "core/view/size_input_model.h"

#include <cmath>
#include <limits>

#include "core/base/numbers.h"
#include "core/view/view_geometry.h"

namespace lumetta {

std::int32_t KeptSide(std::int32_t value, std::int32_t ref, std::int32_t other_ref) {
  if (value <= 0 || ref <= 0 || other_ref <= 0) return 0;
  const double side = std::trunc(other_ref / (static_cast<double>(ref) / value) + 0.5);
  if (side >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(side);
}

SizeInputModel::SizeInputModel(AppState& state) {
  if (state.PhotoShown()) {
    if (state.current.Edits.ZoomMode) {
      reference_width_ = state.view.ViewWidth;
      reference_height_ = state.view.ViewHeight;
      heading_ = "現在の写真表示サイズ";
    } else {
      reference_width_ = state.view.ShownWidth;
      reference_height_ = state.view.ShownHeight;
    }
    reference_ = SizeText(reference_width_, reference_height_);
    keep_enabled_ = true;
    keep_ = true;
  }
  switch (state.settings.SizeMode) {
    case kSize800Mode:
    case kCustom800Mode: button_ = SizeLayoutButton::W800; break;
    case kCustom480Mode: button_ = SizeLayoutButton::W480; break;
    case kCustom640Mode: button_ = SizeLayoutButton::W640; break;
    case kSize1024Mode:
    case kCustom1024Mode: button_ = SizeLayoutButton::W1024; break;
    default: button_ = SizeLayoutButton::Auto; break;
  }
  if (state.settings.CustomWidth == 0) state.settings.CustomWidth = 800;
  WidthChanged(std::to_string(state.settings.CustomWidth));
  HeightChanged(std::to_string(state.settings.CustomHeight));
}

void SizeInputModel::WidthChanged(std::string_view text) {
  width_text_ = std::string(text);
  const std::int32_t w = Width();
  if (w == 0) width_text_ = "0";
  if (keep_) height_text_ = std::to_string(KeptSide(w, reference_width_, reference_height_));
}

void SizeInputModel::HeightChanged(std::string_view text) {
  height_text_ = std::string(text);
  const std::int32_t h = Height();
  if (h == 0) height_text_ = "0";
  if (keep_) width_text_ = std::to_string(KeptSide(h, reference_height_, reference_width_));
}

std::int32_t SizeInputModel::Width() const { return ParseLeadingInt(width_text_); }
std::int32_t SizeInputModel::Height() const { return ParseLeadingInt(height_text_); }

std::uint8_t SizeInputModel::SizeMode() const {
  switch (button_) {
    case SizeLayoutButton::W1024: return kCustom1024Mode;
    case SizeLayoutButton::W800: return kCustom800Mode;
    case SizeLayoutButton::W640: return kCustom640Mode;
    case SizeLayoutButton::W480: return kCustom480Mode;
    case SizeLayoutButton::Auto: return kCustomAutoMode;
  }
  return kCustomAutoMode;
}

bool SizeInputModel::OutOfRange() const {
  const std::int32_t w = Width();
  const std::int32_t h = Height();
  return w < kMinCustomWidth || w > kMaxCustomWidth || h < kMinCustomHeight || h > kMaxCustomHeight;
}

std::vector<std::string> SizeInputModel::Refusal() const {
  if (OutOfRange()) return {"入力されたサイズは、範囲を超えています。"};
  WindowLayoutKind layout = WindowLayoutKind::L1024;
  switch (button_) {
    case SizeLayoutButton::W480: layout = WindowLayoutKind::L480; break;
    case SizeLayoutButton::W640: layout = WindowLayoutKind::L640; break;
    case SizeLayoutButton::W800: layout = WindowLayoutKind::L800; break;
    default: break;
  }
  if (Width() > LayoutViewWidth(layout) || Height() > LayoutViewHeight(layout)) {
    return {"Lumetta本体のWindowの大きさが", "写真表示サイズよりも小さく指定されています。"};
  }
  return {};
}

}  // namespace lumetta
