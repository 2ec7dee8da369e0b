// A plug-in for the tests that hands over damaged blocks. It takes files
// that begin with "DAMAGED:" followed by the kind of damage, and answers
// with two blocks allocated with malloc as the interface asks, but whose
// contents contradict each other in that way. "good" gives a sound 2 x 2
// picture, so that the plug-in itself is shown to work.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lumetta/susie_plugin.h"

namespace {

constexpr char kPrefix[] = "DAMAGED:";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;

const char* const kInfo[] = {"00IN", "Damaged blocks for the tests", "*.dmg", "Damaged"};

std::string KindOf(const char* path, std::intptr_t offset) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) return {};
  char bytes[64] = {};
  std::fseek(file, static_cast<long>(offset), SEEK_SET);
  const std::size_t got = std::fread(bytes, 1, sizeof bytes - 1, file);
  std::fclose(file);
  if (got < kPrefixLength || std::memcmp(bytes, kPrefix, kPrefixLength) != 0) return {};
  std::string kind(bytes + kPrefixLength, got - kPrefixLength);
  while (!kind.empty() && (kind.back() == '\n' || kind.back() == '\r' || kind.back() == '\0')) kind.pop_back();
  return kind;
}

SpiBitmapInfoHeader Header(std::int32_t width, std::int32_t height, std::uint16_t bits, std::uint32_t colours) {
  SpiBitmapInfoHeader h{};
  h.biSize = 40;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = bits;
  h.biCompression = SPI_BI_RGB;
  h.biClrUsed = colours;
  return h;
}

// A header block of size bytes beginning with h (cut when shorter).
void* InfoBlock(const SpiBitmapInfoHeader& h, std::size_t size) {
  auto* block = static_cast<std::uint8_t*>(std::calloc(1, size));
  std::memcpy(block, &h, size < sizeof h ? size : sizeof h);
  return block;
}

void* PixelBlock(std::size_t size, std::uint8_t fill) {
  void* block = std::malloc(size);
  std::memset(block, fill, size);
  return block;
}

}  // namespace

extern "C" SPI_EXPORT int SPI_CALL GetPluginInfo(int infono, char* buf, int buflen) {
  if (infono < 0 || infono >= 4 || buflen <= 0) return 0;
  std::snprintf(buf, static_cast<std::size_t>(buflen), "%s", kInfo[infono]);
  return static_cast<int>(std::strlen(buf));
}

extern "C" SPI_EXPORT int SPI_CALL IsSupported(const char*, const void* dw) {
  return std::memcmp(dw, kPrefix, kPrefixLength) == 0 ? 1 : 0;
}

extern "C" SPI_EXPORT int SPI_CALL GetPictureInfo(const char*, intptr_t, unsigned int, SpiPictureInfo* info) {
  info->width = 2;
  info->height = 2;
  info->colorDepth = 24;
  info->hInfo = nullptr;
  return SPI_ALL_RIGHT;
}

extern "C" SPI_EXPORT int SPI_CALL GetPicture(const char* buf, intptr_t len, unsigned int, void** pHBInfo, void** pHBm,
                                              SpiProgressCallback, intptr_t) {
  const std::string kind = KindOf(buf, len);
  *pHBInfo = nullptr;
  *pHBm = nullptr;
  if (kind == "good") {
    // 2 x 2, 24 bits, rows of 8 bytes: bottom row blue, top row red.
    *pHBInfo = InfoBlock(Header(2, 2, 24, 0), 40);
    auto* rows = static_cast<std::uint8_t*>(PixelBlock(16, 0));
    for (int x = 0; x < 2; ++x) {
      rows[x * 3] = 255;
      rows[8 + x * 3 + 2] = 255;
    }
    *pHBm = rows;
  } else if (kind == "short_header") {
    *pHBInfo = InfoBlock(Header(2, 2, 24, 0), 16);
    *pHBm = PixelBlock(16, 0x55);
  } else if (kind == "huge_dimensions") {
    *pHBInfo = InfoBlock(Header(100000, 100000, 24, 0), 40);
    *pHBm = PixelBlock(64, 0x55);
  } else if (kind == "table_past_block") {
    // 8 bits with 256 colours promised, 2 held.
    *pHBInfo = InfoBlock(Header(4, 4, 8, 256), 40 + 8);
    *pHBm = PixelBlock(16, 0xFF);
  } else if (kind == "rows_past_block") {
    // 8 x 8 at 24 bits needs 8 rows of 24 bytes; half of them are there.
    // (A block a few bytes short is not seen: the C library reports the
    // size it allocated, which may be rounded up.)
    *pHBInfo = InfoBlock(Header(8, 8, 24, 0), 40);
    *pHBm = PixelBlock(96, 0x55);
  } else if (kind == "bad_bit_count") {
    *pHBInfo = InfoBlock(Header(2, 2, 7, 0), 40);
    *pHBm = PixelBlock(64, 0x55);
  } else if (kind == "negative_width") {
    *pHBInfo = InfoBlock(Header(-2, 2, 24, 0), 40);
    *pHBm = PixelBlock(64, 0x55);
  } else if (kind == "one_block_twice") {
    // One block as both: freeing it twice would corrupt the heap.
    void* block = InfoBlock(Header(2, 2, 24, 0), 256);
    *pHBInfo = block;
    *pHBm = block;
  } else if (kind == "no_pixels") {
    *pHBInfo = InfoBlock(Header(2, 2, 24, 0), 40);
  } else if (kind == "failure_with_blocks") {
    *pHBInfo = InfoBlock(Header(2, 2, 24, 0), 40);
    *pHBm = PixelBlock(16, 0x55);
    return SPI_OUT_OF_ORDER;
  } else {
    return SPI_NOT_SUPPORT;
  }
  return SPI_ALL_RIGHT;
}
