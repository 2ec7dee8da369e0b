// TIFF plug-in: TIFF of every kind libtiff reads (uncompressed, LZW,
// Deflate, PackBits, JPEG; strips or tiles; 1 to 16 bits; grey, palette,
// RGB, CMYK, YCbCr; the first directory wherever it lies) through libtiff's
// RGBA reader; transparent pixels are put over white.
#include <tiffio.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "plugin_support.h"

namespace {

const char* const kInfo[] = {"00IN", "TIFF plug-in for Lumetta (libtiff)", "*.tif;*.tiff", "TIFF"};

bool IsTiff(const char*, const std::uint8_t* head) {
  return std::memcmp(head, "II*\0", 4) == 0 || std::memcmp(head, "MM\0*", 4) == 0 ||
         std::memcmp(head, "II+\0", 4) == 0 || std::memcmp(head, "MM\0+", 4) == 0;
}

// The picture's bytes start at an offset of the file; libtiff sees them as
// a file of their own.
struct Source {
  std::FILE* file = nullptr;
  toff_t base = 0;
  toff_t size = 0;
};

tmsize_t ReadProc(thandle_t h, void* buffer, tmsize_t size) {
  auto* s = static_cast<Source*>(h);
  return static_cast<tmsize_t>(std::fread(buffer, 1, static_cast<std::size_t>(size), s->file));
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) { return -1; }

toff_t SeekProc(thandle_t h, toff_t offset, int whence) {
  auto* s = static_cast<Source*>(h);
  toff_t target = offset;
  if (whence == SEEK_CUR) {
    const long here = std::ftell(s->file);
    if (here < 0) return static_cast<toff_t>(-1);
    target = static_cast<toff_t>(here) - s->base + offset;
  } else if (whence == SEEK_END) {
    target = s->size + offset;
  }
  if (std::fseek(s->file, static_cast<long>(s->base + target), SEEK_SET) != 0) return static_cast<toff_t>(-1);
  return target;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t h) { return static_cast<Source*>(h)->size; }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

class TiffFile {
 public:
  TiffFile(const char* path, std::intptr_t offset) {
    // libtiff reports to stderr by default; a plug-in has no business there.
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    source_.file = std::fopen(path, "rb");
    if (source_.file == nullptr || offset < 0 || std::fseek(source_.file, 0, SEEK_END) != 0) {
      Close();
      spi::Fail(SPI_FILE_READ_ERROR);
    }
    const long end = std::ftell(source_.file);
    if (end < offset) {
      Close();
      spi::Fail(SPI_FILE_READ_ERROR);
    }
    source_.base = static_cast<toff_t>(offset);
    source_.size = static_cast<toff_t>(end - offset);
    std::fseek(source_.file, static_cast<long>(offset), SEEK_SET);
    tiff_ = TIFFClientOpen(path, "rm", &source_, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                           UnmapProc);
    if (tiff_ == nullptr) {
      Close();
      spi::Fail(SPI_OUT_OF_ORDER);
    }
  }
  ~TiffFile() { Close(); }
  TiffFile(const TiffFile&) = delete;
  TiffFile& operator=(const TiffFile&) = delete;

  TIFF* Tiff() const { return tiff_; }
  std::uint32_t Field32(ttag_t tag) const {
    std::uint32_t value = 0;
    TIFFGetField(tiff_, tag, &value);
    return value;
  }

 private:
  void Close() {
    if (tiff_ != nullptr) TIFFClose(tiff_);
    if (source_.file != nullptr) std::fclose(source_.file);
    tiff_ = nullptr;
    source_.file = nullptr;
  }

  Source source_;
  TIFF* tiff_ = nullptr;
};

void Probe(const char* path, std::intptr_t offset, SpiPictureInfo& info) {
  const TiffFile file(path, offset);
  info.width = static_cast<std::int32_t>(file.Field32(TIFFTAG_IMAGEWIDTH));
  info.height = static_cast<std::int32_t>(file.Field32(TIFFTAG_IMAGELENGTH));
  std::uint16_t bits = 0;
  std::uint16_t samples = 0;
  TIFFGetFieldDefaulted(file.Tiff(), TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(file.Tiff(), TIFFTAG_SAMPLESPERPIXEL, &samples);
  info.colorDepth = static_cast<std::int16_t>(bits * samples);
}

void Decode(const char* path, std::intptr_t offset, spi::Picture& picture) {
  const TiffFile file(path, offset);
  char message[1024] = {};
  if (!TIFFRGBAImageOK(file.Tiff(), message)) spi::Fail(SPI_NOT_SUPPORT);
  const std::uint32_t width = file.Field32(TIFFTAG_IMAGEWIDTH);
  const std::uint32_t height = file.Field32(TIFFTAG_IMAGELENGTH);
  picture.Create(width, height);
  // One row of RGBA words per picture row; libtiff lays them out bottom row
  // first, as the picture wants them.
  std::vector<std::uint32_t> raster(std::size_t{width} * height);
  if (!TIFFReadRGBAImageOriented(file.Tiff(), width, height, raster.data(), ORIENTATION_BOTLEFT, 0)) {
    spi::Fail(SPI_OUT_OF_ORDER);
  }
  for (std::uint32_t i = 0; i < height; ++i) {
    const std::uint32_t* in = raster.data() + std::size_t{i} * width;
    std::uint8_t* out = picture.Bits() + i * picture.Stride();
    for (std::uint32_t x = 0; x < width; ++x, out += 3) {
      const std::uint32_t p = in[x];
      // libtiff hands colours over already multiplied by their alpha, so
      // white shows through by what alpha leaves.
      const std::uint32_t uncovered = 255 - TIFFGetA(p);
      const std::uint32_t r = TIFFGetR(p) + uncovered;
      const std::uint32_t g = TIFFGetG(p) + uncovered;
      const std::uint32_t b = TIFFGetB(p) + uncovered;
      out[0] = static_cast<std::uint8_t>(b > 255 ? 255 : b);
      out[1] = static_cast<std::uint8_t>(g > 255 ? 255 : g);
      out[2] = static_cast<std::uint8_t>(r > 255 ? 255 : r);
    }
  }
}

const spi::Decoder kDecoder{kInfo, 4, IsTiff, Probe, Decode};

}  // namespace

LUMETTA_PICTURE_PLUGIN(kDecoder)
