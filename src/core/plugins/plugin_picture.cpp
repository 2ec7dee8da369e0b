#include "core/plugins/plugin_picture.h"

#include <array>
#include <cstring>
#include <istream>
#include <limits>
#include <streambuf>
#include <vector>

#include "core/imaging/bmp_input.h"

namespace lumetta {

namespace {

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint64_t kInfoHeaderSize = 40;
constexpr std::uint64_t kCoreHeaderSize = 12;
constexpr std::uint64_t kMaskBytes = 12;
// The largest header of the BITMAPINFO family (BITMAPV5HEADER).
constexpr std::uint64_t kLargestHeaderSize = 124;
// What the BMP reader puts in a header that gives no resolution.
constexpr std::int32_t kDefaultPelsPerMeter = 3780;

[[noreturn]] void Refuse(const char* what) { throw EPluginPicture(std::string("Susie Plugin returned ") + what); }

// A stream over the BMP headers built here followed by the plug-in's pixel
// block, so that the rows are copied once, by the reader, into the store.
class TwoPartBuffer : public std::streambuf {
 public:
  TwoPartBuffer(std::span<const std::uint8_t> head, std::span<const std::uint8_t> tail) : parts_{head, tail} {
    Enter(0, 0);
  }

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (part_ == 0 && !parts_[1].empty()) {
      Enter(1, 0);
      return traits_type::to_int_type(*gptr());
    }
    return traits_type::eof();
  }

  pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override {
    if (!(which & std::ios_base::in)) return pos_type(off_type(-1));
    const auto total = static_cast<off_type>(parts_[0].size() + parts_[1].size());
    const off_type here = static_cast<off_type>(part_ == 0 ? 0 : parts_[0].size()) + (gptr() - eback());
    const off_type base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? here : total;
    const off_type target = base + off;
    if (target < 0 || target > total) return pos_type(off_type(-1));
    const auto first = static_cast<off_type>(parts_[0].size());
    if (target < first || parts_[1].empty()) {
      Enter(0, static_cast<std::size_t>(target));
    } else {
      Enter(1, static_cast<std::size_t>(target - first));
    }
    return pos_type(target);
  }

  pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
    return seekoff(off_type(pos), std::ios_base::beg, which);
  }

 private:
  void Enter(std::size_t part, std::size_t offset) {
    part_ = part;
    char* begin = const_cast<char*>(reinterpret_cast<const char*>(parts_[part].data()));
    setg(begin, begin + offset, begin + parts_[part].size());
  }

  std::array<std::span<const std::uint8_t>, 2> parts_;
  std::size_t part_ = 0;
};

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

std::uint64_t AbsHeight(std::int32_t height) {
  return height < 0 ? static_cast<std::uint64_t>(-std::int64_t{height}) : static_cast<std::uint64_t>(height);
}

bool ValidBitCount(std::uint32_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// The BMP headers (file header, 40-byte or 12-byte info header, masks and
// colour table) for the plug-in's BITMAPINFO, and how many pixel bytes
// follow them.
struct Headers {
  std::vector<std::uint8_t> bytes;
  std::uint64_t pixel_bytes = 0;
};

// The 14-byte file header in front of a stream of off_bits bytes of headers
// and colour table followed by pixel_bytes of pixels (both checked by the
// caller to fit the header's 32-bit fields).
Headers WithFileHeader(std::uint64_t off_bits, std::uint64_t pixel_bytes) {
  Headers h;
  h.pixel_bytes = pixel_bytes;
  h.bytes.reserve(static_cast<std::size_t>(off_bits));
  h.bytes.push_back('B');
  h.bytes.push_back('M');
  PutU32(h.bytes, static_cast<std::uint32_t>(off_bits + pixel_bytes));
  PutU32(h.bytes, 0);
  PutU32(h.bytes, static_cast<std::uint32_t>(off_bits));
  return h;
}

Headers CoreHeaders(std::span<const std::uint8_t> info, std::span<const std::uint8_t> pixels) {
  if (info.size() < kCoreHeaderSize) Refuse("a header block shorter than its header");
  const bmp::LittleEndianFields f(info);
  const std::uint64_t width = f.U16(4);
  const std::uint64_t height = f.U16(6);
  const std::uint32_t bits = f.U16(10);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) Refuse("an invalid bit count");
  if (width == 0 || height == 0) Refuse("an empty picture");
  const std::uint64_t entries = bits == 24 ? 0 : std::uint64_t{1} << bits;
  const std::uint64_t table = entries * 3;
  if (info.size() - kCoreHeaderSize < table) Refuse("a colour table past its block");
  const std::uint64_t stride = static_cast<std::uint64_t>(TDibData::StrideFor(static_cast<std::int64_t>(width), bits));
  const std::uint64_t rows = stride * height;
  if (pixels.size() < rows) Refuse("fewer pixel bytes than its rows");
  const std::uint64_t off_bits = kFileHeaderSize + kCoreHeaderSize + table;
  if (off_bits + rows > std::numeric_limits<std::uint32_t>::max()) Refuse("a picture too large to hold");

  Headers h = WithFileHeader(off_bits, rows);
  h.bytes.insert(h.bytes.end(), info.begin(), info.begin() + static_cast<std::ptrdiff_t>(kCoreHeaderSize + table));
  h.bytes[kFileHeaderSize] = static_cast<std::uint8_t>(kCoreHeaderSize);
  for (std::size_t i = 1; i < 4; ++i) h.bytes[kFileHeaderSize + i] = 0;
  return h;
}

Headers InfoHeaders(std::span<const std::uint8_t> info, std::span<const std::uint8_t> pixels, std::uint64_t header_size) {
  if (info.size() < header_size) Refuse("a header block shorter than its header");
  const bmp::LittleEndianFields f(info);
  const std::int32_t width = f.I32(4);
  const std::int32_t height = f.I32(8);
  const std::uint32_t bits = f.U16(14);
  const std::uint32_t compression = f.U32(16);
  const std::uint32_t size_image = f.U32(20);
  const std::uint32_t clr_used = f.U32(32);

  if (width <= 0 || height == 0 || height == std::numeric_limits<std::int32_t>::min()) {
    Refuse("an invalid width or height");
  }
  if (!ValidBitCount(bits)) Refuse("an invalid bit count");
  const bool rows_kind = compression == BI_RGB || (compression == BI_BITFIELDS && (bits == 16 || bits == 32));
  const bool rle = (compression == BI_RLE8 && bits == 8) || (compression == BI_RLE4 && bits == 4);
  if (!rows_kind && !rle) Refuse("an unknown compression");
  const std::uint64_t pixel_count = static_cast<std::uint64_t>(width) * AbsHeight(height);
  if (pixel_count > static_cast<std::uint64_t>(TDibData::kMaxPixels)) Refuse("a picture too large to hold");

  const std::uint64_t entries = clr_used == 0 && bits <= 8 ? std::uint64_t{1} << bits : clr_used;
  const bool masks_after_header = compression == BI_BITFIELDS && header_size < kInfoHeaderSize + kMaskBytes;
  const std::uint64_t masks_at = header_size < kInfoHeaderSize + kMaskBytes ? header_size : kInfoHeaderSize;
  const std::uint64_t table_at = header_size + (masks_after_header ? kMaskBytes : 0);
  if (info.size() < table_at || (info.size() - table_at) / 4 < entries) Refuse("a colour table past its block");
  // The BMP reader keeps at most 256 entries; a larger table is cut here so
  // that the stream holds no more than it reads.
  const std::uint64_t kept = entries > 256 ? 256 : entries;

  std::uint64_t pixel_bytes = 0;
  if (rows_kind) {
    const std::uint64_t stride = static_cast<std::uint64_t>(TDibData::StrideFor(width, static_cast<int>(bits)));
    pixel_bytes = stride * AbsHeight(height);
    if (pixels.size() < pixel_bytes) Refuse("fewer pixel bytes than its rows");
  } else {
    pixel_bytes = size_image != 0 && size_image <= pixels.size() ? size_image : pixels.size();
  }

  const std::uint64_t masks = compression == BI_BITFIELDS ? kMaskBytes : 0;
  const std::uint64_t off_bits = kFileHeaderSize + kInfoHeaderSize + masks + kept * 4;
  if (off_bits + pixel_bytes > std::numeric_limits<std::uint32_t>::max()) Refuse("a picture too large to hold");

  Headers h = WithFileHeader(off_bits, pixel_bytes);
  // The 40-byte header whatever the plug-in's header size, with the number
  // of table entries the stream really holds.
  const std::size_t header_start = h.bytes.size();
  h.bytes.insert(h.bytes.end(), info.begin(), info.begin() + static_cast<std::ptrdiff_t>(kInfoHeaderSize));
  h.bytes[header_start] = static_cast<std::uint8_t>(kInfoHeaderSize);
  for (std::size_t i = 1; i < 4; ++i) h.bytes[header_start + i] = 0;
  std::uint8_t* clr_used_field = &h.bytes[header_start + 32];
  clr_used_field[0] = static_cast<std::uint8_t>(kept);
  clr_used_field[1] = static_cast<std::uint8_t>(kept >> 8);
  clr_used_field[2] = 0;
  clr_used_field[3] = 0;
  if (masks != 0) {
    if (info.size() < masks_at + kMaskBytes) Refuse("a colour table past its block");
    h.bytes.insert(h.bytes.end(), info.begin() + static_cast<std::ptrdiff_t>(masks_at),
                   info.begin() + static_cast<std::ptrdiff_t>(masks_at + kMaskBytes));
  }
  h.bytes.insert(h.bytes.end(), info.begin() + static_cast<std::ptrdiff_t>(table_at),
                 info.begin() + static_cast<std::ptrdiff_t>(table_at + kept * 4));
  return h;
}

}  // namespace

std::unique_ptr<TDibData> ReadPluginPicture(std::span<const std::uint8_t> info, std::span<const std::uint8_t> pixels) {
  if (info.size() < 4) Refuse("a header block shorter than its header");
  const std::uint64_t header_size = bmp::LittleEndianFields(info).U32(0);
  Headers headers;
  if (header_size == kCoreHeaderSize) {
    headers = CoreHeaders(info, pixels);
  } else if (header_size >= kInfoHeaderSize && header_size <= kLargestHeaderSize) {
    headers = InfoHeaders(info, pixels, header_size);
  } else {
    Refuse("an invalid header size");
  }
  TwoPartBuffer buffer(headers.bytes, pixels.first(static_cast<std::size_t>(headers.pixel_bytes)));
  std::istream in(&buffer);
  return ReadBmpStore(in);
}

std::unique_ptr<TDibData> AdoptPluginPicture(std::span<const std::uint8_t> info, std::size_t pixel_bytes,
                                             const std::function<PixelBlock()>& take) {
  if (info.size() < kInfoHeaderSize) return nullptr;
  const bmp::LittleEndianFields f(info);
  TBitmapInfoHeader h;
  h.biSize = static_cast<std::uint32_t>(kInfoHeaderSize);
  h.biWidth = f.I32(4);
  h.biHeight = f.I32(8);
  h.biPlanes = f.U16(12);
  h.biBitCount = f.U16(14);
  h.biCompression = f.U32(16);
  h.biSizeImage = f.U32(20);
  h.biXPelsPerMeter = f.I32(24);
  h.biYPelsPerMeter = f.I32(28);
  h.biClrUsed = f.U32(32);
  h.biClrImportant = f.U32(36);
  if (f.U32(0) != kInfoHeaderSize || h.biBitCount != 24 || h.biCompression != BI_RGB || h.biClrUsed != 0) {
    return nullptr;
  }
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<std::int32_t>::min()) return nullptr;
  const std::uint64_t rows = AbsHeight(h.biHeight);
  if (static_cast<std::uint64_t>(h.biWidth) * rows > static_cast<std::uint64_t>(TDibData::kMaxPixels)) return nullptr;
  const auto stride = static_cast<std::uint64_t>(TDibData::StrideFor(h.biWidth, 24));
  const std::uint64_t size = stride * rows;
  // The bound the BMP stream's 32-bit fields put on what ReadPluginPicture
  // takes; larger pictures go there to be refused.
  if (size > pixel_bytes || kFileHeaderSize + kInfoHeaderSize + size > std::numeric_limits<std::uint32_t>::max()) {
    return nullptr;
  }
  PixelBlock block = take();
  if (!block) return nullptr;

  // The rows are bottom-up in the block unless the height is negative; the
  // store keeps them top-down.
  if (h.biHeight > 0) {
    std::vector<std::uint8_t> spare(static_cast<std::size_t>(stride));
    for (std::uint64_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
      std::uint8_t* a = block.get() + top * stride;
      std::uint8_t* b = block.get() + bottom * stride;
      std::memcpy(spare.data(), a, spare.size());
      std::memcpy(a, b, spare.size());
      std::memcpy(b, spare.data(), spare.size());
    }
  }
  if (h.biXPelsPerMeter == 0) h.biXPelsPerMeter = kDefaultPelsPerMeter;
  if (h.biYPelsPerMeter == 0) h.biYPelsPerMeter = kDefaultPelsPerMeter;

  auto store = std::make_unique<TDibData>();
  store->header = h;
  store->width = h.biWidth;
  store->height = static_cast<std::int32_t>(rows);
  store->image_size = static_cast<std::size_t>(size);
  store->bits = std::move(block);
  store->palette_modified = true;
  store->uses_mapping = true;
  return store;
}

}  // namespace lumetta
