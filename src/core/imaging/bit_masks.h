#pragma once
// Colour channels of 16- and 32-bit BMP pixels, given by bit masks.

#include <cstdint>

namespace lumetta {

// A mask brought into 128..255 by a shift; the shifted mask is the channel's
// largest value, so that channel = ((pixel & mask) shifted) * 255 / maximum.
struct ChannelMask {
  std::uint32_t mask = 0;
  int shift = 0;  // right shift when positive, left shift when negative
  std::uint32_t maximum = 0;

  std::uint8_t Channel(std::uint32_t pixel) const {
    const std::uint32_t bits = pixel & mask;
    const std::uint32_t scaled = shift >= 0 ? bits >> shift : bits << -shift;
    return static_cast<std::uint8_t>(scaled * 255 / maximum);
  }
};

// The shift and maximum of a non-zero mask: halve while the value is 256 or
// more, then double while it is below 128.
ChannelMask MakeChannelMask(std::uint32_t mask);

}  // namespace lumetta
