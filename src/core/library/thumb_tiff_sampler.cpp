#include "core/library/thumb_tiff_sampler.h"

#include <algorithm>
#include <string>

#include "core/base/binary_file.h"
#include "core/imaging/dib_image.h"

namespace lumetta {

namespace {

constexpr std::uint16_t kImageWidth = 256;
constexpr std::uint16_t kImageLength = 257;
constexpr std::uint16_t kCompression = 259;
constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kShort = 3;

// The sampling divisors: about 160 samples across and 80 down.
constexpr std::int64_t kAcrossDivisor = 160;
constexpr std::int64_t kDownDivisor = 80;

// A picture of ordinary strips needs far fewer samples than this; a file
// that asks for more (a strip per row of a tall picture, all pointing at the
// same bytes) is refused rather than read for seconds.
constexpr std::uint64_t kMaxSamples = std::uint64_t{1} << 24;

constexpr std::size_t kWindowSize = 65536;

struct Entry {
  std::uint16_t tag;
  std::uint16_t type;
  std::uint32_t count;
  std::uint8_t value[4];
};

}  // namespace

class SampledTiffReader {
 public:
  explicit SampledTiffReader(ByteOrder order) : order_(order) {}

  template <typename Source>
  SampledTiff Read(Source& source) {
    const std::uint16_t count = source.U16At(8, order_);
    if (!source.Holds(10, std::uint64_t{12} * count)) throw ETiffError("TIFF directory runs past the end of the file");
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
          SetSize(ValueOf(e), height_);
          break;
        case kImageLength:
          SetSize(width_, ValueOf(e));
          break;
        case kStripOffsets:
          ReadStrips(source, e);
          break;
        default:
          break;
      }
    }
    if (result_.strips_ == 0) throw ETiffError("TIFF without image data");
    return std::move(result_);
  }

 private:
  std::uint32_t ValueOf(const Entry& e) const {
    return e.type == kShort ? GetU16(e.value, order_) : GetU32(e.value, order_);
  }

  // A size that changes after the strips were read leaves a black picture,
  // as a bitmap given a new size does.
  void SetSize(std::int64_t width, std::int64_t height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    result_.strips_ = 0;
    result_.samples_.clear();
  }

  template <typename Source>
  std::uint64_t StripOffset(Source& source, const Entry& e, std::uint32_t k) const {
    const std::uint32_t n = e.count;
    if (e.type == kShort && n <= 2) return GetU16(e.value + 2 * k, order_);
    if (n == 1) return GetU32(e.value, order_);
    const std::uint64_t element = e.type == kShort ? 2 : 4;
    const std::uint64_t at = GetU32(e.value, order_) + element * k;
    if (!source.Holds(at, element)) throw ETiffError("TIFF strip offsets lie past the end of the file");
    return element == 2 ? std::uint64_t{source.U16At(at, order_)} : source.U32At(at, order_);
  }

  template <typename Source>
  void ReadStrips(Source& source, const Entry& e) {
    if (width_ <= 0 || height_ <= 0 || width_ > INT32_MAX || height_ > INT32_MAX ||
        width_ * height_ > TDibData::kMaxPixels) {
      throw ETiffError("TIFF image size " + std::to_string(width_) + " x " + std::to_string(height_) +
                       " cannot be read");
    }
    const std::uint32_t strips = e.count;
    if (strips == 0 || strips > static_cast<std::uint64_t>(height_)) throw ETiffError("TIFF strips do not fit the image");
    const std::int64_t step = std::max<std::int64_t>(1, std::min(width_ / kAcrossDivisor, height_ / kDownDivisor));
    const std::int64_t rows_per_strip = height_ / strips;
    const std::int64_t sampled_rows = (rows_per_strip + step - 1) / step;
    const std::uint64_t columns = static_cast<std::uint64_t>((width_ + step - 1) / step);
    const std::uint64_t total = std::uint64_t{strips} * static_cast<std::uint64_t>(sampled_rows) * columns;
    if (total > kMaxSamples) throw ETiffError("TIFF strips ask for too many samples");

    SampledTiff& r = result_;
    r.width_ = static_cast<std::int32_t>(width_);
    r.height_ = static_cast<std::int32_t>(height_);
    r.step_ = static_cast<std::int32_t>(step);
    r.strips_ = 0;
    r.rows_per_strip_ = static_cast<std::int32_t>(rows_per_strip);
    r.sampled_rows_per_strip_ = static_cast<std::int32_t>(sampled_rows);
    r.columns_ = static_cast<std::size_t>(columns);
    r.samples_.assign(static_cast<std::size_t>(total) * 3, 0);

    const std::uint64_t width = static_cast<std::uint64_t>(width_);
    std::uint8_t* out = r.samples_.data();
    for (std::uint32_t k = 0; k < strips; ++k) {
      const std::uint64_t offset = StripOffset(source, e, k);
      for (std::int64_t row = 0; row < rows_per_strip; row += step) {
        for (std::uint64_t x = 0; x < width; x += static_cast<std::uint64_t>(step), out += 3) {
          const std::uint64_t at = offset + (x + width * static_cast<std::uint64_t>(row)) * 3;
          if (!source.Holds(at, 3)) throw ETiffError("TIFF strip lies past the end of the file");
          std::uint8_t rgb[3];
          source.ReadAt(at, rgb, 3);
          out[0] = rgb[2];
          out[1] = rgb[1];
          out[2] = rgb[0];
        }
      }
    }
    r.strips_ = static_cast<std::int32_t>(strips);
  }

  ByteOrder order_;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  SampledTiff result_;
};

namespace {

template <typename Source>
SampledTiff ReadSampled(Source& source) {
  try {
    std::uint8_t mark[2];
    source.ReadAt(0, mark, 2);
    SampledTiffReader reader(mark[0] == 'I' && mark[1] == 'I' ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
    return reader.Read(source);
  } catch (const EBinaryRead& e) {
    throw ETiffError(std::string("TIFF file is damaged: ") + e.what());
  }
}

}  // namespace

SampledTiff ReadSampledTiffFile(std::string_view path) {
  try {
    BinaryFile file(path, kWindowSize);
    return ReadSampled(file);
  } catch (const EBinaryRead& e) {
    throw ETiffError(e.what());
  }
}

SampledTiff ReadSampledTiffMemory(const std::uint8_t* data, std::size_t size) {
  MemoryBytes bytes(data, size);
  return ReadSampled(bytes);
}

}  // namespace lumetta
