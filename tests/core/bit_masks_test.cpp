// The channel masks of bit-field BMP files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/support/bmp_bytes.h"
#include "core/support/bmp_test_data.h"
#include "core/imaging/bit_masks.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/rle_decode.h"

namespace lumetta {
namespace {

using namespace testing_support;  // the BMP tests' shared data and helpers

TEST(BitMasks, ShiftEachMaskIntoTheTopHalfOfAByte) {
  struct Row {
    std::uint32_t mask;
    int shift;
    std::uint32_t maximum;
  };
  for (const Row& r : {Row{0x7C00, 7, 248}, Row{0x03E0, 2, 248}, Row{0x001F, -3, 248}, Row{0xF800, 8, 248},
                       Row{0x07E0, 3, 252}, Row{0xFF0000, 16, 255}, Row{0x0000FF, 0, 255}, Row{0x1, -7, 128},
                       Row{0xFFFFFFFF, 24, 255}, Row{0x80, 0, 128}}) {
    const ChannelMask m = MakeChannelMask(r.mask);
    EXPECT_EQ(m.shift, r.shift) << std::hex << r.mask;
    EXPECT_EQ(m.maximum, r.maximum) << std::hex << r.mask;
  }
}

TEST(BitMasks, FiveBitChannelsScale31To255And16To131) {
  const ChannelMask red = MakeChannelMask(0x7C00);
  EXPECT_EQ(red.Channel(31u << 10), 255);
  EXPECT_EQ(red.Channel(16u << 10), 131);
  EXPECT_EQ(red.Channel(0x03FF), 0);
}

}  // namespace
}  // namespace lumetta
