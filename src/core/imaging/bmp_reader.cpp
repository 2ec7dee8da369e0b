// BMP stream reading (LoadFromStream): file header, info header (40 bytes,
// or the longer 52-, 56-, 108- and 124-byte forms that begin with the same 40
// bytes, or the OS/2 12-byte header), colour table, pixel rows. 16- and 32-bit pixels become 24-bit
// while they are read; RLE data is kept as it is in the file.
//
// The pixel block of an uncompressed file is always stride x |height| bytes,
// whatever the file header's sizes claim: a file that holds fewer bytes fails
// as truncated instead of yielding a store shorter than its rows.
#include <algorithm>
#include <array>
#include <cstring>
#include <istream>
#include <iterator>
#include <optional>
#include <vector>

#include "core/imaging/bit_masks.h"
#include "core/imaging/bmp_input.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
// Longer info headers (the V2 and V3 forms, BITMAPV4HEADER, BITMAPV5HEADER):
// the 40-byte header followed by the bit masks and, from V4 on, colour-space
// and profile fields, which are not used.
constexpr std::uint32_t kLongInfoHeaderSizes[] = {52, 56, 108, 124};
constexpr std::uint32_t kLargestInfoHeaderSize = 124;
constexpr std::int32_t kDefaultPelsPerMeter = 3780;

// Compressed data is read up to this much, so that a damaged header cannot
// make one small file ask for gigabytes.
constexpr std::uint64_t kMaxCompressedBytes = std::uint64_t{1} << 30;

// The header as read, with the colour table's raw bytes (masks first when the
// file has BI_BITFIELDS).
struct ParsedHeader {
  TBitmapInfoHeader info;
  std::array<std::uint8_t, (256 + 3) * 4> table{};
  std::uint32_t table_entries = 0;  // entries held in table, masks included
  bool has_masks = false;           // the first three entries are BI_BITFIELDS masks
  // BI_BITFIELDS masks held in a longer info header (red, green, blue).
  std::optional<std::array<std::uint32_t, 3>> header_masks;
};

bool IsLongInfoHeader(std::uint32_t size) {
  return std::find(std::begin(kLongInfoHeaderSizes), std::end(kLongInfoHeaderSizes), size) !=
         std::end(kLongInfoHeaderSizes);
}

std::int64_t AbsHeight(std::int32_t height) { return height < 0 ? -std::int64_t{height} : std::int64_t{height}; }

bool ValidBitCount(std::uint16_t bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Reads the info header's other fields (of a longer header: its first 40
// bytes and, with BI_BITFIELDS, the masks it holds) and the colour table that
// follows the whole header, and moves to the pixel data.
void ReadInfoHeader(bmp::StreamInput& in, std::uint32_t header_size, std::uint32_t off_bits, ParsedHeader& parsed) {
  std::array<std::uint8_t, kLargestInfoHeaderSize - 4> rest{};
  in.Read(rest.data(), header_size - 4);
  const bmp::LittleEndianFields f(rest);
  TBitmapInfoHeader& h = parsed.info;
  h.biSize = kInfoHeaderSize;
  h.biWidth = f.I32(0);
  h.biHeight = f.I32(4);
  h.biPlanes = f.U16(8);
  h.biBitCount = f.U16(10);
  h.biCompression = f.U32(12);
  h.biSizeImage = f.U32(16);
  h.biXPelsPerMeter = f.I32(20);
  h.biYPelsPerMeter = f.I32(24);
  h.biClrUsed = f.U32(28);
  h.biClrImportant = f.U32(32);
  if (h.biXPelsPerMeter == 0) h.biXPelsPerMeter = kDefaultPelsPerMeter;
  if (h.biYPelsPerMeter == 0) h.biYPelsPerMeter = kDefaultPelsPerMeter;
  if (!ValidBitCount(h.biBitCount)) throw EDibInvalidDIB("TDibData.LoadFromStream: Invalid BitCout");
  if (h.biClrUsed == 0 && h.biBitCount <= 8) h.biClrUsed = 1u << h.biBitCount;

  if (header_size == kInfoHeaderSize) {
    parsed.has_masks = h.biCompression == BI_BITFIELDS;
  } else if (h.biCompression == BI_BITFIELDS) {
    parsed.header_masks = std::array<std::uint32_t, 3>{f.U32(36), f.U32(40), f.U32(44)};
  }
  const std::uint32_t mask_entries = parsed.has_masks ? 3 : 0;
  const std::uint32_t kept = std::min<std::uint32_t>(h.biClrUsed, 256);
  parsed.table_entries = kept + mask_entries;
  in.Read(parsed.table.data(), std::size_t{parsed.table_entries} * 4);

  const std::uint64_t table_end =
      kFileHeaderSize + header_size + std::uint64_t{h.biClrUsed} * 4 + std::uint64_t{mask_entries} * 4;
  if (off_bits < table_end) throw EDibInvalidDIB("TDibData.LoadFromFile: bfOffBits is too small");
  // Skips what is left of an oversized colour table and any gap before the pixels.
  const std::uint64_t consumed = kFileHeaderSize + header_size + std::uint64_t{parsed.table_entries} * 4;
  in.Skip(off_bits - consumed);
  h.biClrUsed = kept;
}

// Reads the OS/2 header and its three-byte colour entries into the 40-byte form.
void ReadCoreHeader(bmp::StreamInput& in, std::uint32_t off_bits, ParsedHeader& parsed) {
  std::array<std::uint8_t, kCoreHeaderSize - 4> rest{};
  in.Read(rest.data(), rest.size());
  const bmp::LittleEndianFields f(rest);
  const std::uint16_t bits = f.U16(6);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24) {
    throw EDibInvalidDIB("TDibData.LoadFromStream: Invalid BitCount");
  }
  const std::uint32_t entries = bits == 24 ? 0 : 1u << bits;
  std::array<std::uint8_t, 256 * 3> triples{};
  in.Read(triples.data(), std::size_t{entries} * 3);
  const std::uint64_t table_end = kFileHeaderSize + kCoreHeaderSize + std::uint64_t{entries} * 3;
  if (off_bits < table_end) throw EDibInvalidDIB("TDibData.LoadFromFile: bfOffBits is too small");
  in.Skip(off_bits - table_end);

  TBitmapInfoHeader& h = parsed.info;
  h.biSize = kInfoHeaderSize;
  h.biWidth = f.U16(0);
  h.biHeight = f.U16(2);
  h.biPlanes = f.U16(4);
  h.biBitCount = bits;
  h.biCompression = BI_RGB;
  h.biSizeImage = 0;
  h.biXPelsPerMeter = kDefaultPelsPerMeter;
  h.biYPelsPerMeter = kDefaultPelsPerMeter;
  h.biClrUsed = entries;
  h.biClrImportant = 0;
  for (std::uint32_t i = 0; i < entries; ++i) {
    std::memcpy(&parsed.table[i * 4], &triples[i * 3], 3);
    parsed.table[i * 4 + 3] = 0;
  }
  parsed.table_entries = entries;
}

void CopyColourTable(const ParsedHeader& parsed, std::uint32_t first_entry, TDibData& store) {
  for (std::uint32_t i = first_entry, j = 0; i < parsed.table_entries; ++i, ++j) {
    const std::uint8_t* q = &parsed.table[i * 4];
    store.colours[j] = TRgbQuad{q[0], q[1], q[2], q[3]};
  }
}

// Rows of 1, 4, 8 or 24 bits, read straight into their top-down places.
void ReadRows(bmp::StreamInput& in, TDibData& store) {
  const auto stride = static_cast<std::size_t>(store.Stride());
  const auto rows = static_cast<std::size_t>(store.height);
  const std::size_t size = stride * rows;
  // A file that cannot hold the rows fails before the block is allocated.
  if (auto left = in.Remaining(); left && *left < size) bmp::ThrowTruncated();
  PixelBlock block = AllocatePixels(size, false);
  if (store.header.biHeight < 0) {
    in.Read(block.get(), size);
  } else {
    for (std::size_t i = 0; i < rows; ++i) in.Read(block.get() + (rows - 1 - i) * stride, stride);
  }
  store.image_size = size;
  store.bits = std::move(block);
}

// Compressed data as the file holds it: what is left of the stream, within a
// cap that no real encoding of an image of this size comes near.
void ReadCompressed(bmp::StreamInput& in, TDibData& store) {
  const std::uint64_t row_bytes = static_cast<std::uint64_t>(TDibData::StrideFor(store.width, 8)) + 2;
  std::uint64_t cap = std::min(kMaxCompressedBytes, 2 * row_bytes * static_cast<std::uint64_t>(store.height) + 1024);
  if (auto left = in.Remaining()) cap = std::min(cap, *left);
  std::vector<std::uint8_t> data;
  std::size_t have = 0;
  while (have < cap) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(cap - have, have < 65536 ? 65536 : have));
    data.resize(have + want);
    const std::size_t got = in.ReadUpTo(data.data() + have, want);
    have += got;
    if (got != want) break;
  }
  PixelBlock block = AllocatePixels(have, false);
  if (have != 0) std::memcpy(block.get(), data.data(), have);
  store.image_size = have;
  store.bits = std::move(block);
}

// 16- and 32-bit rows converted to 24 bits, channel by channel through the
// masks.
void ReadRowsAs24Bit(bmp::StreamInput& in, const ParsedHeader& parsed, TDibData& store) {
  const int source_bits = parsed.info.biBitCount;
  std::array<std::uint32_t, 3> masks{};
  if (parsed.header_masks) {
    masks = *parsed.header_masks;
  } else if (parsed.info.biCompression != BI_RGB) {
    // The masks are the first three table entries, as the file has them.
    const bmp::LittleEndianFields table(std::span(parsed.table.data(), std::size_t{parsed.table_entries} * 4));
    for (std::size_t c = 0; c < 3; ++c) masks[c] = parsed.table_entries > c ? table.U32(c * 4) : 0;
  } else if (source_bits == 16) {
    masks = {0x7C00, 0x03E0, 0x001F};
  } else {
    masks = {0xFF0000, 0x00FF00, 0x0000FF};
  }
  if (masks[0] == 0 || masks[1] == 0 || masks[2] == 0) throw EDibInvalidDIB("TDibData.LoadFromStream: Invalid Masks");
  const ChannelMask red = MakeChannelMask(masks[0]);
  const ChannelMask green = MakeChannelMask(masks[1]);
  const ChannelMask blue = MakeChannelMask(masks[2]);

  const std::size_t width = static_cast<std::size_t>(store.width);
  const std::size_t rows = static_cast<std::size_t>(store.height);
  const std::size_t source_stride = (width * (source_bits / 8) + 3) / 4 * 4;
  const std::size_t stride = static_cast<std::size_t>(TDibData::StrideFor(store.width, 24));
  if (auto left = in.Remaining(); left && *left < source_stride * rows) bmp::ThrowTruncated();
  PixelBlock block = AllocatePixels(stride * rows, false);
  std::vector<std::uint8_t> source(source_stride);
  for (std::size_t i = 0; i < rows; ++i) {
    in.Read(source.data(), source_stride);
    const std::size_t y = store.header.biHeight < 0 ? i : rows - 1 - i;
    std::uint8_t* out = block.get() + y * stride;
    std::memset(out + width * 3, 0, stride - width * 3);
    const std::uint8_t* p = source.data();
    for (std::size_t x = 0; x < width; ++x, out += 3) {
      std::uint32_t pixel;
      if (source_bits == 16) {
        pixel = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8;
        p += 2;
      } else {
        pixel = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
        p += 4;
      }
      out[0] = blue.Channel(pixel);
      out[1] = green.Channel(pixel);
      out[2] = red.Channel(pixel);
    }
  }
  store.image_size = stride * rows;
  store.bits = std::move(block);
}

}  // namespace

std::unique_ptr<TDibData> ReadBmpStore(std::istream& stream) {
  bmp::StreamInput in(stream);
  std::array<std::uint8_t, kFileHeaderSize> file_header{};
  const std::size_t got = in.ReadUpTo(file_header.data(), file_header.size());
  if (got < 2 || file_header[0] != 'B' || file_header[1] != 'M') {
    throw EDibInvalidDIBFile("TDibData.LoadFromFile: File type is invalid");
  }
  if (got < file_header.size()) bmp::ThrowTruncated();
  const std::uint32_t off_bits = bmp::LittleEndianFields(file_header).U32(10);

  std::array<std::uint8_t, 4> size_field{};
  in.Read(size_field.data(), size_field.size());
  const std::uint32_t header_size = bmp::LittleEndianFields(size_field).U32(0);

  ParsedHeader parsed;
  if (header_size == kInfoHeaderSize || IsLongInfoHeader(header_size)) {
    ReadInfoHeader(in, header_size, off_bits, parsed);
  } else if (header_size == kCoreHeaderSize) {
    ReadCoreHeader(in, off_bits, parsed);
  } else {
    throw EDibInvalidDIB("TDibData.LoadFromStream: Invalid Bitmap Header Size");
  }

  const TBitmapInfoHeader& h = parsed.info;
  if (h.biWidth <= 0 || h.biHeight == 0) throw EDibInvalidDIB("TDibData.LoadFromStream: Invalid Width or Height");
  if (std::int64_t{h.biWidth} * AbsHeight(h.biHeight) > TDibData::kMaxPixels) {
    throw EDibInvalidDIBPara("TDibData.CreateDIB: Invalid Parameters");
  }

  auto store = std::make_unique<TDibData>();
  store->header = h;
  store->width = h.biWidth;
  store->height = static_cast<std::int32_t>(AbsHeight(h.biHeight));
  store->palette_modified = true;
  store->uses_mapping = true;

  if (h.biBitCount == 16 || h.biBitCount == 32) {
    ReadRowsAs24Bit(in, parsed, *store);
    store->header.biBitCount = 24;
    store->header.biCompression = BI_RGB;
    store->header.biSizeImage = 0;
    CopyColourTable(parsed, parsed.has_masks ? 3 : 0, *store);
  } else {
    if (h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS) {
      ReadRows(in, *store);
    } else {
      ReadCompressed(in, *store);
    }
    CopyColourTable(parsed, 0, *store);
  }
  return store;
}

}  // namespace lumetta
