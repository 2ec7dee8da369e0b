#include "core/base/numbered_array.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace lumetta {
namespace {

TEST(NumberedArray, IndexesByTheNumberItself) {
  OneBasedArray<std::string, 3> slots{"a", "b", "c"};
  EXPECT_EQ(slots[1], "a");
  EXPECT_EQ(slots[3], "c");
  slots[2] = "x";
  EXPECT_EQ(std::vector<std::string>(slots.begin(), slots.end()), (std::vector<std::string>{"a", "x", "c"}));

  NumberedArray<int, 9, 47> cells;
  cells[9] = 1;
  cells[47] = 2;
  EXPECT_EQ(cells[9], 1);
  EXPECT_EQ(cells[47], 2);
  EXPECT_EQ(cells[20], 0);  // value-initialised
}

TEST(NumberedArray, ANumberOutsideTheRangeThrows) {
  OneBasedArray<int, 4> panes{};
  const auto& shown = panes;
  for (const std::int32_t number : {0, 5, -1}) {
    EXPECT_THROW(panes[number], std::out_of_range) << number;
    EXPECT_THROW(shown[number], std::out_of_range) << number;
    EXPECT_FALSE(panes.Holds(number)) << number;
  }
  EXPECT_TRUE(panes.Holds(1));
  EXPECT_TRUE(panes.Holds(4));
}

TEST(NumberedArray, TheListMustNameEveryElement) {
  using Slots = OneBasedArray<int, 3>;
  EXPECT_THROW((Slots{1, 2}), std::length_error);
  EXPECT_THROW((Slots{0, 1, 2, 3}), std::length_error);
  EXPECT_EQ((Slots{1, 2, 3}), (Slots{1, 2, 3}));
  EXPECT_NE((Slots{1, 2, 3}), (Slots{1, 2, 4}));
}

}  // namespace
}  // namespace lumetta
