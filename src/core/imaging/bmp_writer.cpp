// BMP stream writing (SaveToStream): the store's header and colour table as
// they are, and its pixel block in the file's row order (bottom-up for a
// positive height). Compressed data is written as it is held.
#include <array>
#include <ostream>

#include "core/imaging/dib_image.h"

namespace lumetta {

namespace {

class LittleEndianOut {
 public:
  void U16(std::uint16_t v) {
    bytes_[used_++] = static_cast<std::uint8_t>(v);
    bytes_[used_++] = static_cast<std::uint8_t>(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Quad(const TRgbQuad& q) {
    bytes_[used_++] = q.rgbBlue;
    bytes_[used_++] = q.rgbGreen;
    bytes_[used_++] = q.rgbRed;
    bytes_[used_++] = q.rgbReserved;
  }
  void WriteTo(std::ostream& out) const {
    out.write(reinterpret_cast<const char*>(bytes_.data()), static_cast<std::streamsize>(used_));
  }

 private:
  std::array<std::uint8_t, 54 + 256 * 4> bytes_{};
  std::size_t used_ = 0;
};

}  // namespace

void WriteBmpStore(const TDibData& store, std::ostream& out) {
  const TBitmapInfoHeader& h = store.header;
  const std::uint32_t colours = h.biClrUsed > 256 ? 256 : h.biClrUsed;
  const std::uint32_t off_bits = 54 + colours * 4;
  LittleEndianOut head;
  head.U16(0x4D42);
  head.U32(static_cast<std::uint32_t>(off_bits + store.image_size));
  head.U16(0);
  head.U16(0);
  head.U32(off_bits);
  head.U32(40);
  head.U32(static_cast<std::uint32_t>(h.biWidth));
  head.U32(static_cast<std::uint32_t>(h.biHeight));
  head.U16(h.biPlanes);
  head.U16(h.biBitCount);
  head.U32(h.biCompression);
  head.U32(h.biSizeImage);
  head.U32(static_cast<std::uint32_t>(h.biXPelsPerMeter));
  head.U32(static_cast<std::uint32_t>(h.biYPelsPerMeter));
  head.U32(colours);
  head.U32(h.biClrImportant);
  for (std::uint32_t i = 0; i < colours; ++i) head.Quad(store.colours[i]);
  head.WriteTo(out);

  const bool rows = h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS;
  if (!rows || h.biHeight < 0) {
    out.write(reinterpret_cast<const char*>(store.bits.get()), static_cast<std::streamsize>(store.image_size));
    return;
  }
  const auto stride = static_cast<std::size_t>(store.Stride());
  for (std::int32_t y = store.height; y-- > 0;) {
    out.write(reinterpret_cast<const char*>(store.bits.get() + static_cast<std::size_t>(y) * stride),
              static_cast<std::streamsize>(stride));
  }
}

}  // namespace lumetta
