#include "core/view/full_screen.h"

#include <algorithm>
#include <string>

#include "core/base/rounding.h"
#include "core/library/thumb_strip.h"
#include "core/state/busy.h"
#include "core/view/comment_commands.h"
#include "core/view/view_commands.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"
#include "core/imaging/resample.h"

namespace lumetta {

namespace {

constexpr std::int32_t kWheelNotch = 120;

}  // namespace

std::optional<KeptZoom> KeepZoomShare(std::int32_t shown_width, std::int32_t shown_height, double view_scale,
                                      std::int32_t from_width, std::int32_t to_width) {
  if (shown_width <= 0 || shown_height <= 0 || !(view_scale > 0) || from_width <= 0 || to_width <= 0) {
    return std::nullopt;
  }
  // The zoomed photo's width in views of the old size.
  return ZoomForWidthShare(shown_width, shown_height, to_width, (shown_width / view_scale) / from_width);
}

std::int32_t WheelNotches::Add(std::int32_t delta) {
  rest_ += delta;
  const std::int32_t notches = rest_ / kWheelNotch;
  rest_ -= notches * kWheelNotch;
  return notches;
}

void FullScreenView::Enter(std::int32_t screen_width, std::int32_t screen_height, bool slide_show) {
  if (open_) return;
  ViewState& v = state_.view;
  saved_width_ = v.ViewWidth;
  saved_height_ = v.ViewHeight;
  open_ = true;
  state_.FullScreenActive = true;
  state_.WatchArmed = false;
  v.ViewWidth = std::max(screen_width, 1);
  v.ViewHeight = std::max(screen_height, 1);
  SizeImage24(state_.FullPicture, v.ViewWidth, v.ViewHeight);
  state_.FullPicture.Fill(0, 0, 0);
  if (!slide_show && state_.PhotoShown()) RenderShown(saved_width_);
}

void FullScreenView::Leave() {
  if (!open_) return;
  ViewState& v = state_.view;
  const std::int32_t from_width = v.ViewWidth;
  v.ViewWidth = saved_width_;
  v.ViewHeight = saved_height_;
  open_ = false;
  state_.FullScreenActive = false;
  state_.WatchArmed = true;
  SizeImage24(state_.FullPicture, 1, 1);
  if (state_.PhotoShown()) RenderShown(from_width);
}

// The photo on show rendered again in the view of the moment; a zoomed
// photo keeps the share of its width that a view from_width wide showed.
void FullScreenView::RenderShown(std::int32_t from_width) {
  ViewState& v = state_.view;
  {
    const BusyCursor busy(ui_);
    if (state_.current.Edits.ZoomMode && !state_.InPanorama()) {
      if (const auto kept = KeepZoomShare(v.ShownWidth, v.ShownHeight, v.ViewScale, from_width, v.ViewWidth)) {
        v.ViewScale = kept->scale;
        v.ZoomPercent = kept->zoom_percent;
      }
      RenderZoom(state_, ui_, false);
    } else {
      RenderView(state_, ui_, state_.InPanorama());
    }
  }
  CallHook(v.hooks.RedrawComments);
}

void FullScreenView::NextPhoto(bool shift) { Step(true, shift); }

void FullScreenView::PreviousPhoto(bool shift) { Step(false, shift); }

namespace {

// Whether the photo listed at StripPos is on show (in a pane, in panorama
// mode).
bool ListedPhotoShown(const AppState& state, const std::string& listed) {
  auto is_listed = [&](const PhotoRecord& shown) {
    return shown.Name == listed && shown.Folder == state.CurrentFolder;
  };
  if (is_listed(state.current)) return true;
  if (!state.InPanorama()) return false;
  for (std::int32_t p = 1; p <= PaneCountOf(state.PanoramaMode); ++p) {
    if (is_listed(state.Panes[p])) return true;
  }
  return false;
}

}  // namespace

void FullScreenView::Step(bool forward, bool shift) {
  const std::int32_t step = forward ? 1 : -1;
  const std::string listed = state_.photos.NameAt(state_.StripPos);
  if (!listed.empty() && !ListedPhotoShown(state_, listed)) {
    // The strip was moved away from the photo on show: that photo first.
    const BusyCursor busy(ui_);
    CallHook(state_.hooks.ShowPhoto, state_.StripPos, step);
    return;
  }
  const std::int32_t count = state_.photos.PhotoCount;
  if (forward ? state_.StripPos >= count : state_.StripPos <= 1) return;
  const BusyCursor busy(ui_);
  std::int32_t next = state_.StripPos + step;
  if (!shift) {
    for (std::int32_t k = PaneCountOf(state_.PanoramaMode) - 1; k > 0 && next + step >= 1 && next + step <= count;
         --k) {
      next += step;
    }
  }
  state_.StripPos = next;
  StoreSlotStripPos(state_);
  CallHook(state_.hooks.PaintStrip, step, false);
  if (state_.photos.NameAt(next).empty()) return;
  CallHook(state_.hooks.ShowPhoto, next, step);
}

void FullScreenView::Run(FullScreenCommand command, bool shift) {
  if (!state_.UiReady) return;
  switch (command) {
    case FullScreenCommand::NextPhoto:
      Step(true, shift);
      break;
    case FullScreenCommand::PreviousPhoto:
      Step(false, shift);
      break;
    case FullScreenCommand::ToggleFill:
      ToggleFillView(state_, ui_);
      break;
    case FullScreenCommand::TurnLeft:
      TurnLeft(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::TurnRight:
      TurnRight(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::ZoomOut:
      ZoomStepDown(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::ZoomFineOut:
      ZoomFineDown(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::ZoomIn:
      ZoomStepUp(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::ZoomFineIn:
      ZoomFineUp(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::LeaveZoom:
      // Panorama mode stays: N leaves only a zoom here.
      if (state_.current.Edits.ZoomMode && !state_.InPanorama()) LeaveZoom(state_, ui_, CommandSource::Key);
      break;
    case FullScreenCommand::CommentPosition:
      CommentPositionKey(state_, ui_);
      break;
    case FullScreenCommand::CommentOnOff:
      CommentOnOffKey(state_, ui_);
      break;
    case FullScreenCommand::ToggleQuality:
      ToggleQualityMode(state_, ui_);
      break;
    case FullScreenCommand::SlideShow:
    case FullScreenCommand::Close:
    case FullScreenCommand::None:
      break;
  }
}

}  // namespace lumetta
