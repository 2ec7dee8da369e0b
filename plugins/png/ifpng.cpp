// PNG plug-in: every PNG (palette, grey, 16-bit, interlaced, with or without
// transparency) through libpng, as 8-bit colour; transparent pixels are put
// over white, since the picture handed over has no alpha.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "plugin_support.h"

namespace {

const char* const kInfo[] = {"00IN", "PNG plug-in for Lumetta (libpng " PNG_LIBPNG_VER_STRING ")", "*.png",
                             "PNG (Portable Network Graphics)"};

void Quiet(png_structp, png_const_charp) {}

// What the setjmp-guarded part reports; it holds no C++ object, so that a
// longjmp out of libpng leaves nothing undestroyed.
struct ReadState {
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int channels = 0;  // 3 or 4 after the transformations
  int passes = 1;
};

// Opens the file at offset and reads the PNG header with the
// transformations to 8-bit BGR(A) set. False when it is no readable PNG.
bool OpenPng(const char* path, std::intptr_t offset, ReadState& s) {
  s.file = std::fopen(path, "rb");
  if (s.file == nullptr || std::fseek(s.file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, Quiet);
  if (s.png == nullptr) return false;
  s.info = png_create_info_struct(s.png);
  if (s.info == nullptr) return false;
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_init_io(s.png, s.file);
  png_read_info(s.png, s.info);
  s.width = png_get_image_width(s.png, s.info);
  s.height = png_get_image_height(s.png, s.info);
  png_set_expand(s.png);
  png_set_scale_16(s.png);
  png_set_gray_to_rgb(s.png);
  png_set_bgr(s.png);
  s.passes = png_set_interlace_handling(s.png);
  png_read_update_info(s.png, s.info);
  s.channels = png_get_channels(s.png, s.info);
  return s.channels == 3 || s.channels == 4;
}

void ClosePng(ReadState& s) {
  if (s.png != nullptr) png_destroy_read_struct(&s.png, s.info != nullptr ? &s.info : nullptr, nullptr);
  if (s.file != nullptr) std::fclose(s.file);
  s.png = nullptr;
  s.info = nullptr;
  s.file = nullptr;
}

// Reads the rows through row pointers; false on a libpng error.
bool ReadRows(ReadState& s, png_bytep* rows) {
  if (setjmp(png_jmpbuf(s.png))) return false;
  png_read_image(s.png, rows);
  png_read_end(s.png, nullptr);
  return true;
}

class PngFile {
 public:
  PngFile(const char* path, std::intptr_t offset) {
    if (offset < 0 || !OpenPng(path, offset, s_)) {
      ClosePng(s_);
      spi::Fail(SPI_OUT_OF_ORDER);
    }
  }
  ~PngFile() { ClosePng(s_); }
  PngFile(const PngFile&) = delete;
  PngFile& operator=(const PngFile&) = delete;
  ReadState& State() { return s_; }

 private:
  ReadState s_;
};

bool IsPng(const char*, const std::uint8_t* head) { return png_sig_cmp(head, 0, 8) == 0; }

void Probe(const char* path, std::intptr_t offset, SpiPictureInfo& info) {
  PngFile png(path, offset);
  info.width = static_cast<std::int32_t>(png.State().width);
  info.height = static_cast<std::int32_t>(png.State().height);
  info.colorDepth = static_cast<std::int16_t>(png.State().channels * 8);
}

void Decode(const char* path, std::intptr_t offset, spi::Picture& picture) {
  PngFile png(path, offset);
  ReadState& s = png.State();
  picture.Create(s.width, s.height);
  std::vector<png_bytep> rows(s.height);
  if (s.channels == 3) {
    // Straight into the picture's rows, the top row last in memory.
    for (png_uint_32 y = 0; y < s.height; ++y) rows[y] = picture.Row(y);
    if (!ReadRows(s, rows.data())) spi::Fail(SPI_OUT_OF_ORDER);
    return;
  }
  std::vector<std::uint8_t> bgra(std::size_t{s.width} * 4 * s.height);
  for (png_uint_32 y = 0; y < s.height; ++y) rows[y] = bgra.data() + std::size_t{y} * s.width * 4;
  if (!ReadRows(s, rows.data())) spi::Fail(SPI_OUT_OF_ORDER);
  for (png_uint_32 y = 0; y < s.height; ++y) {
    const std::uint8_t* in = rows[y];
    std::uint8_t* out = picture.Row(y);
    for (png_uint_32 x = 0; x < s.width; ++x, in += 4, out += 3) {
      out[0] = spi::OverWhite(in[0], in[3]);
      out[1] = spi::OverWhite(in[1], in[3]);
      out[2] = spi::OverWhite(in[2], in[3]);
    }
  }
}

const spi::Decoder kDecoder{kInfo, 4, IsPng, Probe, Decode};

}  // namespace

LUMETTA_PICTURE_PLUGIN(kDecoder)
