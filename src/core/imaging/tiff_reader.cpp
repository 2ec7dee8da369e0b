#include "core/imaging/tiff_reader.h"

#include <string>
#include <vector>

#include "core/base/binary_file.h"

namespace lumetta {

namespace {

constexpr std::uint16_t kImageWidth = 256;
constexpr std::uint16_t kImageLength = 257;
constexpr std::uint16_t kCompression = 259;
constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kShort = 3;

// Large reads go straight into the image rows; the window serves the
// directory.
constexpr std::size_t kWindowSize = 65536;

struct Entry {
  std::uint16_t tag;
  std::uint16_t type;
  std::uint32_t count;
  std::uint8_t value[4];
};

class TiffReader {
 public:
  explicit TiffReader(ByteOrder order) : order_(order) {}

  template <typename Source>
  std::unique_ptr<TDibData> Read(Source& source);

 private:
  std::uint32_t ValueOf(const Entry& e) const {
    return e.type == kShort ? GetU16(e.value, order_) : GetU32(e.value, order_);
  }
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
  if (width_ <= 0 || height_ <= 0 || width_ > INT32_MAX || height_ > INT32_MAX ||
      width_ * height_ > TDibData::kMaxPixels) {
    throw ETiffError("TIFF image size " + std::to_string(width_) + " x " + std::to_string(height_) +
                     " cannot be read");
  }
  try {
    image_ = TDibData::Create(static_cast<std::int32_t>(width_), static_cast<std::int32_t>(height_), 0, 24);
  } catch (const EDibError& e) {
    throw ETiffError(std::string("TIFF image cannot be held: ") + e.what());
  }
}

template <typename Source>
std::vector<std::uint64_t> TiffReader::StripOffsetsOf(Source& source, const Entry& e) {
  const std::uint32_t n = e.count;
  std::vector<std::uint64_t> offsets;
  // Offsets that fit in the entry's value field are stored there.
  if (e.type == kShort && n <= 2) {
    offsets.push_back(GetU16(e.value, order_));
    if (n == 2) offsets.push_back(GetU16(e.value + 2, order_));
    return offsets;
  }
  if (e.type != kShort && n == 1) {
    offsets.push_back(GetU32(e.value, order_));
    return offsets;
  }
  const std::uint64_t element = e.type == kShort ? 2 : 4;
  const std::uint64_t array = GetU32(e.value, order_);
  if (!source.Holds(array, element * n)) throw ETiffError("TIFF strip offsets lie past the end of the file");
  offsets.reserve(n);
  for (std::uint32_t s = 0; s < n; ++s) {
    const std::uint64_t at = array + element * s;
    offsets.push_back(element == 2 ? std::uint64_t{source.U16At(at, order_)} : source.U32At(at, order_));
  }
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
  const std::uint16_t count = source.U16At(8, order_);
  if (!source.Holds(10, std::uint64_t{12} * count)) throw ETiffError("TIFF directory runs past the end of the file");
  bool has_strips = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint8_t bytes[12];
    source.ReadAt(10 + std::uint64_t{12} * i, bytes, sizeof bytes);
    Entry e{GetU16(bytes, order_), GetU16(bytes + 2, order_), GetU32(bytes + 4, order_), {}};
    std::copy(bytes + 8, bytes + 12, e.value);
    switch (e.tag) {
      case kCompression:
        if (ValueOf(e) != 1) throw ETiffError("compressed TIFF files cannot be read");
        break;
      case kImageWidth:
        width_ = ValueOf(e);
        Resize();
        break;
      case kImageLength:
        height_ = ValueOf(e);
        Resize();
        break;
      case kStripOffsets:
        ReadStrips(source, e);
        has_strips = true;
        break;
      default:
        break;
    }
  }
  if (!has_strips || !image_) throw ETiffError("TIFF without image data");
  return std::move(image_);
}

template <typename Source>
std::unique_ptr<TDibData> ReadTiff(Source& source) {
  try {
    std::uint8_t mark[2];
    source.ReadAt(0, mark, 2);
    TiffReader reader(mark[0] == 'I' && mark[1] == 'I' ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
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
