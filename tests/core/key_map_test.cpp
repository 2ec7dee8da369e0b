#include "core/state/key_map.h"

#include <gtest/gtest.h>

#include <ostream>

namespace lumetta {
namespace {

struct KeyCase {
  const char* name;
  Key key;
  bool shift, ctrl;
  int direction;
  KeyCommand expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyMapTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, EachPressMatchesOneRow) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(MapMainKey(c.key, c.shift, c.ctrl, static_cast<SortOrder>(c.direction)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyMapTest,
    testing::Values(KeyCase{"UpStepsForwardFromTheLeft", Key::Up, false, false, 1, KeyCommand::NextPhoto},
                    KeyCase{"UpStepsBackFromTheRight", Key::Up, false, false, -1, KeyCommand::PreviousPhoto},
                    KeyCase{"ShiftUpIsThePreviousFolder", Key::Up, true, false, -1, KeyCommand::PreviousFolder},
                    KeyCase{"CtrlUpIsThePreviousFolder", Key::Up, false, true, 1, KeyCommand::PreviousFolder},
                    KeyCase{"DownOpensTheWideWindow", Key::Down, false, false, 1, KeyCommand::OpenWideWindow},
                    KeyCase{"ShiftDownIsTheNextFolder", Key::Down, true, false, 1, KeyCommand::NextFolder},
                    KeyCase{"CtrlDAddsAFavoriteOnly", Key::D, false, true, 1, KeyCommand::AddFavorite},
                    KeyCase{"DIsTheNextFolder", Key::D, false, false, 1, KeyCommand::NextFolder},
                    KeyCase{"CtrlBOpensFavoritesOnly", Key::B, false, true, 1, KeyCommand::OpenFavorites},
                    KeyCase{"BZoomsIn", Key::B, true, false, 1, KeyCommand::ZoomIn},
                    KeyCase{"ShiftLeftScrollsEight", Key::Left, true, false, 1, KeyCommand::StripLeft8},
                    KeyCase{"LeftScrollsOne", Key::Left, false, false, 1, KeyCommand::StripLeft1},
                    KeyCase{"CtrlLeftGoesToTheStart", Key::Left, true, true, 1, KeyCommand::StripToStart},
                    KeyCase{"CtrlRightGoesToTheEnd", Key::Right, false, true, 1, KeyCommand::StripToEnd},
                    KeyCase{"F12NextEffect", Key::F12, false, false, 1, KeyCommand::NextEffect},
                    KeyCase{"EscapeDoesNothing", Key::Escape, false, false, 1, KeyCommand::None}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

struct FullKeyCase {
  const char* name;
  Key key;
  bool shift;
  FullScreenCommand expected;
};

void PrintTo(const FullKeyCase& c, std::ostream* os) { *os << c.name; }

class FullScreenKeyTest : public testing::TestWithParam<FullKeyCase> {};

TEST_P(FullScreenKeyTest, EachKeyHasItsCommand) {
  const FullKeyCase& c = GetParam();
  EXPECT_EQ(MapFullScreenKey(c.key, c.shift), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FullScreenKeyTest,
    testing::Values(FullKeyCase{"XNext", Key::X, false, FullScreenCommand::NextPhoto},
                    FullKeyCase{"ShiftXNext", Key::X, true, FullScreenCommand::NextPhoto},
                    FullKeyCase{"ZPrevious", Key::Z, false, FullScreenCommand::PreviousPhoto},
                    FullKeyCase{"MFill", Key::M, false, FullScreenCommand::ToggleFill},
                    FullKeyCase{"OneTurnsLeft", Key::Digit1, false, FullScreenCommand::TurnLeft},
                    FullKeyCase{"TwoTurnsRight", Key::Digit2, false, FullScreenCommand::TurnRight},
                    FullKeyCase{"VZoomsOut", Key::V, false, FullScreenCommand::ZoomOut},
                    FullKeyCase{"ShiftVZoomsOutFinely", Key::V, true, FullScreenCommand::ZoomFineOut},
                    FullKeyCase{"BZoomsIn", Key::B, false, FullScreenCommand::ZoomIn},
                    FullKeyCase{"ShiftBZoomsInFinely", Key::B, true, FullScreenCommand::ZoomFineIn},
                    FullKeyCase{"NLeavesZoom", Key::N, false, FullScreenCommand::LeaveZoom},
                    FullKeyCase{"F7CommentPosition", Key::F7, false, FullScreenCommand::CommentPosition},
                    FullKeyCase{"F8CommentOnOff", Key::F8, false, FullScreenCommand::CommentOnOff},
                    FullKeyCase{"F9SlideShow", Key::F9, false, FullScreenCommand::SlideShow},
                    FullKeyCase{"F12Quality", Key::F12, false, FullScreenCommand::ToggleQuality},
                    FullKeyCase{"EscapeCloses", Key::Escape, false, FullScreenCommand::Close},
                    FullKeyCase{"F11Closes", Key::F11, false, FullScreenCommand::Close},
                    FullKeyCase{"EnterCloses", Key::Enter, false, FullScreenCommand::Close},
                    FullKeyCase{"SpaceCloses", Key::Space, false, FullScreenCommand::Close},
                    FullKeyCase{"UpDoesNothing", Key::Up, false, FullScreenCommand::None},
                    FullKeyCase{"DeleteDoesNothing", Key::Delete, false, FullScreenCommand::None},
                    FullKeyCase{"F6DoesNothing", Key::F6, false, FullScreenCommand::None}),
    [](const testing::TestParamInfo<FullKeyCase>& info) { return info.param.name; });

TEST(KeyMap, EnterAndSpaceDoNothingInTheMainWindow) {
  EXPECT_EQ(MapMainKey(Key::Enter, false, false, SortOrder::FromLeft), KeyCommand::None);
  EXPECT_EQ(MapMainKey(Key::Space, false, false, SortOrder::FromLeft), KeyCommand::None);
}

TEST(KeyMap, CommandsThatNeedAPhotoExplainThemselves) {
  EXPECT_EQ(NoPhotoMessage(KeyCommand::TurnLeft).front(), "『１』キーは、現在表示されている写真を");
  EXPECT_EQ(NoPhotoMessage(KeyCommand::SaveEditedPhoto).size(), 8u);
  EXPECT_EQ(NoPhotoMessage(KeyCommand::FullScreen).size(), 4u);
  EXPECT_TRUE(NoPhotoMessage(KeyCommand::NextPhoto).empty());
  EXPECT_TRUE(NoPhotoMessage(KeyCommand::RefreshThumbnail).empty());
}

}  // namespace
}  // namespace lumetta
