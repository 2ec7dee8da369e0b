#include "core/slideshow/transition_kernels.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>

namespace lumetta {

namespace {

void RequireSameSize(const TDibImage& a, const TDibImage& b, const char* what) {
  if (a.BitCount() != 24 || b.BitCount() != 24) throw EDibBadDIBType(std::string(what) + ": Bad DIB Type");
  if (a.Width() != b.Width() || a.Height() != b.Height()) {
    throw EDibInvalidDIBPara(std::string(what) + ": the images differ in size");
  }
}

std::size_t RowBytes(const TDibImage& image) { return static_cast<std::size_t>(image.Width()) * 3; }

// A channel less a subtrahend of 0..255, not below 0: one saturating
// subtraction the compiler turns into vector code.
inline std::uint8_t Less(std::uint8_t c, std::uint8_t s) { return c > s ? static_cast<std::uint8_t>(c - s) : 0; }

// SplitMix64: small, fast and good enough to scatter sand.
class SandGenerator {
 public:
  explicit SandGenerator(std::uint64_t seed) : state_(seed) {}
  std::uint32_t Below(std::uint32_t bound) {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The high 32 bits scaled onto 0..bound-1.
    return static_cast<std::uint32_t>(((z >> 32) * bound) >> 32);
  }

 private:
  std::uint64_t state_;
};

}  // namespace

void DarkenFrame(const TDibImage& source, std::int32_t subtrahend, TDibImage& out) {
  RequireSameSize(source, out, "DarkenFrame");
  out.MakeUnique();
  const std::size_t bytes = RowBytes(out);
  for (std::int32_t y = 0; y < out.Height(); ++y) {
    const std::uint8_t* from = source.ScanLine(y);
    std::uint8_t* to = out.RowUnchecked(y);
    if (subtrahend >= 256) {
      std::memset(to, 0, bytes);
    } else if (subtrahend <= 0) {
      std::memmove(to, from, bytes);
    } else {
      const auto s = static_cast<std::uint8_t>(subtrahend);
      for (std::size_t i = 0; i < bytes; ++i) to[i] = Less(from[i], s);
    }
  }
}

void CrossFadeFrame(const TDibImage& old_frame, std::int32_t old_subtrahend, const TDibImage& fresh,
                    std::int32_t fresh_subtrahend, TDibImage& out) {
  RequireSameSize(old_frame, out, "CrossFadeFrame");
  RequireSameSize(fresh, out, "CrossFadeFrame");
  out.MakeUnique();
  const std::size_t bytes = RowBytes(out);
  // Subtrahends of 256 and more leave nothing of a channel, as 255 does.
  const auto so = static_cast<std::uint8_t>(std::clamp(old_subtrahend, 0, 255));
  const auto sf = static_cast<std::uint8_t>(std::clamp(fresh_subtrahend, 0, 255));
  const bool old_gone = old_subtrahend >= 255;
  for (std::int32_t y = 0; y < out.Height(); ++y) {
    const std::uint8_t* o = old_frame.ScanLine(y);
    const std::uint8_t* f = fresh.ScanLine(y);
    std::uint8_t* to = out.RowUnchecked(y);
    if (old_gone) {
      for (std::size_t i = 0; i < bytes; ++i) to[i] = Less(f[i], sf);
      continue;
    }
    for (std::size_t i = 0; i < bytes; ++i) {
      const std::uint8_t a = Less(f[i], sf);
      const std::uint8_t b = Less(o[i], so);
      const auto sum = static_cast<std::uint8_t>(a + b);
      to[i] = sum < a ? std::uint8_t{255} : sum;
    }
  }
}

std::vector<std::uint32_t> StarSandOrder(std::uint32_t count, std::uint64_t seed) {
  std::vector<std::uint32_t> order(count);
  std::iota(order.begin(), order.end(), 0U);
  SandGenerator random(seed);
  for (std::uint32_t i = 0; i < count; ++i) std::swap(order[i], order[random.Below(count)]);
  return order;
}

std::uint32_t StarSandBoundary(std::uint32_t count, std::int32_t repaints, std::int32_t i) {
  if (repaints <= 0) return count;
  return static_cast<std::uint32_t>(std::uint64_t{count} * static_cast<std::uint64_t>(std::clamp(i, 0, repaints)) /
                                    static_cast<std::uint64_t>(repaints));
}

void CopyPixelsInOrder(const TDibImage& frame, std::span<const std::uint32_t> indices, TDibImage& target) {
  RequireSameSize(frame, target, "CopyPixelsInOrder");
  target.MakeUnique();
  const auto width = static_cast<std::uint32_t>(target.Width());
  const std::uint32_t count = width * static_cast<std::uint32_t>(target.Height());
  const std::uint8_t* from = frame.RowUnchecked(0);
  std::uint8_t* to = target.RowUnchecked(0);
  const std::size_t stride = target.Stride();
  const std::size_t from_stride = frame.Stride();
  for (const std::uint32_t index : indices) {
    if (index >= count) continue;
    const std::uint32_t y = index / width;
    const std::uint32_t x = index - y * width;
    const std::uint8_t* p = from + y * from_stride + std::size_t{x} * 3;
    std::uint8_t* q = to + y * stride + std::size_t{x} * 3;
    q[0] = p[0];
    q[1] = p[1];
    q[2] = p[2];
  }
}

std::int32_t PageTurnStepCount(PageDirectionKind direction, std::int32_t width, std::int32_t height,
                               std::int32_t strip) {
  const bool across = direction == PageDirectionKind::FromLeft || direction == PageDirectionKind::FromRight;
  const std::int32_t extent = std::max(across ? width : height, 0);
  const std::int32_t s = std::max(strip, 1);
  return (extent + s - 1) / s + 1;
}

PixelRect PageTurnStrip(PageDirectionKind direction, std::int32_t width, std::int32_t height, std::int32_t strip,
                        std::int32_t step) {
  const std::int64_t s = std::max(strip, 1);
  const bool across = direction == PageDirectionKind::FromLeft || direction == PageDirectionKind::FromRight;
  const std::int64_t extent = across ? width : height;
  const std::int64_t near = std::min<std::int64_t>(s * step, extent);
  const std::int64_t far = std::min<std::int64_t>(s * (step + 1), extent);
  if (step < 0 || near >= far) return PixelRect{};
  std::int64_t lo = near;
  std::int64_t hi = far;
  if (direction == PageDirectionKind::FromRight || direction == PageDirectionKind::FromBottom) {
    lo = extent - far;
    hi = extent - near;
  }
  const auto a = static_cast<std::int32_t>(lo);
  const auto b = static_cast<std::int32_t>(hi);
  return across ? PixelRect{a, 0, b, height} : PixelRect{0, a, width, b};
}

void CopyRect(const TDibImage& frame, const PixelRect& rect, TDibImage& target) {
  RequireSameSize(frame, target, "CopyRect");
  const std::int32_t left = std::max(rect.left, 0);
  const std::int32_t top = std::max(rect.top, 0);
  const std::int32_t right = std::min(rect.right, target.Width());
  const std::int32_t bottom = std::min(rect.bottom, target.Height());
  if (right <= left || bottom <= top) return;
  target.MakeUnique();
  const std::size_t offset = static_cast<std::size_t>(left) * 3;
  const std::size_t bytes = static_cast<std::size_t>(right - left) * 3;
  for (std::int32_t y = top; y < bottom; ++y) {
    std::memcpy(target.RowUnchecked(y) + offset, frame.RowUnchecked(y) + offset, bytes);
  }
}

}  // namespace lumetta
