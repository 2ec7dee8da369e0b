#pragma once
// TDibImage: the one bitmap type of the program.
//
// A device-independent bitmap: a 40-byte header, a colour table and a block
// of pixel rows, shared between images by Assign and copied before any write
// (copy on write). The program's own images are all 24 bits per pixel, three
// bytes per pixel in the order blue, green, red.
//
// Rows are kept top-down in memory whatever the sign of the header's height:
// ScanLine(0) is always the top row. The sign only decides the row order of a
// saved BMP file (positive: the ordinary bottom-up file).

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "core/base/exception.h"

namespace lumetta {

class EDibError : public Exception {
 public:
  using Exception::Exception;
  FailureKind Kind() const noexcept override { return FailureKind::Photo; }
};
class EDibInvalidDIB : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibInvalidDIBFile : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibInvalidDIBPara : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibBadDIBType : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibPixelPositionRange : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibInvalidPalette : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibCompressionFailed : public EDibError {
 public:
  using EDibError::EDibError;
};
class EDibCanvasFailed : public EDibError {
 public:
  using EDibError::EDibError;
};
// Memory for a pixel block could not be had.
class EOutOfResources : public EDibError {
 public:
  using EDibError::EDibError;
};

enum class TDibPixelFormat : int {
  dpf1Bit = 0,
  dpf4Bit = 1,
  dpf4BitRLE = 2,
  dpf8Bit = 3,
  dpf8BitRLE = 4,
  dpf24Bit = 5,
  dpfHalftone8 = 6,
  dpfHalftone1 = 7,
};

inline constexpr std::uint32_t BI_RGB = 0;
inline constexpr std::uint32_t BI_RLE8 = 1;
inline constexpr std::uint32_t BI_RLE4 = 2;
inline constexpr std::uint32_t BI_BITFIELDS = 3;

struct TBitmapInfoHeader {
  std::uint32_t biSize = 40;
  std::int32_t biWidth = 1;
  std::int32_t biHeight = 1;
  std::uint16_t biPlanes = 1;
  std::uint16_t biBitCount = 8;
  std::uint32_t biCompression = BI_RGB;
  std::uint32_t biSizeImage = 0;
  std::int32_t biXPelsPerMeter = 3780;
  std::int32_t biYPelsPerMeter = 3780;
  std::uint32_t biClrUsed = 256;
  std::uint32_t biClrImportant = 0;
};

struct TRgbQuad {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
};

// Pixel blocks come from malloc/calloc so that a new zeroed block costs no
// pass over its memory.
struct FreeDeleter {
  void operator()(std::uint8_t* p) const;
};
using PixelBlock = std::unique_ptr<std::uint8_t[], FreeDeleter>;

// Allocates a pixel block of size bytes (zeroed or not). Throws
// EOutOfResources.
PixelBlock AllocatePixels(std::size_t size, bool zeroed);

// The pixel store, shared between images. Rows are top-down in memory.
class TDibData {
 public:
  // Largest width x height a store may have; larger images are refused before
  // any allocation.
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;

  TBitmapInfoHeader header;
  // The colour table, with room for the three bit masks of a BI_BITFIELDS file.
  std::array<TRgbQuad, 256 + 4> colours{};
  std::int32_t width = 1;
  std::int32_t height = 1;  // absolute
  std::size_t image_size = 0;
  PixelBlock bits;
  bool palette_modified = true;
  bool uses_mapping = true;  // kept for its meaning; stores are ordinary memory

  // Bytes per row for a width and bit count.
  static std::int64_t StrideFor(std::int64_t width, int bit_count) {
    return ((width * bit_count + 31) / 32) * 4;
  }
  std::int64_t Stride() const { return StrideFor(width, header.biBitCount); }
  // Whether the pixel block is rows of stride bytes; otherwise it holds the
  // file's compressed data as it was read (RLE8, RLE4 or an unknown method).
  bool HoldsRows() const { return header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS; }

  // A new store of width x |height| with zero pixels (CreateDIB). Throws
  // EDibInvalidDIBPara for bad parameters or a size beyond kMaxPixels.
  static std::unique_ptr<TDibData> Create(std::int32_t width, std::int32_t height, int colours, int bit_count);

  std::unique_ptr<TDibData> Clone() const;

  // The pixel format of the header's bit count and compression. Throws
  // EDibInvalidDIB for combinations no store may have.
  TDibPixelFormat PixelFormat() const;
};

class TDibImage {
 public:
  // A 1 x 1 image of 8 bits with 256 black colour-table entries.
  TDibImage();
  virtual ~TDibImage();
  // Copies share the store, as Assign does.
  TDibImage(const TDibImage& other);
  TDibImage& operator=(const TDibImage& other);

  std::int32_t Width() const { return data_->width; }
  std::int32_t Height() const { return data_->height; }
  // A new width (or height, sign included) builds a new zeroed store with the
  // same bit count and colour count; the current value does nothing.
  void SetWidth(std::int32_t width);
  void SetHeight(std::int32_t height);
  // Width and height at once (one new store); nothing when both are current.
  void SetSize(std::int32_t width, std::int32_t height);

  int BitCount() const { return data_->header.biBitCount; }
  void SetBitCount(int bit_count);

  TDibPixelFormat PixelFormat() const { return data_->PixelFormat(); }
  void SetPixelFormat(TDibPixelFormat format);

  // Colour 0x00BBGGRR on 24-bit stores; the colour-table index on 1-, 4- and
  // 8-bit stores.
  std::uint32_t Pixels(std::int32_t x, std::int32_t y) const;
  void SetPixels(std::int32_t x, std::int32_t y, std::uint32_t colour);

  // Row y, counted from the top. The writable form makes the store unique.
  std::uint8_t* ScanLine(std::int32_t y);
  const std::uint8_t* ScanLine(std::int32_t y) const;
  const std::uint8_t* ConstScanLine(std::int32_t y) const { return ScanLine(y); }
  // Row access without checks, for hot loops that walk valid rows of an
  // uncompressed image they have made unique (or only read).
  std::uint8_t* RowUnchecked(std::int32_t y) { return data_->bits.get() + static_cast<std::size_t>(y) * Stride(); }
  const std::uint8_t* RowUnchecked(std::int32_t y) const {
    return data_->bits.get() + static_cast<std::size_t>(y) * Stride();
  }
  std::size_t Stride() const { return static_cast<std::size_t>(data_->Stride()); }

  const TBitmapInfoHeader& Header() const { return data_->header; }
  const TDibData& Data() const { return *data_; }
  bool TopDown() const { return data_->header.biHeight < 0; }
  bool UseFMO() const { return data_->uses_mapping; }
  bool Empty() const { return false; }

  // Shares the source's store (nothing when source is this image).
  void Assign(const TDibImage& source);
  // A fresh default store (1 x 1, 8 bits, 256 entries).
  void AssignNull();
  bool SharesStoreWith(const TDibImage& other) const { return data_ == other.data_; }

  // The BMP codec. Loading keeps the previous content on any failure.
  void LoadFromStream(std::istream& in);
  void LoadFromMemory(const void* bytes, std::size_t size);
  virtual void LoadFromFile(std::string_view path);
  void SaveToStream(std::ostream& out) const;
  void SaveToFile(std::string_view path) const;

  // The program's own drawing on 24-bit images.
  void Fill(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  // Fills [left, right) x [top, bottom), clipped to the image.
  void FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom, std::uint8_t red,
                std::uint8_t green, std::uint8_t blue);

  // Makes the store unique when it is shared (UniqueDIB).
  void MakeUnique();
  // Takes over a store built elsewhere (decoders).
  void TakeStore(std::unique_ptr<TDibData> store);

  std::uint8_t ConvertQuality = 0;
  std::uint32_t BGColor = 0xFFFFFF;
  std::uint8_t HalftoneMode = 0;

 private:
  std::shared_ptr<TDibData> data_;
};

// Reads a BMP stream into a new store (the codec behind LoadFromStream).
std::unique_ptr<TDibData> ReadBmpStore(std::istream& in);
// Writes a store as a BMP stream.
void WriteBmpStore(const TDibData& store, std::ostream& out);
// Converts a store of any format to 24 bits (behind SetPixelFormat).
std::unique_ptr<TDibData> ConvertStoreTo24Bit(const TDibData& store);

}  // namespace lumetta
