#include "core/imaging/thumb_tiff_sampler.h"

#include <algorithm>
#include <string>

#include "core/base/binary_file.h"
#include "core/imaging/dib_image.h"
#include "core/imaging/tiff_directory.h"

namespace lumetta {

namespace {

// The sampling divisors: about 160 samples across and 80 down.
constexpr std::int64_t kAcrossDivisor = 160;
constexpr std::int64_t kDownDivisor = 80;

// A picture of ordinary strips needs far fewer samples than this; a file
// that asks for more (a strip per row of a tall picture, all pointing at the
// same bytes) is refused rather than read for seconds.
constexpr std::uint64_t kMaxSamples = std::uint64_t{1} << 24;

constexpr std::size_t kWindowSize = 65536;

using tiff::Entry;

}  // namespace

class SampledTiffReader {
 public:
  explicit SampledTiffReader(ByteOrder order) : order_(order) {}

  template <typename Source>
  SampledTiff Read(Source& source) {
    tiff::WalkDirectory(source, order_, [&](const Entry& e) {
      switch (e.tag) {
        case tiff::kImageWidth:
          SetSize(ValueOf(e), height_);
          break;
        case tiff::kImageLength:
          SetSize(width_, ValueOf(e));
          break;
        case tiff::kStripOffsets:
          ReadStrips(source, e);
          break;
        default:
          break;
      }
    });
    if (result_.strips_ == 0) throw ETiffError("TIFF without image data");
    return std::move(result_);
  }

 private:
  std::uint32_t ValueOf(const Entry& e) const { return tiff::ValueOf(e, order_); }

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
  void ReadStrips(Source& source, const Entry& e) {
    tiff::CheckImageSize(width_, height_);
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
      const std::uint64_t offset = tiff::StripOffset(source, e, k, order_);
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
    SampledTiffReader reader(tiff::OrderOf(source));
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
