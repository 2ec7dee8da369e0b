#pragma once
// The calls the view's operations make into features built elsewhere: the
// histogram, the comment overlay, the thumbnail cache and strip and the
// full-screen view (showing a photo goes through AppHooks::ShowPhoto). Each
// is set by the feature that carries it out; one not set does nothing.

#include <cstdint>
#include <functional>
#include <utility>

namespace lumetta {

struct ViewHooks {
  // The histogram of what the main view shows.
  std::function<void()> ShowHistogram;
  std::function<void()> ClearHistogram;
  // The comment laid over the photo.
  std::function<void()> RedrawComments;
  std::function<void()> HideComments;
  // Draws the comment of one panorama pane (1..4; 1 outside panorama mode)
  // over the photo just rendered, with the whole view's size in effect.
  std::function<void(std::int32_t pane)> DrawComment;
  // The global comment settings were changed from elsewhere (the slide
  // show's dialog): the comment menu's check marks follow them.
  std::function<void()> CommentSettingsChanged;
  // A turn of the current photo: its rotation recorded for the thumbnail
  // cache (and its cached thumbnail dropped), and the strip's entry updated.
  std::function<void()> RecordThumbnailRotation;
  std::function<void()> UpdateStripRotation;
  // The middle button on the view.
  std::function<void()> OpenFullScreen;
};

// Calls a hook when it is set.
template <typename Hook, typename... Args>
void CallHook(const Hook& hook, Args&&... args) {
  if (hook) hook(std::forward<Args>(args)...);
}

}  // namespace lumetta
