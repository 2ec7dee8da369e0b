// BMP stream reading and writing, and conversion of stores to 24 bits.
// (Reading and conversion are filled in with the BMP codec work.)
#include <istream>
#include <ostream>

#include "core/imaging/dib_image.h"

namespace lumetta {

namespace {
void Put16(std::ostream& out, std::uint16_t v) {
  const char b[2] = {static_cast<char>(v), static_cast<char>(v >> 8)};
  out.write(b, 2);
}
void Put32(std::ostream& out, std::uint32_t v) {
  const char b[4] = {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 24)};
  out.write(b, 4);
}
}  // namespace

std::unique_ptr<TDibData> ReadBmpStore(std::istream&) {
  throw EDibInvalidDIBFile("TDibData.LoadFromFile: File type is invalid");
}

void WriteBmpStore(const TDibData& store, std::ostream& out) {
  const TBitmapInfoHeader& h = store.header;
  const std::uint32_t colours = h.biClrUsed > 256 ? 256 : h.biClrUsed;
  const std::uint32_t off_bits = 54 + colours * 4;
  Put16(out, 0x4D42);
  Put32(out, static_cast<std::uint32_t>(off_bits + store.image_size));
  Put16(out, 0);
  Put16(out, 0);
  Put32(out, off_bits);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(h.biWidth));
  Put32(out, static_cast<std::uint32_t>(h.biHeight));
  Put16(out, h.biPlanes);
  Put16(out, h.biBitCount);
  Put32(out, h.biCompression);
  Put32(out, h.biSizeImage);
  Put32(out, static_cast<std::uint32_t>(h.biXPelsPerMeter));
  Put32(out, static_cast<std::uint32_t>(h.biYPelsPerMeter));
  Put32(out, colours);
  Put32(out, h.biClrImportant);
  for (std::uint32_t i = 0; i < colours; ++i) {
    const TRgbQuad& q = store.colours[i];
    const char b[4] = {static_cast<char>(q.rgbBlue), static_cast<char>(q.rgbGreen), static_cast<char>(q.rgbRed),
                       static_cast<char>(q.rgbReserved)};
    out.write(b, 4);
  }
  const bool compressed = h.biCompression == BI_RLE8 || h.biCompression == BI_RLE4;
  const auto stride = static_cast<std::size_t>(store.Stride());
  if (compressed || h.biHeight < 0) {
    out.write(reinterpret_cast<const char*>(store.bits.get()), static_cast<std::streamsize>(store.image_size));
    return;
  }
  // Rows are top-down in memory; an ordinary BMP stores them bottom-up.
  for (std::int32_t y = store.height; y-- > 0;) {
    out.write(reinterpret_cast<const char*>(store.bits.get() + static_cast<std::size_t>(y) * stride),
              static_cast<std::streamsize>(stride));
  }
}

std::unique_ptr<TDibData> ConvertStoreTo24Bit(const TDibData& store) {
  if (store.header.biBitCount == 24 && store.header.biCompression == BI_RGB) return store.Clone();
  throw EDibBadDIBType("ConvertStoreTo24Bit: not available");
}

}  // namespace lumetta
