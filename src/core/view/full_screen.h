#pragma once
// The full-screen view: the photo on the whole screen of the main window.
// While it is open FullScreenActive routes every render to FullPicture with
// the screen's size as the view size; a zoomed photo keeps the share of its
// width that the view shows when the view changes size either way.
//
// The window shows FullPicture and turns its keys, wheel and mouse into the
// operations here and those of the view's commands.

#include <cstdint>
#include <optional>

#include "core/state/app_state.h"
#include "core/state/key_map.h"
#include "core/state/user_interface.h"
#include "core/view/view_geometry.h"

namespace lumetta {

// The zoom that shows the same share of the photo's width in a view of
// to_width as the current zoom shows in a view of from_width.
// Nothing when there is nothing to keep (no shown size, a view without
// width) or the new zoom would pass the size limit.
std::optional<KeptZoom> KeepZoomShare(std::int32_t shown_width, std::int32_t shown_height, double view_scale,
                                      std::int32_t from_width, std::int32_t to_width);

// The wheel: fine wheels and touchpads send parts of a notch; the parts add
// up and every whole notch (120) is one step.
class WheelNotches {
 public:
  // Adds a wheel delta; returns the whole notches now complete, negative
  // when turned towards the user.
  std::int32_t Add(std::int32_t delta);

 private:
  std::int32_t rest_ = 0;
};

class FullScreenView {
 public:
  FullScreenView(AppState& state, UserInterface& ui) : state_(state), ui_(ui) {}

  bool Open() const { return open_; }

  // Opens the view on a screen of width x height: the main view's size is
  // kept aside, the watcher disarmed, and the photo on show rendered at the
  // screen's size (keeping its zoom share). With slide_show the show that
  // opened the view draws it, and nothing is rendered.
  void Enter(std::int32_t screen_width, std::int32_t screen_height, bool slide_show);
  // Closes it: the main view's size comes back and the photo is rendered
  // there again (keeping the zoom share).
  void Leave();

  // X (and the wheel towards the user) and Z (away): the next or previous
  // photo of the strip; in panorama mode a whole set of panes unless shift.
  void NextPhoto(bool shift);
  void PreviousPhoto(bool shift);

  // A key's command (shift held or not) other than the slide show and
  // closing, which belong to the window.
  void Run(FullScreenCommand command, bool shift);

 private:
  void Step(bool forward, bool shift);
  void RenderShown(std::int32_t from_width);

  AppState& state_;
  UserInterface& ui_;
  bool open_ = false;
  std::int32_t saved_width_ = 0;
  std::int32_t saved_height_ = 0;
};

}  // namespace lumetta
