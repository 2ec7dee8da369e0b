#pragma once
// The brightness and contrast dialog ("明るさ・コントラスト") without its
// widgets: the values being edited, the 320 x 240 preview and what closing
// the dialog does to the photo and the view.
//
// While the dialog is open the renders go to the preview (AdjustPreviewActive)
// at the preview's size; the main view's size, scale, zoom and zoom centre
// are put aside and come back when it closes. The photo is rendered into the
// preview once, unadjusted, and kept as the base picture (WorkImage); every
// change of a value only adjusts that base again.

#include <cstdint>
#include <string>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/view_commands.h"

namespace lumetta {

inline constexpr std::int32_t kPreviewWidth = 320;
inline constexpr std::int32_t kPreviewHeight = 240;

// The track bars' ranges.
inline constexpr std::int32_t kMinBrightness = -256;
inline constexpr std::int32_t kMaxBrightness = 256;
inline constexpr std::int32_t kMinContrast = 1;
inline constexpr std::int32_t kMaxContrast = 1024;

// AkarusaLbl when the dialog opens ("  12→", "-256→") and after a move of
// the bar, which shows the sign of a positive value (" +12→").
std::string BrightnessOpenText(std::int32_t brightness);
std::string BrightnessMovedText(std::int32_t brightness);
// ContrastLbl (" 256→", "1024→").
std::string ContrastText(std::int32_t contrast);

class AkarusaModel {
 public:
  AkarusaModel(AppState& state, UserInterface& ui);
  // A dialog that never closed (its opening render failed) still gives the
  // main view its size and the renders their target back.
  ~AkarusaModel();
  AkarusaModel(const AkarusaModel&) = delete;
  AkarusaModel& operator=(const AkarusaModel&) = delete;

  // The dialog's showing: takes the photo's values, renders the photo into
  // the preview and keeps it as the base, and shows the first preview.
  // Image failures (EDibError) propagate.
  void Open();

  // The bars moved.
  void SetBrightness(std::int32_t brightness);
  void SetContrast(std::int32_t contrast);

  // Closing: "決定" (confirmed) gives the photo the values and marks its
  // edits unsaved; cancelling changes nothing. Either way the main view is
  // rendered again.
  void Close(bool confirmed);

  std::int32_t Brightness() const { return brightness_; }
  std::int32_t Contrast() const { return contrast_; }
  const std::string& AkarusaText() const { return akarusa_text_; }
  const std::string& ContrastLabelText() const { return contrast_text_; }
  // The picture the preview shows.
  const TDibImage& Preview() const { return state_.PreviewPicture; }

 private:
  void UpdatePreview();
  void RestoreView();

  AppState& state_;
  UserInterface& ui_;
  bool open_ = false;
  std::int32_t brightness_ = 0;
  std::int32_t contrast_ = 256;
  std::string akarusa_text_;
  std::string contrast_text_;
  // The main view's state while the preview borrows it.
  std::int32_t saved_width_ = 0;
  std::int32_t saved_height_ = 0;
  double saved_scale_ = 1.0;
  std::int32_t saved_zoom_ = 100;
  std::int32_t saved_centre_x_ = -1;
  std::int32_t saved_centre_y_ = -1;
};

// The menu item "明るさ・コントラスト" and the button "明るさ": refused in
// panorama mode, explained when no photo is shown, otherwise the dialog
// (UserInterface::RunAkarusaForm). Returns whether it was confirmed.
bool AkarusaCommand(AppState& state, UserInterface& ui, CommandSource source);

}  // namespace lumetta
