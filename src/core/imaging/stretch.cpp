#include "core/imaging/stretch.h"

#include <cstring>
#include <vector>

#include "core/base/parallel.h"

namespace lumetta {

namespace {

void Check24(const TDibImage& image) {
  if (image.BitCount() != 24) throw EDibBadDIBType("StretchNearest: Bad DIB Type");
}

// For each destination index of [0, dest_size): the source index, or -1 when
// the destination pixel lies outside the destination image or its source
// outside the source image.
std::vector<std::int32_t> IndexMap(std::int32_t from_start, std::int32_t from_size, std::int32_t source_limit,
                                   std::int32_t to_start, std::int32_t to_size, std::int32_t dest_limit) {
  std::vector<std::int32_t> map(static_cast<std::size_t>(to_size), -1);
  for (std::int32_t i = 0; i < to_size; ++i) {
    const std::int64_t d = std::int64_t{to_start} + i;
    if (d < 0 || d >= dest_limit) continue;
    const std::int64_t s = std::int64_t{from_start} + StretchSourceIndex(i, from_size, to_size);
    if (s < 0 || s >= source_limit) continue;
    map[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(s);
  }
  return map;
}

}  // namespace

void StretchNearest(const TDibImage& source, StretchRect from, TDibImage& dest, StretchRect to) {
  if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0) return;
  Check24(source);
  Check24(dest);
  const std::vector<std::int32_t> xs = IndexMap(from.left, from.width, source.Width(), to.left, to.width, dest.Width());
  const std::vector<std::int32_t> ys =
      IndexMap(from.top, from.height, source.Height(), to.top, to.height, dest.Height());
  const bool same_store = source.SharesStoreWith(dest);
  const TDibImage keep(source);  // a stretch within one image reads the pixels before
  dest.MakeUnique();
  const TDibImage& src = same_store ? keep : source;

  // Runs of consecutive source columns are copied whole: a plain copy (and
  // the enlarged image's columns that repeat) then costs one memcpy a row.
  const bool identity_x = from.width == to.width;
  ParallelRanges(to.height, RowsPerPart(to.width), [&](std::int32_t begin, std::int32_t end) {
    for (std::int32_t i = begin; i < end; ++i) {
      const std::int32_t sy = ys[static_cast<std::size_t>(i)];
      if (sy < 0) continue;
      const std::uint8_t* in = src.RowUnchecked(sy);
      std::uint8_t* out = dest.RowUnchecked(to.top + i);
      std::int32_t j = 0;
      while (j < to.width) {
        const std::int32_t sx = xs[static_cast<std::size_t>(j)];
        if (sx < 0) {
          ++j;
          continue;
        }
        if (identity_x) {
          std::int32_t k = j + 1;
          while (k < to.width && xs[static_cast<std::size_t>(k)] == sx + (k - j)) ++k;
          std::memcpy(out + static_cast<std::size_t>(to.left + j) * 3, in + static_cast<std::size_t>(sx) * 3,
                      static_cast<std::size_t>(k - j) * 3);
          j = k;
          continue;
        }
        std::uint8_t* o = out + static_cast<std::size_t>(to.left + j) * 3;
        const std::uint8_t* p = in + static_cast<std::size_t>(sx) * 3;
        o[0] = p[0];
        o[1] = p[1];
        o[2] = p[2];
        ++j;
      }
    }
  });
}

void StretchNearestReference(const TDibImage& source, StretchRect from, TDibImage& dest, StretchRect to) {
  if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0) return;
  const TDibImage src(source);
  for (std::int32_t i = 0; i < to.height; ++i) {
    const std::int32_t dy = to.top + i;
    const std::int32_t sy = from.top + StretchSourceIndex(i, from.height, to.height);
    if (dy < 0 || dy >= dest.Height() || sy < 0 || sy >= src.Height()) continue;
    for (std::int32_t j = 0; j < to.width; ++j) {
      const std::int32_t dx = to.left + j;
      const std::int32_t sx = from.left + StretchSourceIndex(j, from.width, to.width);
      if (dx < 0 || dx >= dest.Width() || sx < 0 || sx >= src.Width()) continue;
      dest.SetPixels(dx, dy, src.Pixels(sx, sy));
    }
  }
}

}  // namespace lumetta
