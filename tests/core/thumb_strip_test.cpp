#include "core/library/thumb_strip.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/library/wide_thumb_keys.h"
#include "support/fake_ui.h"

namespace lumetta {
namespace {

using testing_support::FakeUi;

// A list of count photos p1.jpg, p2.jpg, ... with no files behind them,
// ordered from the left (direction 1) or the right (-1); the strip's own
// logic needs only the names.
struct StripFixture {
  explicit StripFixture(std::int32_t count, std::int32_t direction = 1) : state(std::make_unique<AppState>()) {
    state->settings.SortDirection = static_cast<SortOrder>(direction);
    for (std::int32_t i = 1; i <= count; ++i) state->photos[i].Name = "p" + std::to_string(i) + ".jpg";
    state->photos.PhotoCount = count;
    state->StripPos = direction == 1 ? 1 : count;
    state->SlotIndex = 2;
    state->hooks.PaintStrip = [this](std::int32_t order, bool keep_hover) {
      calls.push_back("paint " + std::to_string(order) + (keep_hover ? " keep" : ""));
    };
    state->hooks.ShowPhoto = [this](std::int32_t position, std::int32_t step) {
      calls.push_back("show " + std::to_string(position) + " " + std::to_string(step));
    };
  }
  // The positions cells first..last show, 0 for grey cells.
  std::vector<std::int32_t> Cells(std::int32_t first, std::int32_t last) const {
    std::vector<std::int32_t> cells;
    for (std::int32_t cell = first; cell <= last; ++cell) {
      cells.push_back(CellHasPhoto(*state, cell) ? CellPosition(*state, cell) : 0);
    }
    return cells;
  }
  void Show(std::int32_t pos) { state->current.Name = state->photos.NameAt(pos); }

  std::unique_ptr<AppState> state;
  FakeUi ui;
  std::vector<std::string> calls;
};

TEST(StripCells, FivePhotosFromTheLeftFillCellsFourToEight) {
  StripFixture f(5);
  EXPECT_EQ(f.Cells(1, 8), (std::vector<std::int32_t>{0, 0, 0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(SelectedCell(*f.state), 4);
}

TEST(StripCells, FivePhotosFromTheRightPutTheFirstInKeyOrderInTheFrame) {
  // Sorted right to left, the smallest key is the last list entry, where the
  // strip starts.
  StripFixture f(5, -1);
  EXPECT_EQ(f.Cells(1, 8), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 0, 0, 0}));
  EXPECT_EQ(SelectedCell(*f.state), 5);
}

TEST(StripCells, TheWideCellsContinueTheStrip) {
  StripFixture f(60);
  f.state->StripPos = 10;
  EXPECT_EQ(CellPosition(*f.state, 8), 14);
  EXPECT_EQ(CellPosition(*f.state, 9), 15);
  EXPECT_EQ(CellPosition(*f.state, 47), 53);
}

TEST(StripCells, CellsBeyondTheListOrBeforeItAreGrey) {
  StripFixture f(3);
  f.state->StripPos = 9998;
  f.state->photos[10000].Name = "stale.jpg";
  EXPECT_FALSE(CellHasPhoto(*f.state, 1));   // 9995: no name
  EXPECT_FALSE(CellHasPhoto(*f.state, 47));  // 10041: beyond the list's slots
  f.state->StripPos = 1;
  EXPECT_FALSE(CellHasPhoto(*f.state, 3));  // 0
}

TEST(PaintStripCells, PaintsInTheGivenOrder) {
  StripFixture f(60);
  f.state->StripPos = 10;
  // Thumbnails that count as loaded, so that nothing is read.
  for (std::int32_t i = 1; i <= 60; ++i) {
    f.state->photos[i].Thumb = std::make_unique<TDibImage>();
    f.state->photos[i].ThumbLoaded = true;
  }
  std::vector<std::int32_t> order;
  auto record = [&order](std::int32_t cell, const TDibImage&) { order.push_back(cell); };

  PaintStripCells(*f.state, f.ui, 1, false, record);
  EXPECT_EQ(order, (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8}));
  order.clear();
  PaintStripCells(*f.state, f.ui, -1, true, record);
  ASSERT_EQ(order.size(), 47u);
  EXPECT_EQ(order.front(), 47);
  EXPECT_EQ(order[38], 9);
  EXPECT_EQ(order[39], 8);
  EXPECT_EQ(order.back(), 1);
  order.clear();
  PaintStripCells(*f.state, f.ui, 1, true, record);
  EXPECT_EQ(order.front(), 1);
  EXPECT_EQ(order.back(), 47);
}

TEST(PaintStripCells, AnEmptyListPaintsNothing) {
  StripFixture f(0);
  int painted = 0;
  PaintStripCells(*f.state, f.ui, 1, true, [&](std::int32_t, const TDibImage&) { ++painted; });
  EXPECT_EQ(painted, 0);
}

TEST(StepRight, PagesByEightAndStopsAtTheLastPhoto) {
  StripFixture f(20);
  EXPECT_TRUE(StepRight(*f.state, 8, false));
  EXPECT_EQ(f.state->StripPos, 9);
  EXPECT_EQ(f.state->SlotStripPos[2], 9);
  EXPECT_TRUE(StepRight(*f.state, 8, false));
  EXPECT_TRUE(StepRight(*f.state, 8, false));
  EXPECT_EQ(f.state->StripPos, 20);
  EXPECT_FALSE(StepRight(*f.state, 8, false));
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint 1 keep", "paint 1 keep", "paint 1 keep"}));
}

TEST(StepRight, OneOrNoPhotoDoesNotMove) {
  StripFixture f(1);
  EXPECT_FALSE(StepRight(*f.state, 1, false));
  EXPECT_FALSE(StripToEnd(*f.state));
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_TRUE(f.calls.empty());
}

struct WideLimitCase {
  std::int32_t direction;
  std::int32_t step;
  std::int32_t start;
  bool moved;
  std::int32_t end;
};

void PrintTo(const WideLimitCase& c, std::ostream* out) {
  *out << "direction " << c.direction << ", step " << c.step << " from " << c.start;
}

class StepRightWithTheWideWindow : public ::testing::TestWithParam<WideLimitCase> {};

TEST_P(StepRightWithTheWideWindow, StopsWhereTheLastPhotoFillsTheNextToLastCell) {
  const WideLimitCase& c = GetParam();
  StripFixture f(100, c.direction);
  f.state->StripPos = c.start;
  EXPECT_EQ(StepRight(*f.state, c.step, true), c.moved);
  EXPECT_EQ(f.state->StripPos, c.end);
}

INSTANTIATE_TEST_SUITE_P(Limits, StepRightWithTheWideWindow,
                         ::testing::Values(WideLimitCase{1, 39, 1, true, 40}, WideLimitCase{1, 39, 40, true, 58},
                                           WideLimitCase{1, 39, 58, false, 58}, WideLimitCase{1, 39, 70, false, 70},
                                           WideLimitCase{-1, 39, 40, true, 59},
                                           // The strip's own steps go on to the end.
                                           WideLimitCase{1, 8, 95, true, 100}, WideLimitCase{1, 1, 99, true, 100}));

TEST(StepLeft, StopsAtTheFirstPhoto) {
  StripFixture f(20);
  f.state->StripPos = 12;
  EXPECT_TRUE(StepLeft(*f.state, 8));
  EXPECT_EQ(f.state->StripPos, 4);
  EXPECT_TRUE(StepLeft(*f.state, 8));
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_FALSE(StepLeft(*f.state, 8));
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint -1 keep", "paint -1 keep"}));
}

TEST(StripJumps, GoToTheFirstAndLastPhoto) {
  StripFixture f(20);
  f.state->StripPos = 7;
  EXPECT_TRUE(StripToEnd(*f.state));
  EXPECT_EQ(f.state->StripPos, 20);
  EXPECT_FALSE(StripToEnd(*f.state));
  EXPECT_TRUE(StripToStart(*f.state));
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_FALSE(StripToStart(*f.state));
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint 1 keep", "paint -1 keep"}));
}

TEST(WideToEnd, LeavesTheLastPhotoInTheNextToLastCell) {
  for (std::int32_t direction : {1, -1}) {
    StripFixture f(100, direction);
    f.state->StripPos = 1;
    EXPECT_TRUE(WideToEnd(*f.state));
    EXPECT_EQ(CellPosition(*f.state, 46), 100) << direction;
    EXPECT_FALSE(CellHasPhoto(*f.state, 47)) << direction;
    EXPECT_FALSE(WideToEnd(*f.state));
  }
}

TEST(WideToEnd, DoesNothingWhenTheListEndsInsideTheWindow) {
  StripFixture f(30);
  EXPECT_FALSE(WideToEnd(*f.state));
  EXPECT_EQ(f.state->StripPos, 1);
}

TEST(NextPhoto, MovesOnFromTheShownPhotoAndShowsTheNext) {
  StripFixture f(5);
  f.state->StripPos = 2;
  f.Show(2);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 3);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint 1", "show 3 1"}));
  EXPECT_EQ(f.ui.focus_moves, (std::vector<Ctl>{Ctl::DummyBtn}));
}

TEST(NextPhoto, ShowsTheSelectionWhenItIsNotTheShownPhoto) {
  StripFixture f(5);
  f.state->StripPos = 2;
  f.Show(4);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 2);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"show 2 1"}));
}

TEST(NextPhoto, StopsAtTheLastPhoto) {
  StripFixture f(5);
  f.state->StripPos = 5;
  f.Show(5);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 5);
  EXPECT_TRUE(f.calls.empty());
}

TEST(NextPhoto, StepsOverAWholeSetOfPanesUnlessShiftIsHeld) {
  StripFixture f(10);
  f.state->PanoramaMode = PanoramaKind::Four;
  f.Show(1);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 5);
  f.Show(5);
  NextPhoto(*f.state, f.ui, true);
  EXPECT_EQ(f.state->StripPos, 6);
  f.Show(6);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 10);
}

TEST(PreviousPhoto, MirrorsTheNextPhoto) {
  StripFixture f(10);
  f.state->StripPos = 4;
  f.Show(4);
  PreviousPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 3);
  f.Show(3);
  f.state->PanoramaMode = PanoramaKind::Pair;
  PreviousPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 1);
  f.Show(1);
  PreviousPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint -1", "show 3 1", "paint -1", "show 1 1"}));
}

TEST(NextPhoto, FromTheRightInPanoramaModeComparesWithTheLeftmostPane) {
  // Right to left, the panes of StripPos 6 in two-photo mode show 6 and 5;
  // the photo on show (pane 1) is 5.
  StripFixture f(10, -1);
  f.state->PanoramaMode = PanoramaKind::Pair;
  f.state->StripPos = 6;
  f.Show(5);
  NextPhoto(*f.state, f.ui, false);
  EXPECT_EQ(f.state->StripPos, 8);
  EXPECT_EQ(f.calls.back(), "show 8 -1");
}

TEST(OpenCellPhoto, ShowsTheCellsPhotoAndPaintsTowardsIt) {
  StripFixture f(20);
  f.state->StripPos = 10;
  EXPECT_TRUE(OpenCellPhoto(*f.state, 2));
  EXPECT_EQ(f.state->StripPos, 8);
  EXPECT_EQ(f.state->SlotStripPos[2], 8);
  EXPECT_TRUE(OpenCellPhoto(*f.state, 6));
  EXPECT_EQ(f.state->StripPos, 10);
  EXPECT_EQ(f.calls, (std::vector<std::string>{"paint -1", "show 8 1", "paint 1", "show 10 1"}));
}

TEST(OpenCellPhoto, AGreyCellDoesNothing) {
  StripFixture f(3);
  EXPECT_FALSE(OpenCellPhoto(*f.state, 2));
  EXPECT_FALSE(OpenCellPhoto(*f.state, 8));
  EXPECT_EQ(f.state->StripPos, 1);
  EXPECT_TRUE(f.calls.empty());
}

struct NameCase {
  const char* name;
  const char* label;
  const char* tag;
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

class HoverTexts : public ::testing::TestWithParam<NameCase> {};

TEST_P(HoverTexts, NameThePhotoAndItsKind) {
  EXPECT_EQ(HoverLabelText(GetParam().name), GetParam().label);
  EXPECT_EQ(ExtensionTagText(GetParam().name), GetParam().tag);
}

INSTANTIATE_TEST_SUITE_P(Names, HoverTexts,
                         ::testing::Values(NameCase{"IMG_0001.JPG", "IMG_0001", ".JPG"},
                                           NameCase{"IMG_0001_jpg.lum", "IMG_0001", "jpg.lum"},
                                           NameCase{"IMG_0001_JPG-002.LUM", "IMG_0001", "JPG-002.lum"},
                                           NameCase{"写真.tiff", "写真", ".tiff"},
                                           NameCase{"a.verylongextension", "a", ".verylongext"}));

TEST(HoverLabelPlace, IsSeventySixWideForShortNamesAndEndsBesideTheCell) {
  const LabelBox box = HoverLabelPlace(280, 5, 50, 21);
  EXPECT_EQ(box.Width, 76);
  EXPECT_EQ(box.Height, 15);
  EXPECT_EQ(box.Left, 282);
  EXPECT_EQ(box.Top, 7);
}

TEST(HoverLabelPlace, GrowsWithALongNameButStaysRightOfTheButtons) {
  EXPECT_EQ(HoverLabelPlace(280, 5, 120, 21).Width, 125);
  EXPECT_EQ(HoverLabelPlace(280, 5, 120, 21).Left, 233);
  EXPECT_EQ(HoverLabelPlace(25, 5, 120, 21).Left, 21);
  EXPECT_EQ(HoverLabelPlace(4, 4, 120, 0).Left, 0);
}

struct WideKeyCase {
  Key key;
  bool shift, ctrl;
  int direction;
  WideKeyCommand command;
};

void PrintTo(const WideKeyCase& c, std::ostream* out) {
  *out << "key " << static_cast<int>(c.key) << (c.shift ? " shift" : "") << (c.ctrl ? " ctrl" : "") << " direction "
       << c.direction;
}

class WideKeys : public ::testing::TestWithParam<WideKeyCase> {};

TEST_P(WideKeys, MapToTheStripsCommands) {
  const WideKeyCase& c = GetParam();
  EXPECT_EQ(MapWideKey(c.key, c.shift, c.ctrl, static_cast<SortOrder>(c.direction)), c.command);
}

using W = WideKeyCommand;
INSTANTIATE_TEST_SUITE_P(
    Table, WideKeys,
    ::testing::Values(WideKeyCase{Key::X, false, false, 1, W::NextPhoto},
                      WideKeyCase{Key::Up, false, false, 1, W::NextPhoto},
                      WideKeyCase{Key::Up, false, false, -1, W::PreviousPhoto},
                      WideKeyCase{Key::Z, false, false, 1, W::PreviousPhoto},
                      WideKeyCase{Key::A, false, false, 1, W::StepLeft8},
                      WideKeyCase{Key::Left, true, false, 1, W::StepLeft8},
                      WideKeyCase{Key::S, false, false, 1, W::StepRight8},
                      WideKeyCase{Key::Right, true, false, 1, W::StepRight8},
                      WideKeyCase{Key::E, false, false, 1, W::PreviousFolder},
                      WideKeyCase{Key::Up, true, false, 1, W::PreviousFolder},
                      WideKeyCase{Key::Up, false, true, -1, W::PreviousFolder},
                      WideKeyCase{Key::D, false, false, 1, W::NextFolder},
                      WideKeyCase{Key::Down, false, true, 1, W::NextFolder},
                      WideKeyCase{Key::F, false, false, 1, W::StepLeft1},
                      WideKeyCase{Key::Left, false, false, 1, W::StepLeft1},
                      WideKeyCase{Key::G, false, false, 1, W::StepRight1},
                      WideKeyCase{Key::Right, false, false, 1, W::StepRight1},
                      WideKeyCase{Key::Q, false, false, 1, W::ToStart},
                      WideKeyCase{Key::Left, false, true, 1, W::ToStart},
                      WideKeyCase{Key::W, false, false, 1, W::ToEnd},
                      WideKeyCase{Key::Right, false, true, 1, W::ToEnd},
                      WideKeyCase{Key::C, false, false, 1, W::Close},
                      WideKeyCase{Key::Escape, false, false, 1, W::Close},
                      WideKeyCase{Key::Down, false, false, 1, W::Close},
                      WideKeyCase{Key::F1, false, false, 1, W::KeyboardHelp},
                      WideKeyCase{Key::F5, false, false, 1, W::RefreshThumbnail},
                      WideKeyCase{Key::M, false, false, 1, W::None}));

TEST(WideKeys, TheStepsOutOfTheWindowCloseItFirst) {
  EXPECT_TRUE(WideKeyCloses(W::NextPhoto));
  EXPECT_TRUE(WideKeyCloses(W::NextFolder));
  EXPECT_TRUE(WideKeyCloses(W::Close));
  EXPECT_FALSE(WideKeyCloses(W::StepRight8));
  EXPECT_FALSE(WideKeyCloses(W::ToEnd));
}

}  // namespace
}  // namespace lumetta
