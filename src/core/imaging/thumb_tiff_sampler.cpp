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
    const std::uint64_t directory = tiff::FirstDirectoryOffset(source, order_);
    layout_ = tiff::StripLayoutOf(source, order_, directory);
    tiff::WalkDirectory(source, order_, directory, [&](const Entry& e) {
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
    if (strips == 0) throw ETiffError("TIFF without strips");
    // Without RowsPerStrip every strip holds height div strips rows, which
    // must be at least one.
    if (layout_.rows_per_strip == 0 && strips > static_cast<std::uint64_t>(height_)) {
      throw ETiffError("TIFF strips do not fit the image");
    }
    const tiff::StripRows rows(layout_.rows_per_strip, strips, static_cast<std::uint64_t>(height_));
    const std::int64_t step = std::max<std::int64_t>(1, std::min(width_ / kAcrossDivisor, height_ / kDownDivisor));
    const auto spacing = static_cast<std::int64_t>(rows.Spacing());
    // Strips that start below the picture hold no rows.
    const std::uint64_t used =
        std::min<std::uint64_t>(strips, (static_cast<std::uint64_t>(height_) + rows.Spacing() - 1) / rows.Spacing());
    const std::int64_t sampled_rows = (spacing + step - 1) / step;
    const std::uint64_t columns = static_cast<std::uint64_t>((width_ + step - 1) / step);
    const std::uint64_t total = used * static_cast<std::uint64_t>(sampled_rows) * columns;
    if (total > kMaxSamples) throw ETiffError("TIFF strips ask for too many samples");

    SampledTiff& r = result_;
    r.width_ = static_cast<std::int32_t>(width_);
    r.height_ = static_cast<std::int32_t>(height_);
    r.step_ = static_cast<std::int32_t>(step);
    r.strips_ = 0;
    r.rows_per_strip_ = static_cast<std::int32_t>(spacing);
    r.sampled_rows_per_strip_ = static_cast<std::int32_t>(sampled_rows);
    r.columns_ = static_cast<std::size_t>(columns);
    r.samples_.assign(static_cast<std::size_t>(total) * 3, 0);

    const std::uint64_t width = static_cast<std::uint64_t>(width_);
    for (std::uint32_t k = 0; k < used; ++k) {
      const std::uint64_t offset = tiff::ArrayValue(source, e, k, order_);
      // A strip's byte count bounds what is read of it; samples beyond stay
      // black.
      const std::uint64_t bytes =
          layout_.byte_counts ? tiff::ArrayValue(source, *layout_.byte_counts, k, order_) : UINT64_MAX;
      const auto strip_rows = static_cast<std::int64_t>(rows.Count(k));
      const std::uint64_t first_sample = std::uint64_t{k} * static_cast<std::uint64_t>(sampled_rows) * columns;
      std::uint8_t* out = r.samples_.data() + static_cast<std::size_t>(first_sample) * 3;
      for (std::int64_t row = 0; row < strip_rows; row += step) {
        for (std::uint64_t x = 0; x < width; x += static_cast<std::uint64_t>(step), out += 3) {
          const std::uint64_t within = (x + width * static_cast<std::uint64_t>(row)) * 3;
          if (within + 3 > bytes) continue;
          const std::uint64_t at = offset + within;
          if (!source.Holds(at, 3)) throw ETiffError("TIFF strip lies past the end of the file");
          std::uint8_t rgb[3];
          source.ReadAt(at, rgb, 3);
          out[0] = rgb[2];
          out[1] = rgb[1];
          out[2] = rgb[0];
        }
      }
    }
    r.strips_ = static_cast<std::int32_t>(used);
  }

  ByteOrder order_;
  tiff::StripLayout layout_;
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
