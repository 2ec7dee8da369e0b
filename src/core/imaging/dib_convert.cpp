// Conversion of a store of any pixel format to 24 bits (PixelFormat :=
// dpf24Bit). Colour-table formats expand through the table; RLE stores are
// decompressed first. The header keeps its colour table and biClrUsed.
#include <array>
#include <cstring>

#include "core/imaging/dib_image.h"
#include "core/imaging/rle_decode.h"

namespace lumetta {

namespace {

// Index rows of 1, 4 or 8 bits to blue, green, red rows.
std::unique_ptr<TDibData> ExpandIndexed(const TDibData& source) {
  const int bits = source.header.biBitCount;
  auto target = TDibData::Create(source.width, source.header.biHeight < 0 ? -source.height : source.height, 0, 24);
  TBitmapInfoHeader header = source.header;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = 0;
  target->header = header;
  target->colours = source.colours;

  std::array<std::array<std::uint8_t, 3>, 256> bgr{};
  for (std::size_t i = 0; i < bgr.size(); ++i) {
    bgr[i] = {source.colours[i].rgbBlue, source.colours[i].rgbGreen, source.colours[i].rgbRed};
  }
  const auto width = static_cast<std::size_t>(source.width);
  const auto source_stride = static_cast<std::size_t>(source.Stride());
  const auto stride = static_cast<std::size_t>(target->Stride());
  for (std::size_t y = 0; y < static_cast<std::size_t>(source.height); ++y) {
    const std::uint8_t* in = source.bits.get() + y * source_stride;
    std::uint8_t* out = target->bits.get() + y * stride;
    for (std::size_t x = 0; x < width; ++x, out += 3) {
      std::size_t index;
      if (bits == 8) {
        index = in[x];
      } else if (bits == 4) {
        index = x % 2 == 0 ? in[x / 2] >> 4 : in[x / 2] & 0x0F;
      } else {
        index = (in[x / 8] >> (7 - x % 8)) & 1;
      }
      std::memcpy(out, bgr[index].data(), 3);
    }
  }
  return target;
}

}  // namespace

std::unique_ptr<TDibData> ConvertStoreTo24Bit(const TDibData& store) {
  switch (store.PixelFormat()) {
    case TDibPixelFormat::dpf24Bit:
      return store.Clone();
    case TDibPixelFormat::dpf8BitRLE:
      return ExpandIndexed(*Convert8BitRLETo8BitRGB(store));
    case TDibPixelFormat::dpf4BitRLE:
      return ExpandIndexed(*Convert4BitRLETo4BitRGB(store));
    default:
      return ExpandIndexed(store);
  }
}

}  // namespace lumetta
