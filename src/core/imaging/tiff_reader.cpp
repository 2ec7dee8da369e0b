#include "core/imaging/tiff_reader.h"

#include <string>
#include <vector>

#include "core/base/binary_file.h"
#include "core/imaging/tiff_directory.h"

namespace lumetta {

namespace {

// Large reads go straight into the image rows; the window serves the
// directory.
constexpr std::size_t kWindowSize = 65536;

using tiff::Entry;

class TiffReader {
 public:
  explicit TiffReader(ByteOrder order) : order_(order) {}

  template <typename Source>
  std::unique_ptr<TDibData> Read(Source& source);

 private:
  std::uint32_t ValueOf(const Entry& e) const { return tiff::ValueOf(e, order_); }
  // A new width or height after the strips, like a bitmap's, gives a new
  // black image.
  void Resize() {
    if (image_ && (image_->width != width_ || image_->height != height_)) {
      image_.reset();
      MakeImage();
    }
  }
  void MakeImage();
  template <typename Source>
  std::vector<std::uint64_t> StripOffsetsOf(Source& source, const Entry& e);
  template <typename Source>
  void ReadStrips(Source& source, const Entry& e);

  ByteOrder order_;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  std::unique_ptr<TDibData> image_;
};

void TiffReader::MakeImage() {
  if (image_) return;
  tiff::CheckImageSize(width_, height_);
  try {
    image_ = TDibData::Create(static_cast<std::int32_t>(width_), static_cast<std::int32_t>(height_), 0, 24);
  } catch (const EDibError& e) {
    throw ETiffError(std::string("TIFF image cannot be held: ") + e.what());
  }
}

template <typename Source>
std::vector<std::uint64_t> TiffReader::StripOffsetsOf(Source& source, const Entry& e) {
  // The whole table is checked first, so that a damaged count cannot make
  // the reader reserve gigabytes.
  if (!tiff::StripOffsetsFit(source, e, order_)) throw ETiffError("TIFF strip offsets lie past the end of the file");
  std::vector<std::uint64_t> offsets;
  offsets.reserve(e.count);
  for (std::uint32_t s = 0; s < e.count; ++s) offsets.push_back(tiff::StripOffset(source, e, s, order_));
  return offsets;
}

template <typename Source>
void TiffReader::ReadStrips(Source& source, const Entry& e) {
  if (e.count == 0) throw ETiffError("TIFF without strips");
  const std::vector<std::uint64_t> offsets = StripOffsetsOf(source, e);
  MakeImage();
  const std::uint64_t rows_per_strip = static_cast<std::uint64_t>(height_) / e.count;
  const std::uint64_t row_bytes = static_cast<std::uint64_t>(width_) * 3;
  // Every strip is checked before any is read: a strip past the end of the
  // file fails the whole image.
  for (const std::uint64_t offset : offsets) {
    if (!source.Holds(offset, rows_per_strip * row_bytes)) throw ETiffError("TIFF strip lies past the end of the file");
  }
  const auto stride = static_cast<std::size_t>(image_->Stride());
  std::uint8_t* row = image_->bits.get();
  for (const std::uint64_t offset : offsets) {
    for (std::uint64_t k = 0; k < rows_per_strip; ++k, row += stride) {
      source.ReadAt(offset + k * row_bytes, row, static_cast<std::size_t>(row_bytes));
      for (std::uint8_t* p = row; p < row + row_bytes; p += 3) std::swap(p[0], p[2]);
    }
  }
}

template <typename Source>
std::unique_ptr<TDibData> TiffReader::Read(Source& source) {
  bool has_strips = false;
  tiff::WalkDirectory(source, order_, [&](const Entry& e) {
    switch (e.tag) {
      case tiff::kImageWidth:
        width_ = ValueOf(e);
        Resize();
        break;
      case tiff::kImageLength:
        height_ = ValueOf(e);
        Resize();
        break;
      case tiff::kStripOffsets:
        ReadStrips(source, e);
        has_strips = true;
        break;
      default:
        break;
    }
  });
  if (!has_strips || !image_) throw ETiffError("TIFF without image data");
  return std::move(image_);
}

template <typename Source>
std::unique_ptr<TDibData> ReadTiff(Source& source) {
  try {
    TiffReader reader(tiff::OrderOf(source));
    return reader.Read(source);
  } catch (const EBinaryRead& e) {
    throw ETiffError(std::string("TIFF file is damaged: ") + e.what());
  }
}

}  // namespace

std::unique_ptr<TDibData> ReadTiffFile(std::string_view path) {
  try {
    BinaryFile file(path, kWindowSize);
    return ReadTiff(file);
  } catch (const EBinaryRead& e) {
    throw ETiffError(e.what());
  }
}

std::unique_ptr<TDibData> ReadTiffMemory(const std::uint8_t* data, std::size_t size) {
  MemoryBytes bytes(data, size);
  return ReadTiff(bytes);
}

}  // namespace lumetta
