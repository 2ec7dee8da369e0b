#include "core/view/comment_commands.h"

#include <string>
#include <vector>

#include "core/state/settings_file.h"

namespace lumetta {

namespace {

const std::vector<std::string> kHiddenPhotoLines = {
    "この写真は、「コメント表示しない」", "に設定されています。", "画面右上の「保存」ボタンを押して、",
    "「この写真のコメント表示・位置を固定」のチェック", "をはずして「上書き保存」すると、コメントが表示できます。"};

const std::vector<std::string> kFixedPositionLines = {
    "この写真のコメント位置は、固定されています。", "画面右上の「保存」ボタンを押して、",
    "「この写真のコメント表示・位置を固定」のチェック", "をはずして「上書き保存」すると、コメント位置の変更が",
    "できます。"};

const std::vector<std::string> kF7Lines = {
    "『Ｆ７』キーは、写真の上にコメントを表示する際に", "どの部分に表示するかを切り替えるときに使います。",
    "『Ｆ７』キーを押すたびに、表示位置が", "切り替わります。", "（コメントの表示・非表示は『Ｆ８』キーでできます）"};

const std::vector<std::string> kF8Lines = {"『Ｆ８』キーは、写真の上にコメントを表示するか",
                                           "どうかを切り替えるときに使います。",
                                           "『Ｆ８』キーを押すたびに、表示／非表示が", "切り替わります。"};

// The position the settings give: anything unknown shows below.
std::int32_t ShownPosition(std::int32_t position) {
  return position >= kCommentBelow && position <= kCommentRight ? position : kCommentBelow;
}

}  // namespace

CommentPlan PlanComment(const AppState& state, std::int32_t p, std::int32_t view_left, std::int32_t view_top,
                        const CommentMetrics& metrics) {
  CommentPlan plan;
  if (state.AdjustPreviewActive || state.settings.CommentVisible == 0) return plan;
  const PhotoEdits& edits = state.current.Edits;
  const std::int32_t position = edits.CommentFix != 0 ? edits.CommentFix : state.settings.CommentPosition;
  if (edits.Comment.empty() || position == kCommentHidden) {
    plan.step = CommentStep::Hide;
    return plan;
  }
  const ViewState& v = state.view;
  const CommentPane pane = CommentPaneOf(state.PanoramaMode, v.ViewWidth, v.ViewHeight, p);
  plan.layout = LayOutComment(edits.Comment, position, pane, view_left, view_top, metrics);
  plan.step = plan.layout.visible ? CommentStep::Show : CommentStep::Hide;
  return plan;
}

void RedrawComments(AppState& state) {
  if (!state.InPanorama()) {
    CallHook(state.view.hooks.DrawComment, 1);
    return;
  }
  const std::int32_t panes = PaneCountOf(state.PanoramaMode);
  for (std::int32_t p = 1; p <= panes; ++p) {
    state.current.Edits.Comment = state.Panes[p].Edits.Comment;
    state.current.Edits.CommentFix = state.Panes[p].Edits.CommentFix;
    CallHook(state.view.hooks.DrawComment, p);
  }
  state.current.Edits.Comment = state.Panes[1].Edits.Comment;
  state.current.Edits.CommentFix = state.Panes[1].Edits.CommentFix;
}

void CheckCommentMenus(const AppState& state, UserInterface& ui) {
  const bool visible = state.settings.CommentVisible != 0;
  ui.SetChecked(Ctl::CommentOkMenu, visible);
  ui.SetChecked(Ctl::CommentNoneMenu, !visible);
  const std::int32_t position = ShownPosition(state.settings.CommentPosition);
  ui.SetChecked(Ctl::CommentShitaMenu, position == kCommentBelow);
  ui.SetChecked(Ctl::CommentUeMenu, position == kCommentAbove);
  ui.SetChecked(Ctl::CommentHidariMenu, position == kCommentLeft);
  ui.SetChecked(Ctl::CommentMigiMenu, position == kCommentRight);
}

void CommentOkMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.CommentVisible = 1;
  CheckCommentMenus(state, ui);
  WriteSettingsFile(state, ui);
  CallHook(state.view.hooks.RedrawComments);
  if (state.current.Edits.CommentFix == kCommentHidden) ui.ShowMessageBox(kHiddenPhotoLines);
}

void CommentNoneMenuClick(AppState& state, UserInterface& ui) {
  if (!state.UiReady) return;
  state.settings.CommentVisible = 0;
  CheckCommentMenus(state, ui);
  WriteSettingsFile(state, ui);
  CallHook(state.view.hooks.HideComments);
}

void SetCommentPosition(AppState& state, UserInterface& ui, std::int32_t position) {
  if (!state.UiReady) return;
  state.settings.CommentPosition = position;
  CheckCommentMenus(state, ui);
  WriteSettingsFile(state, ui);
  CallHook(state.view.hooks.RedrawComments);
}

std::int32_t NextCommentPosition(std::int32_t position) {
  switch (ShownPosition(position)) {
    case kCommentBelow:
      return kCommentLeft;
    case kCommentLeft:
      return kCommentAbove;
    case kCommentAbove:
      return kCommentRight;
    default:
      return kCommentBelow;
  }
}

void CommentPositionKey(AppState& state, UserInterface& ui) {
  const std::int32_t fix = state.current.Edits.CommentFix;
  if (!state.PhotoShown() || state.settings.CommentVisible != 1 || fix == kCommentHidden) {
    ui.ShowMessageBox(kF7Lines);
    return;
  }
  SetCommentPosition(state, ui, NextCommentPosition(state.settings.CommentPosition));
  if (fix != 0) ui.ShowMessageBox(kFixedPositionLines);
}

void CommentOnOffKey(AppState& state, UserInterface& ui) {
  if (!state.PhotoShown()) {
    ui.ShowMessageBox(kF8Lines);
    return;
  }
  if (state.settings.CommentVisible == 1) {
    CommentNoneMenuClick(state, ui);
  } else {
    CommentOkMenuClick(state, ui);
  }
}

void CommentImgMouseDown(AppState& state) { CallHook(state.hooks.StopSlideShow); }

}  // namespace lumetta
