#include "core/view/comment_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/state/settings.h"
#include "support/fake_ui.h"
#include "support/temp_dir.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::TempDir;

CommentMetrics FixedMetrics() {
  CommentMetrics m;
  m.text_width = [](std::string_view text, const CommentFont&) {
    return text == "Ｗ" ? 19 : 16 * static_cast<std::int32_t>(text.size() / 3);
  };
  m.text_height = [](std::string_view, const CommentFont&) { return 21; };
  return m;
}

struct CommentFixture {
  CommentFixture() {
    state.folders.AppFolder = app.Path();
    state.current.Name = "a.jpg";
    state.current.Edits.Comment = "写真";
    state.view.hooks.RedrawComments = [this] { ++redraws; };
    state.view.hooks.HideComments = [this] { ++hides; };
    state.view.hooks.DrawComment = [this](std::int32_t p) {
      drawn.emplace_back(p, state.current.Edits.Comment + "/" + std::to_string(state.current.Edits.CommentFix));
    };
    state.hooks.StopSlideShow = [this] { ++slide_stops; };
  }
  Settings Stored() const { return LoadSettings(state.folders.SettingsFile()); }
  std::vector<std::string> LastBox() const { return ui.boxes.empty() ? std::vector<std::string>{} : ui.boxes.back().lines; }

  TempDir app;
  AppState state;
  FakeUi ui;
  int redraws = 0;
  int hides = 0;
  int slide_stops = 0;
  std::vector<std::pair<std::int32_t, std::string>> drawn;
};

TEST(CommentCommands, F7CyclesBelowLeftAboveRight) {
  CommentFixture f;
  struct Step {
    std::int32_t position;
    Ctl checked;
  };
  const std::vector<Step> cycle = {{3, Ctl::CommentHidariMenu},
                                   {2, Ctl::CommentUeMenu},
                                   {4, Ctl::CommentMigiMenu},
                                   {1, Ctl::CommentShitaMenu}};
  int redraws = 0;
  for (const Step& step : cycle) {
    CommentPositionKey(f.state, f.ui);
    EXPECT_EQ(f.state.settings.CommentPosition, step.position);
    EXPECT_EQ(f.Stored().CommentPosition, step.position);
    EXPECT_EQ(f.redraws, ++redraws);
    for (Ctl menu : {Ctl::CommentShitaMenu, Ctl::CommentUeMenu, Ctl::CommentHidariMenu, Ctl::CommentMigiMenu}) {
      EXPECT_EQ(f.ui.checked[menu], menu == step.checked) << step.position;
    }
  }
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(NextCommentPosition(7), 3);
}

TEST(CommentCommands, F7OnAFixedPhotoMovesTheSettingAndSaysWhyNothingMoves) {
  CommentFixture f;
  f.state.current.Edits.CommentFix = 2;
  CommentPositionKey(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentPosition, 3);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.LastBox().size(), 5u);
  EXPECT_EQ(f.LastBox()[0], "この写真のコメント位置は、固定されています。");
  EXPECT_EQ(f.LastBox()[4], "できます。");
}

TEST(CommentCommands, F7ExplainsItselfWhenItCannotMoveTheComment) {
  struct Case {
    std::string label;
    bool shown;
    std::int32_t visible;
    std::int32_t fix;
  };
  for (const Case& c : std::vector<Case>{{"no photo", false, 1, 0}, {"comments off", true, 0, 0}, {"fixed hidden", true, 1, -1}}) {
    CommentFixture f;
    if (!c.shown) f.state.current.Name.clear();
    f.state.settings.CommentVisible = c.visible;
    f.state.current.Edits.CommentFix = c.fix;
    CommentPositionKey(f.state, f.ui);
    EXPECT_EQ(f.state.settings.CommentPosition, 1) << c.label;
    ASSERT_EQ(f.ui.boxes.size(), 1u) << c.label;
    EXPECT_EQ(f.LastBox(), (std::vector<std::string>{"『Ｆ７』キーは、写真の上にコメントを表示する際に",
                                                      "どの部分に表示するかを切り替えるときに使います。",
                                                      "『Ｆ７』キーを押すたびに、表示位置が", "切り替わります。",
                                                      "（コメントの表示・非表示は『Ｆ８』キーでできます）"}))
        << c.label;
  }
}

TEST(CommentCommands, F8SwitchesCommentsOffAndOn) {
  CommentFixture f;
  CommentOnOffKey(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentVisible, 0);
  EXPECT_EQ(f.Stored().CommentVisible, 0);
  EXPECT_EQ(f.hides, 1);
  EXPECT_TRUE(f.ui.checked[Ctl::CommentNoneMenu]);
  EXPECT_FALSE(f.ui.checked[Ctl::CommentOkMenu]);
  CommentOnOffKey(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentVisible, 1);
  EXPECT_EQ(f.Stored().CommentVisible, 1);
  EXPECT_EQ(f.redraws, 1);
  EXPECT_TRUE(f.ui.checked[Ctl::CommentOkMenu]);
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(CommentCommands, F8WithoutPhotoExplainsItself) {
  CommentFixture f;
  f.state.current.Name.clear();
  CommentOnOffKey(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentVisible, 1);
  EXPECT_EQ(f.LastBox(), (std::vector<std::string>{"『Ｆ８』キーは、写真の上にコメントを表示するか",
                                                    "どうかを切り替えるときに使います。",
                                                    "『Ｆ８』キーを押すたびに、表示／非表示が", "切り替わります。"}));
}

TEST(CommentCommands, SwitchingOnForAPhotoFixedHiddenExplainsIt) {
  CommentFixture f;
  f.state.settings.CommentVisible = 0;
  f.state.current.Edits.CommentFix = -1;
  CommentOkMenuClick(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentVisible, 1);
  ASSERT_EQ(f.ui.boxes.size(), 1u);
  EXPECT_EQ(f.LastBox().size(), 5u);
  EXPECT_EQ(f.LastBox()[0], "この写真は、「コメント表示しない」");
  EXPECT_EQ(f.LastBox()[4], "をはずして「上書き保存」すると、コメントが表示できます。");
}

TEST(CommentCommands, MenuItemsDoNothingBeforeTheWindowIsReady) {
  CommentFixture f;
  f.state.UiReady = false;
  SetCommentPosition(f.state, f.ui, 4);
  CommentNoneMenuClick(f.state, f.ui);
  EXPECT_EQ(f.state.settings.CommentPosition, 1);
  EXPECT_EQ(f.state.settings.CommentVisible, 1);
  EXPECT_EQ(f.redraws + f.hides, 0);
}

TEST(CommentCommands, PlanPerSettingsAndFix) {
  struct Case {
    std::string label;
    std::int32_t visible;
    bool preview;
    std::string comment;
    std::int32_t fix;
    std::int32_t setting;
    CommentStep step;
    bool vertical;
    std::int32_t left;
  };
  const std::vector<Case> cases = {
      {"global below", 1, false, "写真", 0, 1, CommentStep::Show, false, 3},
      {"comments off", 0, false, "写真", 0, 1, CommentStep::Keep, false, 0},
      {"brightness preview", 1, true, "写真", 0, 1, CommentStep::Keep, false, 0},
      {"empty comment", 1, false, "", 0, 1, CommentStep::Hide, false, 0},
      {"fixed hidden", 1, false, "写真", -1, 1, CommentStep::Hide, false, 0},
      {"fixed right over global below", 1, false, "写真", 4, 1, CommentStep::Show, true, 640 - 19 - 3},
      {"global left", 1, false, "写真", 0, 3, CommentStep::Show, true, 3},
  };
  for (const Case& c : cases) {
    CommentFixture f;
    f.state.view.ViewWidth = 640;
    f.state.view.ViewHeight = 480;
    f.state.settings.CommentVisible = c.visible;
    f.state.settings.CommentPosition = c.setting;
    f.state.AdjustPreviewActive = c.preview;
    f.state.current.Edits.Comment = c.comment;
    f.state.current.Edits.CommentFix = c.fix;
    const CommentPlan plan = PlanComment(f.state, 1, 0, 0, FixedMetrics());
    EXPECT_EQ(plan.step, c.step) << c.label;
    if (c.step == CommentStep::Show) {
      EXPECT_EQ(plan.layout.vertical, c.vertical) << c.label;
      EXPECT_EQ(plan.layout.left, c.left) << c.label;
    }
  }
}

TEST(CommentCommands, ReversedPairPutsPaneOneOverTheRightHalf) {
  CommentFixture f;
  f.state.view.ViewWidth = 800;
  f.state.view.ViewHeight = 600;
  f.state.PanoramaMode = PanoramaKind::PairReversed;
  const CommentPlan plan = PlanComment(f.state, 1, 0, 0, FixedMetrics());
  ASSERT_EQ(plan.step, CommentStep::Show);
  EXPECT_EQ(plan.layout.left, 403);
  EXPECT_EQ(plan.layout.top, 600 - 21 - 2);
}

TEST(CommentCommands, RedrawTakesEachPanesCommentInTurn) {
  CommentFixture f;
  f.state.PanoramaMode = PanoramaKind::Four;
  const char* comments[] = {"一", "二", "", "四"};
  for (std::int32_t p = 1; p <= 4; ++p) {
    f.state.Panes[p].Edits.Comment = comments[p - 1];
    f.state.Panes[p].Edits.CommentFix = p == 2 ? -1 : 0;
  }
  f.state.current.Edits.Comment = "一";
  RedrawComments(f.state);
  EXPECT_EQ(f.drawn, (std::vector<std::pair<std::int32_t, std::string>>{{1, "一/0"}, {2, "二/-1"}, {3, "/0"}, {4, "四/0"}}));
  EXPECT_EQ(f.state.current.Edits.Comment, "一");
  EXPECT_EQ(f.state.current.Edits.CommentFix, 0);

  CommentFixture single;
  RedrawComments(single.state);
  EXPECT_EQ(single.drawn, (std::vector<std::pair<std::int32_t, std::string>>{{1, "写真/0"}}));
}

TEST(CommentCommands, ClickOnTheOverlayStopsTheSlideShow) {
  CommentFixture f;
  CommentImgMouseDown(f.state);
  EXPECT_EQ(f.slide_stops, 1);
}

}  // namespace
}  // namespace lumetta
