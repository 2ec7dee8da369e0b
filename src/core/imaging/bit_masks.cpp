#include "core/imaging/bit_masks.h"

namespace lumetta {

ChannelMask MakeChannelMask(std::uint32_t mask) {
  ChannelMask channel;
  channel.mask = mask;
  std::uint32_t value = mask;
  while (value >= 256) {
    value /= 2;
    ++channel.shift;
  }
  while (value != 0 && value < 128) {
    value *= 2;
    --channel.shift;
  }
  channel.maximum = value;
  return channel;
}

}  // namespace lumetta
