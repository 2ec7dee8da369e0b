#include "core/imaging/rle_decode.h"

#include <cstring>

namespace lumetta {

namespace {

// A zeroed uncompressed store with the compressed store's header and colours.
std::unique_ptr<TDibData> EmptyTarget(const TDibData& source) {
  auto target = TDibData::Create(source.width, source.header.biHeight < 0 ? -source.height : source.height,
                                 static_cast<int>(source.header.biClrUsed > 256 ? 256 : source.header.biClrUsed),
                                 source.header.biBitCount);
  TBitmapInfoHeader header = source.header;
  header.biCompression = BI_RGB;
  header.biSizeImage = 0;
  target->header = header;
  target->colours = source.colours;
  return target;
}

// The codes of one compressed block, read with their messages for data that
// ends too early.
class Codes {
 public:
  explicit Codes(const TDibData& store) : data_(store.bits.get()), size_(store.image_size) {}
  bool Has(std::size_t count) const { return size_ - pos_ >= count; }
  std::uint8_t Next() { return data_[pos_++]; }
  const std::uint8_t* Take(std::size_t count) {
    const std::uint8_t* p = data_ + pos_;
    pos_ += count;
    return p;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// The memory row of the stored row `row`: the first stored row is the bottom
// one unless the height is negative.
std::uint8_t* RowOf(TDibData& target, std::int64_t row) {
  const std::int64_t y = target.header.biHeight < 0 ? row : target.height - 1 - row;
  return target.bits.get() + static_cast<std::size_t>(y * target.Stride());
}

// How many of count pixels from x fall inside the row: runs that go past the
// right edge stop there (ImageMagick, for one, encodes a row's padding as a
// run beyond the width).
std::int64_t Visible(std::int64_t x, std::int64_t count, std::int64_t width) {
  if (x >= width) return 0;
  return count < width - x ? count : width - x;
}

void SetNibble(std::uint8_t* row, std::int64_t x, std::uint8_t value) {
  std::uint8_t& b = row[x / 2];
  b = x % 2 == 0 ? static_cast<std::uint8_t>((b & 0x0F) | value << 4) : static_cast<std::uint8_t>((b & 0xF0) | value);
}

}  // namespace

std::unique_ptr<TDibData> Convert8BitRLETo8BitRGB(const TDibData& store) {
  if (store.header.biBitCount != 8 || store.header.biCompression != BI_RLE8) {
    throw EDibBadDIBType("Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination");
  }
  auto target = EmptyTarget(store);
  const std::int64_t width = store.width;
  const std::int64_t rows = store.height;
  Codes codes(store);
  std::int64_t x = 0;
  std::int64_t row = 0;
  for (;;) {
    if (!codes.Has(2)) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 1");
    const std::uint8_t count = codes.Next();
    const std::uint8_t value = codes.Next();
    if (count > 0) {
      if (row >= rows) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 4");
      const std::int64_t n = Visible(x, count, width);
      if (n > 0) std::memset(RowOf(*target, row) + x, value, static_cast<std::size_t>(n));
      x += count;
    } else if (value == 0) {
      ++row;
      x = 0;
      if (row > rows) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 1");
    } else if (value == 1) {
      return target;
    } else if (value == 2) {
      if (!codes.Has(2)) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 2");
      const std::uint8_t dx = codes.Next();
      const std::uint8_t dy = codes.Next();
      if (row + dy > rows) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 2");
      x += dx;
      row += dy;
    } else {
      const std::size_t padded = value + (value & 1u);
      if (!codes.Has(padded) || row >= rows) throw EDibInvalidDIB("Convert8BitRLETo8BitRGB: Bad RLE Data 3");
      const std::uint8_t* literal = codes.Take(padded);
      const std::int64_t n = Visible(x, value, width);
      if (n > 0) std::memcpy(RowOf(*target, row) + x, literal, static_cast<std::size_t>(n));
      x += value;
    }
  }
}

std::unique_ptr<TDibData> Convert4BitRLETo4BitRGB(const TDibData& store) {
  if (store.header.biBitCount != 4 || store.header.biCompression != BI_RLE4) {
    throw EDibBadDIBType("Convert4BitRLETo4BitRGB: Invalid Bitcount & Compression Combination");
  }
  auto target = EmptyTarget(store);
  // A row of an odd width may carry one more pixel, in its last byte's low nibble.
  const std::int64_t width = (std::int64_t{store.width} + 1) / 2 * 2;
  const std::int64_t rows = store.height;
  Codes codes(store);
  std::int64_t x = 0;
  std::int64_t row = 0;
  for (;;) {
    if (!codes.Has(2)) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 5");
    const std::uint8_t count = codes.Next();
    const std::uint8_t value = codes.Next();
    if (count > 0) {
      if (row >= rows) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 8");
      std::uint8_t* out = RowOf(*target, row);
      const auto high = static_cast<std::uint8_t>(value >> 4);
      const auto low = static_cast<std::uint8_t>(value & 0x0F);
      const std::int64_t n = Visible(x, count, width);
      for (std::int64_t j = 0; j < n; ++j) SetNibble(out, x + j, j % 2 == 0 ? high : low);
      x += count;
    } else if (value == 0) {
      ++row;
      x = 0;
      if (row > rows) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 5");
    } else if (value == 1) {
      return target;
    } else if (value == 2) {
      if (!codes.Has(2)) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 6");
      const std::uint8_t dx = codes.Next();
      const std::uint8_t dy = codes.Next();
      if (row + dy > rows) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 6");
      x += dx;
      row += dy;
    } else {
      const std::size_t bytes = (std::size_t{value} + 3) / 4 * 2;
      if (!codes.Has(bytes) || row >= rows) throw EDibInvalidDIB("Convert4BitRLETo4BitRGB: Bad RLE Data 7");
      const std::uint8_t* literal = codes.Take(bytes);
      std::uint8_t* out = RowOf(*target, row);
      const std::int64_t n = Visible(x, value, width);
      for (std::int64_t j = 0; j < n; ++j) {
        const std::uint8_t b = literal[j / 2];
        SetNibble(out, x + j, j % 2 == 0 ? static_cast<std::uint8_t>(b >> 4) : static_cast<std::uint8_t>(b & 0x0F));
      }
      x += value;
    }
  }
}

}  // namespace lumetta
