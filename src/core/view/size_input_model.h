#pragma once
// The custom-size dialog ("任意のサイズ"): its fields as it opens, the
// coupling of width and height through the shown photo's aspect ratio, and
// the checks before it closes with "決定".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/state/app_state.h"
#include "core/view/size_modes.h"

namespace lumetta {

// The dialog's layout choice.
enum class SizeLayoutButton { Auto, W480, W640, W800, W1024 };

class SizeInputModel {
 public:
  // The dialog as it opens: the reference size from the photo on show, the
  // layout button by SizeMode, the custom size filled in (CustomWidth 0
  // becomes 800 in the settings, whatever the dialog's end).
  explicit SizeInputModel(AppState& state);

  const std::string& Heading() const { return heading_; }      // GensunMidashiLbl
  const std::string& Reference() const { return reference_; }  // GensunLbl
  bool KeepEnabled() const { return keep_enabled_; }
  bool Keep() const { return keep_; }
  SizeLayoutButton Button() const { return button_; }
  const std::string& WidthText() const { return width_text_; }
  const std::string& HeightText() const { return height_text_; }

  // The user's changes. A width change derives the height when the aspect
  // ratio is kept, and the other way round.
  void WidthChanged(std::string_view text);
  void HeightChanged(std::string_view text);
  void ClearWidth() { WidthChanged("0"); }
  void ClearHeight() { HeightChanged("0"); }
  void SetKeep(bool keep) { keep_ = keep; }
  void SetButton(SizeLayoutButton button) { button_ = button; }

  // The leading whole numbers of the two fields (saturating; 0 for none).
  std::int32_t Width() const;
  std::int32_t Height() const;
  // The size mode the layout button stands for.
  std::uint8_t SizeMode() const;
  // Why "決定" cannot close the dialog (the message's lines), or nothing.
  std::vector<std::string> Refusal() const;
  // Whether the refusal is the range one (the caret goes to the width).
  bool OutOfRange() const;

 private:
  std::int32_t reference_width_ = 0;
  std::int32_t reference_height_ = 0;
  std::string heading_ = "表示中写真の原寸サイズ";
  std::string reference_ = "（未表示）";
  bool keep_enabled_ = false;
  bool keep_ = false;
  SizeLayoutButton button_ = SizeLayoutButton::Auto;
  std::string width_text_;
  std::string height_text_;
};

// The other side of a kept aspect ratio: trunc(other_ref / (ref / value) +
// 0.5), 0 for a value of 0 or less; also 0 without a reference size, and
// saturated to 32 bits.
std::int32_t KeptSide(std::int32_t value, std::int32_t ref, std::int32_t other_ref);

}  // namespace lumetta
