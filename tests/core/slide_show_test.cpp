#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/show_photo.h"
#include "core/library/photo_sort.h"
#include "core/slideshow/slide_show.h"
#include "support/slide_fixture.h"

namespace lumetta {
namespace {

using testing_support::SlideFixture;

constexpr Rgb kRed{200, 0, 0};
constexpr Rgb kGreen{0, 200, 0};
constexpr Rgb kBlue{0, 0, 200};

// Three photos p1..p3 in folder "trip", opened.
struct ThreePhotos : SlideFixture {
  ThreePhotos() {
    WritePhoto("trip/p1.bmp", kRed);
    WritePhoto("trip/p2.bmp", kGreen);
    WritePhoto("trip/p3.bmp", kBlue);
    Open("trip");
  }
  Rgb Centre() const { return ViewAt(40, 30); }
};

TEST(SlideShow, ShowsTheFirstPhotoAfterOneSecondThenEachAfterTheIntervalFromTheTransitionsEnd) {
  ThreePhotos f;
  f.host.prepare_ms = 300;  // decoding happens while the photo before stands
  f.host.paint_ms = 2;
  // Another photo is on screen; "最初から" put the strip on photo 1.
  ShowPhoto(f.state, f.ui, 3, 1);
  f.state.StripPos = 1;
  f.Start();
  EXPECT_TRUE(f.show.Running());
  EXPECT_TRUE(f.state.SlideShowActive);
  EXPECT_FALSE(f.state.UiReady);
  EXPECT_EQ(f.ui.caption, "Lumetta（スライドショーMode）");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【スライドショー】");
  EXPECT_EQ(f.Centre(), (Rgb{0, 0, 0}));  // the view is cleared at the start

  f.RunToEnd();
  const auto starts = f.Of(SlideEvent::TransitionStart);
  const auto ends = f.Of(SlideEvent::TransitionEnd);
  ASSERT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p1.bmp", "p2.bmp", "p3.bmp"}));
  ASSERT_EQ(ends.size(), 3U);
  EXPECT_EQ(starts[0].at, 1000);
  // 41 steps; the last lays no strip and paints nothing: 40 paints of 2 ms.
  EXPECT_EQ(ends[0].at - starts[0].at, 80);
  EXPECT_EQ(starts[1].at, ends[0].at + 5000);
  EXPECT_EQ(starts[2].at, ends[1].at + 5000);
  // The last photo stays for one more interval; the strip goes back to photo 1.
  const auto ended = f.Of(SlideEvent::Ended);
  ASSERT_EQ(ended.size(), 1U);
  EXPECT_EQ(ended[0].at, ends[2].at + 5000);
  EXPECT_FALSE(f.show.Running());
  EXPECT_EQ(f.state.StripPos, 1);
  EXPECT_EQ(f.Centre(), kBlue);
  EXPECT_FALSE(f.state.SlideShowActive);
  EXPECT_TRUE(f.state.UiReady);
  EXPECT_EQ(f.host.inhibits, 1);
  EXPECT_EQ(f.host.releases, 1);
  EXPECT_EQ(f.ui.caption, "Lumetta");
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【全体を表示中】");
  EXPECT_EQ(f.state.SlidePicture.Width(), 1);
}

TEST(SlideShow, StartedOnThePhotoShownGoesOnToTheNextAfterOneSecond) {
  ThreePhotos f;
  ShowPhoto(f.state, f.ui, 1, 1);
  f.state.StripPos = 1;
  f.Start();
  EXPECT_EQ(f.Centre(), kRed);  // photo 1 stays while photo 2 is prepared
  f.RunUntil(999);
  EXPECT_TRUE(f.Of(SlideEvent::TransitionStart).empty());
  f.RunUntil(1000);
  ASSERT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p2.bmp"}));
  EXPECT_EQ(f.Centre(), kGreen);
}

TEST(SlideShow, RefreshesTheInformationPanelAfterEachTransition) {
  ThreePhotos f;
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(1000);
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "p1");
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "40x30");
  EXPECT_EQ(f.ui.Text(Ctl::RitsuLbl), "100%");
  EXPECT_EQ(f.ui.enabled[Ctl::ZoomKaijoBtn], false);
}

TEST(SlideShow, WithRepeatTheFirstPhotoFollowsTheLast) {
  ThreePhotos f;
  f.state.settings.SlideRepeat = 1;
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(20'000);
  EXPECT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p1.bmp", "p2.bmp", "p3.bmp", "p1.bmp"}));
  f.show.Stop();
  EXPECT_FALSE(f.show.Running());
}

TEST(SlideShow, DescendingStartsAtTheHighestPositionAndMovesTowardsOne) {
  ThreePhotos f;
  f.state.settings.SortDirection = SortOrder::FromRight;
  SortPhotoList(f.state);
  f.state.StripPos = f.state.photos.PhotoCount;
  f.Start();
  f.RunToEnd();
  std::vector<std::int32_t> positions;
  for (const auto& e : f.Of(SlideEvent::TransitionStart)) positions.push_back(e.pos);
  EXPECT_EQ(positions, (std::vector<std::int32_t>{3, 2, 1}));
  EXPECT_EQ(f.state.StripPos, 3);
}

TEST(SlideShow, AForwardKeyEndsTheWaitAtOnceAndAnyOtherKeyStops) {
  ThreePhotos f;
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(2000);
  f.show.KeyPressed(Key::Right);
  ASSERT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p1.bmp", "p2.bmp"}));
  EXPECT_EQ(f.Of(SlideEvent::TransitionStart)[1].at, 2000);
  f.RunUntil(2000);  // the transition's steps
  EXPECT_EQ(f.Centre(), kGreen);

  f.RunUntil(3000);
  f.show.KeyPressed(Key::Other);  // Space
  EXPECT_FALSE(f.show.Running());
  // Photo 3 had been prepared; the strip comes back to photo 2, shown as usual.
  EXPECT_EQ(f.state.StripPos, 2);
  EXPECT_EQ(f.state.current.Name, "p2.bmp");
  EXPECT_EQ(f.Centre(), kGreen);
  EXPECT_EQ(f.ui.caption, "Lumetta");
  EXPECT_EQ(f.host.releases, 1);
  EXPECT_EQ(f.ShownPhotos().size(), 2U);
}

TEST(SlideShow, ForwardKeysFollowTheSortDirection) {
  EXPECT_TRUE(IsSlideForwardKey(Key::X, SortOrder::FromLeft));
  EXPECT_TRUE(IsSlideForwardKey(Key::Right, SortOrder::FromLeft));
  EXPECT_TRUE(IsSlideForwardKey(Key::Up, SortOrder::FromLeft));
  EXPECT_FALSE(IsSlideForwardKey(Key::Left, SortOrder::FromLeft));
  EXPECT_FALSE(IsSlideForwardKey(Key::Z, SortOrder::FromLeft));
  EXPECT_TRUE(IsSlideForwardKey(Key::Z, SortOrder::FromRight));
  EXPECT_TRUE(IsSlideForwardKey(Key::Left, SortOrder::FromRight));
  EXPECT_TRUE(IsSlideForwardKey(Key::Up, SortOrder::FromRight));
  EXPECT_FALSE(IsSlideForwardKey(Key::Right, SortOrder::FromRight));
  EXPECT_FALSE(IsSlideForwardKey(Key::Other, SortOrder::FromLeft));
}

TEST(SlideShow, DuringATransitionForwardKeysAreIgnoredAndAStopLaysTheWholePhoto) {
  ThreePhotos f;
  f.state.settings.PageSpeed = 4;  // "速さ１（繊細）": a pixel a step
  f.host.paint_ms = 1;
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(1010);
  ASSERT_TRUE(f.show.InTransition());
  f.show.KeyPressed(Key::Right);
  EXPECT_TRUE(f.show.InTransition());
  EXPECT_EQ(f.ViewAt(79, 30), (Rgb{0, 0, 0}));
  f.show.KeyPressed(Key::Other);
  EXPECT_FALSE(f.show.Running());
  // The 40 x 30 photo stands whole in the middle of the view.
  EXPECT_EQ(f.ViewAt(20, 15), kRed);
  EXPECT_EQ(f.ViewAt(59, 44), kRed);
  EXPECT_EQ(f.ViewAt(79, 59), (Rgb{0, 0, 0}));
  EXPECT_EQ(f.state.current.Name, "p1.bmp");
  EXPECT_EQ(f.ui.Text(Ctl::FileNameLbl), "p1");
  EXPECT_EQ(f.host.releases, 1);
}

TEST(SlideShow, AStopAskedForDuringAStepEndsTheShowAfterThatStep) {
  ThreePhotos f;
  f.state.StripPos = 1;
  f.Start();
  f.host.on_paint = [&f] {
    if (f.host.paints == 5) f.show.Stop();
  };
  f.RunUntil(1000);
  EXPECT_FALSE(f.show.Running());
  EXPECT_EQ(f.Centre(), kRed);
  EXPECT_EQ(f.host.releases, 1);
}

TEST(SlideShow, AnUnreadablePhotoIsShownBlackWithAReadErrorAndTheShowGoesOn) {
  SlideFixture f;
  f.WritePhoto("trip/p1.bmp", kRed);
  f.dir.Write("trip/p2.bmp", "BM not a bitmap");
  f.WritePhoto("trip/p3.bmp", kBlue);
  f.Open("trip");
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(6500);
  ASSERT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p1.bmp", "p2.bmp"}));
  EXPECT_EQ(f.ui.Text(Ctl::SizeLbl), "読み込みエラー");
  EXPECT_EQ(f.ViewAt(40, 30), (Rgb{0, 0, 0}));
  EXPECT_TRUE(f.ui.boxes.empty());
  f.RunToEnd();
  EXPECT_EQ(f.ShownPhotos(), (std::vector<std::string>{"p1.bmp", "p2.bmp", "p3.bmp"}));
  EXPECT_TRUE(f.ui.boxes.empty());
}

TEST(SlideShow, GoesOnThroughTheNextFoldersSkippingEmptyOnesAndEndsAtTheTreesTop) {
  SlideFixture f;
  f.WritePhoto("root/a/a1.bmp", kRed);
  f.WritePhoto("root/a/a2.bmp", kGreen);
  f.dir.MakeDir("root/b");
  f.WritePhoto("root/c/c1.bmp", kBlue);
  f.WritePhoto("root/top.bmp", kBlue);
  f.state.settings.SlideNextFolder = 1;
  f.UseSlot("root", "root/a");
  const auto before = f.PhotoBytes();
  f.state.StripPos = 1;
  f.Start();
  f.RunToEnd();
  EXPECT_EQ(f.ShownPhotos(), (std::vector<std::string>{"a1.bmp", "a2.bmp", "c1.bmp"}));
  EXPECT_FALSE(f.show.Running());
  EXPECT_TRUE(f.ui.boxes.empty());
  EXPECT_EQ(f.PhotoBytes(), before);
}

TEST(SlideShow, WithRepeatAndNoPhotoInAnyFolderStopsAfterOneRoundWithAMessage) {
  SlideFixture f;
  f.dir.MakeDir("root/a/deep");
  f.dir.MakeDir("root/b");
  f.state.settings.SlideNextFolder = 1;
  f.state.settings.SlideRepeat = 1;
  f.UseSlot("root");
  f.Start();
  f.RunUntil(60'000);
  EXPECT_FALSE(f.show.Running());
  ASSERT_EQ(f.ui.boxes.size(), 1U);
  EXPECT_EQ(f.ui.LastLines(), NoPhotoRoundLines());
  EXPECT_EQ(f.host.releases, 1);
  EXPECT_TRUE(f.state.UiReady);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【写真未表示】");
}

TEST(SlideShow, WithRepeatThroughFoldersComesBackToTheFirstFolder) {
  SlideFixture f;
  f.WritePhoto("root/a/a1.bmp", kRed);
  f.dir.MakeDir("root/b");
  f.state.settings.SlideNextFolder = 1;
  f.state.settings.SlideRepeat = 1;
  f.UseSlot("root", "root/a");
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(12'000);
  f.show.Stop();
  EXPECT_EQ(f.ShownPhotos(), (std::vector<std::string>{"a1.bmp", "a1.bmp", "a1.bmp"}));
}

TEST(SlideShow, AStopAfterMovingIntoTheNextFolderGoesBackToThePhotoOnScreen) {
  SlideFixture f;
  f.WritePhoto("root/a/a1.bmp", kRed);
  f.WritePhoto("root/c/c1.bmp", kBlue);
  f.state.settings.SlideNextFolder = 1;
  f.UseSlot("root", "root/a");
  f.state.StripPos = 1;
  f.Start();
  f.RunUntil(2000);  // a1 on screen, c1 prepared in folder c
  EXPECT_EQ(f.state.CurrentFolder, f.dir / "root/c");
  f.show.Stop();
  EXPECT_EQ(f.state.CurrentFolder, f.dir / "root/a");
  EXPECT_EQ(f.state.StripPos, 1);
  EXPECT_EQ(f.state.current.Name, "a1.bmp");
  EXPECT_EQ(f.state.tree.Selected()->Text, "a");
  EXPECT_EQ(f.ViewAt(40, 30), kRed);
}

TEST(SlideShow, ReleasesTheScreenSaverWhenAnErrorEndsIt) {
  ThreePhotos f;
  f.host.fail_at_prepare = 2;
  f.state.StripPos = 1;
  f.Start();
  EXPECT_THROW(f.RunUntil(2000), std::runtime_error);
  EXPECT_FALSE(f.show.Running());
  EXPECT_FALSE(f.state.SlideShowActive);
  EXPECT_TRUE(f.state.UiReady);
  EXPECT_EQ(f.host.inhibits, 1);
  EXPECT_EQ(f.host.releases, 1);
  EXPECT_EQ(f.host.ended, 1);
}

TEST(SlideShow, AnEmptyFolderWithoutNextFolderEndsAfterOneInterval) {
  SlideFixture f;
  f.dir.MakeDir("empty");
  f.Open("empty");
  f.Start();
  f.RunToEnd();
  EXPECT_FALSE(f.show.Running());
  EXPECT_EQ(f.Of(SlideEvent::Ended)[0].at, 6000);
  EXPECT_EQ(f.ui.Text(Ctl::JoutaiLbl), "【写真未表示】");
}

}  // namespace
}  // namespace lumetta
