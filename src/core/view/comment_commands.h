#pragma once
// The comment overlay's decisions and commands: whether and where the
// comment of a pane shows, the redraw of every pane, and the menu items and
// keys that switch comments on and off and move them.

#include <cstdint>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/view/comment_layout.h"

namespace lumetta {

// What the overlay of a pane does on a redraw.
enum class CommentStep {
  Keep,  // nothing changes (comments are off, or the brightness preview is shown)
  Hide,  // no comment to show: the pane's overlay is hidden
  Show,  // layout holds what to show
};

struct CommentPlan {
  CommentStep step = CommentStep::Keep;
  CommentLayout layout;  // for Show (a layout that does not fit is hidden)
};

// The overlay of pane p (1..4; 1 outside panorama mode) for the current
// photo's Comment and CommentFix, over the view's image lying at
// (view_left, view_top) of the overlay's parent, with the whole view's size
// in state.view.
CommentPlan PlanComment(const AppState& state, std::int32_t p, std::int32_t view_left, std::int32_t view_top,
                        const CommentMetrics& metrics);

// Draws the comment of every pane through the DrawComment hook: in panorama
// mode each pane's comment in turn is made the current one (pane 1's is
// current again afterwards).
void RedrawComments(AppState& state);

// The comment menu's check marks as the settings give them.
void CheckCommentMenus(const AppState& state, UserInterface& ui);

// "コメント表示 ［Ｆ8］" and "コメント非表示 ［Ｆ8］".
void CommentOkMenuClick(AppState& state, UserInterface& ui);
void CommentNoneMenuClick(AppState& state, UserInterface& ui);
// "写真上側" (2), "写真下側" (1), "写真左側（縦書き）" (3), "写真右側（縦書き）" (4).
void SetCommentPosition(AppState& state, UserInterface& ui, std::int32_t position);

// The position after position in the F7 cycle: below, left, above, right.
std::int32_t NextCommentPosition(std::int32_t position);

// F7: the next position; F8: comments on or off.
void CommentPositionKey(AppState& state, UserInterface& ui);
void CommentOnOffKey(AppState& state, UserInterface& ui);

// A click on an overlay stops a running or paused slide show.
void CommentImgMouseDown(AppState& state);

}  // namespace lumetta
