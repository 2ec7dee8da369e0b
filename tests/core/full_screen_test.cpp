#include "core/view/full_screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/view/view_render.h"
#include "support/fake_ui.h"
#include "support/view_fixture.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;
using testing_support::NoiseImage;
using testing_support::ViewFixture;

// A 400 x 300 photo in a 200 x 150 view, zoomed to 100 %: the view shows
// half of the photo's width.
struct HalfShown : ViewFixture {
  HalfShown() : ViewFixture(NoiseImage(400, 300, 3), 200, 150) {
    SetZoomValue(state, 100);
    RenderZoom(state, ui, false);
  }
  double WidthShare() const { return static_cast<double>(state.view.ViewWidth) / state.view.ZoomWidth; }
};

TEST(FullScreenZoom, HalfThePhotosWidthStaysHalfOnTheScreenAndBackInTheView) {
  HalfShown f;
  ASSERT_DOUBLE_EQ(f.WidthShare(), 0.5);
  FullScreenView full(f.state, f.ui);
  full.Enter(256, 192, false);
  EXPECT_TRUE(f.state.FullScreenActive);
  EXPECT_EQ(f.state.view.ViewWidth, 256);
  EXPECT_EQ(f.state.FullPicture.Width(), 256);
  EXPECT_EQ(f.state.FullPicture.Height(), 192);
  EXPECT_EQ(f.state.view.ZoomPercent, 128);
  EXPECT_DOUBLE_EQ(f.WidthShare(), 0.5);
  EXPECT_TRUE(f.Called("redraw comments"));

  full.Leave();
  EXPECT_FALSE(f.state.FullScreenActive);
  EXPECT_EQ(f.state.view.ViewWidth, 200);
  EXPECT_EQ(f.state.view.ViewHeight, 150);
  EXPECT_EQ(f.state.view.ZoomPercent, 100);
  EXPECT_DOUBLE_EQ(f.WidthShare(), 0.5);
  EXPECT_TRUE(f.state.current.Edits.ZoomMode);
}

TEST(FullScreenZoom, AFittedPhotoIsFittedToTheScreen) {
  ViewFixture f(NoiseImage(400, 300, 4), 200, 150);
  RenderView(f.state, f.ui, false);
  FullScreenView full(f.state, f.ui);
  full.Enter(320, 240, false);
  EXPECT_FALSE(f.state.current.Edits.ZoomMode);
  EXPECT_EQ(f.state.view.ZoomPercent, 80);
  // The main view is left as it was.
  EXPECT_EQ(f.state.ViewPicture.Width(), 200);
  full.Leave();
  EXPECT_EQ(f.state.view.ZoomPercent, 50);
}

TEST(FullScreenZoom, TheSlideShowDrawsItself) {
  HalfShown f;
  f.calls.clear();
  FullScreenView full(f.state, f.ui);
  full.Enter(256, 192, true);
  EXPECT_EQ(f.state.view.ZoomPercent, 100);
  EXPECT_TRUE(f.calls.empty());
}

TEST(FullScreenZoom, TheWatcherRestsWhileTheViewIsOpen) {
  HalfShown f;
  f.state.WatchArmed = true;
  FullScreenView full(f.state, f.ui);
  full.Enter(256, 192, false);
  EXPECT_FALSE(f.state.WatchArmed);
  full.Leave();
  EXPECT_TRUE(f.state.WatchArmed);
}

TEST(KeepZoomShare, NothingToKeepWithoutSizes) {
  EXPECT_FALSE(KeepZoomShare(0, 300, 1.0, 800, 1024));
  EXPECT_FALSE(KeepZoomShare(400, 300, 0.0, 800, 1024));
  EXPECT_FALSE(KeepZoomShare(400, 300, 1.0, 0, 1024));
  EXPECT_FALSE(KeepZoomShare(400, 300, 1.0, 800, 0));
  // A zoom beyond the size limit is not taken.
  EXPECT_FALSE(KeepZoomShare(8000, 6000, 0.1, 800, 1920));
  const auto kept = KeepZoomShare(1600, 1200, 1.0, 800, 1024);
  ASSERT_TRUE(kept);
  EXPECT_EQ(kept->zoom_percent, 128);
  EXPECT_DOUBLE_EQ(kept->scale, 0.78125);
}

TEST(WheelNotches, PartsAddUpToWholeNotches) {
  WheelNotches wheel;
  EXPECT_EQ(wheel.Add(-40), 0);
  EXPECT_EQ(wheel.Add(-40), 0);
  EXPECT_EQ(wheel.Add(-40), -1);
  EXPECT_EQ(wheel.Add(-360), -3);
  EXPECT_EQ(wheel.Add(130), 1);
  EXPECT_EQ(wheel.Add(110), 1);
  EXPECT_EQ(wheel.Add(0), 0);
}

// A list of photos p1.jpg ... with no files behind them.
struct ListFixture {
  explicit ListFixture(std::int32_t count) : state(std::make_unique<AppState>()), full(*state, ui) {
    for (std::int32_t i = 1; i <= count; ++i) state->photos[i].Name = "p" + std::to_string(i) + ".jpg";
    state->photos.PhotoCount = count;
    state->StripPos = 1;
    state->hooks.PaintStrip = [this](std::int32_t order, bool) { calls.push_back("paint " + std::to_string(order)); };
    state->hooks.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
      calls.push_back("show " + std::to_string(position) + " " + std::to_string(step));
      state->current.Name = state->photos.NameAt(position);
    };
  }
  void Show(std::int32_t pos) {
    state->StripPos = pos;
    state->current.Name = state->photos.NameAt(pos);
  }

  std::unique_ptr<AppState> state;
  FakeUi ui;
  FullScreenView full;
  std::vector<std::string> calls;
};

TEST(FullScreenStep, XOnTheLastPhotoDoesNothing) {
  ListFixture f(5);
  f.Show(5);
  f.full.Run(FullScreenCommand::NextPhoto, false);
  EXPECT_EQ(f.state->StripPos, 5);
  EXPECT_TRUE(f.calls.empty());
  EXPECT_EQ(f.ui.busy_calls, 0);
}

TEST(FullScreenStep, ZOnTheFirstPhotoDoesNothing) {
  ListFixture f(5);
  f.Show(1);
  f.full.PreviousPhoto(false);
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_TRUE(f.calls.empty());
}

TEST(FullScreenStep, XShowsTheNextPhotoGoingForward) {
  ListFixture f(5);
  f.Show(2);
  f.full.NextPhoto(false);
  EXPECT_EQ(f.state->StripPos, 3);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint 1", "show 3 1"}));
  EXPECT_EQ(f.ui.busy_depth, 0);
  f.full.PreviousPhoto(false);
  EXPECT_EQ(f.calls.back(), "show 2 -1");
}

TEST(FullScreenStep, FourPanesStepByFourAndByOneWithShift) {
  ListFixture f(10);
  f.state->PanoramaMode = PanoramaKind::Four;
  f.Show(1);
  f.full.NextPhoto(false);
  EXPECT_EQ(f.state->StripPos, 5);
  f.full.NextPhoto(true);
  EXPECT_EQ(f.state->StripPos, 6);
  // As far as the list goes.
  f.full.NextPhoto(false);
  EXPECT_EQ(f.state->StripPos, 10);
  f.full.PreviousPhoto(false);
  EXPECT_EQ(f.state->StripPos, 6);
}

TEST(FullScreenStep, ThePhotoAtTheStripPositionComesFirstWhenAnotherIsShown) {
  ListFixture f(5);
  f.Show(4);
  f.state->StripPos = 2;
  f.full.NextPhoto(false);
  EXPECT_EQ(f.state->StripPos, 2);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"show 2 1"}));
}

TEST(FullScreenStep, NothingWhileTheProgramIsBusy) {
  ListFixture f(5);
  f.Show(2);
  f.state->UiReady = false;
  f.full.Run(FullScreenCommand::NextPhoto, false);
  EXPECT_EQ(f.state->StripPos, 2);
}

}  // namespace
}  // namespace lumetta
