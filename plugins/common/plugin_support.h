#pragma once
// What every plug-in built with Lumetta shares: the information strings, the
// two blocks of a picture (a 24-bit bottom-up DIB, allocated with malloc for
// the host to free), reading a file from an offset, and the entry points
// that wrap a plug-in's own decoding so that no C++ exception and no
// half-made block ever reaches the host.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "lumetta/susie_plugin.h"

namespace spi {

// The most pixels a plug-in hands over, as many as the host takes.
inline constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 28;

// A failure of a plug-in's decoding, with the result code it becomes.
struct Failure {
  int code;
};
[[noreturn]] inline void Fail(int code) { throw Failure{code}; }

// The picture being made: a BITMAPINFOHEADER block and a block of 24-bit
// rows, blue, green, red, the bottom row first. Freed unless handed over.
class Picture {
 public:
  Picture() = default;
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // Allocates both blocks (rows zeroed). Fails with SPI_OUT_OF_ORDER for a
  // size the host cannot take and SPI_NO_MEMORY when memory runs out.
  void Create(std::uint32_t width, std::uint32_t height);

  std::uint32_t Width() const { return width_; }
  std::uint32_t Height() const { return height_; }
  std::size_t Stride() const { return stride_; }
  // Row y counted from the top of the picture.
  std::uint8_t* Row(std::uint32_t y) { return bits_ + (height_ - 1 - y) * stride_; }
  // The row that lies first in memory (the bottom one); rows follow at
  // Stride() apart, upwards.
  std::uint8_t* Bits() { return bits_; }

  // Gives both blocks to the caller.
  void HandOver(void** info, void** bits);

 private:
  void* info_ = nullptr;
  std::uint8_t* bits_ = nullptr;
  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::size_t stride_ = 0;
};

// The file from offset on, at most limit bytes. Fails with
// SPI_FILE_READ_ERROR.
std::vector<std::uint8_t> ReadFileFrom(const char* path, std::intptr_t offset, std::size_t limit = SIZE_MAX);

// Whether path's extension (without its dot) is one of the list, ignoring
// ASCII case.
bool HasExtension(const char* path, const char* const* extensions, std::size_t count);

// Puts unassociated alpha over white: c * a + 255 * (1 - a), rounded.
inline std::uint8_t OverWhite(std::uint32_t c, std::uint32_t a) {
  return static_cast<std::uint8_t>((c * a + 255 * (255 - a) + 127) / 255);
}

// What a plug-in provides.
struct Decoder {
  // Information strings 0 ("00IN"), 1 (the name), then filter and format
  // pairs.
  const char* const* info;
  int info_count;
  // Whether the file, of which head holds the first 2,048 bytes, is one of
  // the plug-in's.
  bool (*is_supported)(const char* path, const std::uint8_t* head);
  // The picture's size and bits per pixel, from the file's headers.
  void (*probe)(const char* path, std::intptr_t offset, SpiPictureInfo& info);
  // Decodes the picture at offset of the file into picture.
  void (*decode)(const char* path, std::intptr_t offset, Picture& picture);
};

int GetPluginInfo(const Decoder& decoder, int infono, char* buf, int buflen);
int IsSupported(const Decoder& decoder, const char* filename, const void* dw);
int GetPictureInfo(const Decoder& decoder, const char* buf, std::intptr_t len, unsigned int flag,
                   SpiPictureInfo* info);
int GetPicture(const Decoder& decoder, const char* buf, std::intptr_t len, unsigned int flag, void** pHBInfo,
               void** pHBm, SpiProgressCallback progress, std::intptr_t data);

}  // namespace spi

// Exports the entry points of a picture plug-in for its spi::Decoder.
#define LUMETTA_PICTURE_PLUGIN(decoder)                                                                           \
  extern "C" SPI_EXPORT int SPI_CALL GetPluginInfo(int infono, char* buf, int buflen) {                           \
    return spi::GetPluginInfo(decoder, infono, buf, buflen);                                                      \
  }                                                                                                               \
  extern "C" SPI_EXPORT int SPI_CALL IsSupported(const char* filename, const void* dw) {                          \
    return spi::IsSupported(decoder, filename, dw);                                                               \
  }                                                                                                               \
  extern "C" SPI_EXPORT int SPI_CALL GetPictureInfo(const char* buf, intptr_t len, unsigned int flag,             \
                                                    SpiPictureInfo* lpInfo) {                                     \
    return spi::GetPictureInfo(decoder, buf, len, flag, lpInfo);                                                  \
  }                                                                                                               \
  extern "C" SPI_EXPORT int SPI_CALL GetPicture(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo, \
                                                void** pHBm, SpiProgressCallback lpProgressCallback,              \
                                                intptr_t lData) {                                                 \
    return spi::GetPicture(decoder, buf, len, flag, pHBInfo, pHBm, lpProgressCallback, lData);                    \
  }
