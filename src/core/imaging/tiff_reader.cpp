#include "core/imaging/tiff_reader.h"

#include <algorithm>
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
  tiff::StripLayout layout_;
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
  if (!tiff::ArrayFits(source, e, order_)) throw ETiffError("TIFF strip offsets lie past the end of the file");
  std::vector<std::uint64_t> offsets;
  offsets.reserve(e.count);
  for (std::uint32_t s = 0; s < e.count; ++s) offsets.push_back(tiff::ArrayValue(source, e, s, order_));
  return offsets;
}

template <typename Source>
void TiffReader::ReadStrips(Source& source, const Entry& e) {
  if (e.count == 0) throw ETiffError("TIFF without strips");
  const std::vector<std::uint64_t> offsets = StripOffsetsOf(source, e);
  MakeImage();
  const tiff::StripRows rows(layout_.rows_per_strip, e.count, static_cast<std::uint64_t>(height_));
  const std::uint64_t row_bytes = static_cast<std::uint64_t>(width_) * 3;
  // What is read of each strip: its rows, or fewer bytes when its byte count
  // says so (the rest of the strip stays black).
  std::vector<std::uint64_t> sizes(offsets.size());
  for (std::uint32_t s = 0; s < e.count; ++s) {
    sizes[s] = rows.Count(s) * row_bytes;
    if (layout_.byte_counts) sizes[s] = std::min(sizes[s], tiff::ArrayValue(source, *layout_.byte_counts, s, order_));
  }
  // Every strip is checked before any is read: a strip past the end of the
  // file fails the whole image.
  for (std::uint32_t s = 0; s < e.count; ++s) {
    if (!source.Holds(offsets[s], sizes[s])) throw ETiffError("TIFF strip lies past the end of the file");
  }
  const auto stride = static_cast<std::size_t>(image_->Stride());
  for (std::uint32_t s = 0; s < e.count; ++s) {
    if (sizes[s] == 0) continue;
    std::uint8_t* row = image_->bits.get() + rows.First(s) * stride;
    for (std::uint64_t done = 0; done < sizes[s]; done += row_bytes, row += stride) {
      // A strip cut short by its byte count ends with the last whole pixel.
      const std::uint64_t take = std::min(row_bytes, (sizes[s] - done) / 3 * 3);
      if (take == 0) break;
      source.ReadAt(offsets[s] + done, row, static_cast<std::size_t>(take));
      for (std::uint8_t* p = row; p < row + take; p += 3) std::swap(p[0], p[2]);
    }
  }
}

template <typename Source>
std::unique_ptr<TDibData> TiffReader::Read(Source& source) {
  const std::uint64_t directory = tiff::FirstDirectoryOffset(source, order_);
  layout_ = tiff::StripLayoutOf(source, order_, directory);
  bool has_strips = false;
  tiff::WalkDirectory(source, order_, directory, [&](const Entry& e) {
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
